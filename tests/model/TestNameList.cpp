#include "common/TestMain.h"

#include "model/NameList.h"

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size();
}

} // namespace

class TestNameList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void appendRules();
    void appendSeesOtherWriters();
    void appendAfterUnterminatedLine();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString ListPath() const { return m_dir->filePath(QStringLiteral("UEList.txt")); }
};

void TestNameList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestNameList::appendRules()
{
    NameList list(ListPath());
    QVERIFY(!list.Load());
    QVERIFY(list.Append(QStringLiteral("Squat")));
    QCOMPARE(ReadAll(ListPath()), QByteArray("Squat\r\n"));
    QVERIFY(!list.Append(QStringLiteral("Squat")));
    QVERIFY(list.Append(QStringLiteral("squat"))); // case-sensitive comparison
    QVERIFY(!list.Append(QString()));
    QCOMPARE(ReadAll(ListPath()), QByteArray("Squat\r\nsquat\r\n"));
    QCOMPARE(list.Entries(), (QStringList {"Squat", "squat"}));

    // A fresh list over the same file sees both.
    NameList again(ListPath());
    QVERIFY(again.Load());
    QCOMPARE(again.Entries(), list.Entries());
}

void TestNameList::appendSeesOtherWriters()
{
    NameList mine(ListPath());
    mine.Load();
    // Another program appends meanwhile; appending never truncates what it wrote.
    QVERIFY(WriteAll(ListPath(), "Deadlift\r\n"));
    QVERIFY(!mine.Append(QStringLiteral("Deadlift")));
    QVERIFY(mine.Append(QStringLiteral("Lunges")));
    QCOMPARE(ReadAll(ListPath()), QByteArray("Deadlift\r\nLunges\r\n"));
    QCOMPARE(mine.Entries(), (QStringList {"Deadlift", "Lunges"}));
}

void TestNameList::appendAfterUnterminatedLine()
{
    QVERIFY(WriteAll(ListPath(), "Row"));
    NameList list(ListPath());
    QVERIFY(list.Append(QStringLiteral("Dips")));
    QCOMPARE(ReadAll(ListPath()), QByteArray("Row\r\nDips\r\n"));
}

REPBOOK_TEST_MAIN_CORE(TestNameList)
#include "TestNameList.moc"
