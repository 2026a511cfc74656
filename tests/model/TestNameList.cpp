#include "common/TestMain.h"

#include "model/NameList.h"

#include <QCoreApplication>
#include <QDir>
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
    void loadKeepsEveryLine_data();
    void loadKeepsEveryLine();
    void missingFileIsEmpty();
    void sortedViewIsCaseInsensitiveAndStable();
    void appendRules();
    void appendSeesOtherWriters();
    void appendAfterUnterminatedLine();
    void appendEncodesLikeTheDiary();
    void appendCreatesPrivateFile();
    void unwritableFileIsIgnored_data();
    void unwritableFileIsIgnored();
    void findPrefix_data();
    void findPrefix();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString ListPath() const { return m_dir->filePath(QStringLiteral("UEList.txt")); }
};

void TestNameList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestNameList::loadKeepsEveryLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("order and repeats kept")
        << QByteArray("Row\r\nBench press\r\nRow\r\n") << QStringList {"Row", "Bench press", "Row"};
    QTest::newRow("empty lines kept") << QByteArray("A\r\n\r\nB\r\n") << QStringList {"A", "", "B"};
    QTest::newRow("LF only") << QByteArray("A\nB\n") << QStringList {"A", "B"};
    QTest::newRow("last line without end") << QByteArray("A\r\nB") << QStringList {"A", "B"};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("Windows-1252 and UTF-8 lines")
        << QByteArray("D\xE9velopp\xE9\r\nF\xC3\xBC\xC3\x9F"
                      "e\r\n")
        << QStringList {QStringLiteral("Développé"), QStringLiteral("Füße")};
}

void TestNameList::loadKeepsEveryLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QVERIFY(WriteAll(ListPath(), bytes));
    NameList list(ListPath());
    QVERIFY(list.Load());
    QCOMPARE(list.Entries(), entries);
}

void TestNameList::missingFileIsEmpty()
{
    NameList list(m_dir->filePath(QStringLiteral("none/UTList.txt")));
    QVERIFY(!list.Load());
    QVERIFY(list.Entries().isEmpty());
    QVERIFY(list.SortedEntries().isEmpty());
}

void TestNameList::sortedViewIsCaseInsensitiveAndStable()
{
    QVERIFY(WriteAll(ListPath(), "row\r\nBench press\r\nRow\r\nabs\r\nRow\r\n"));
    NameList list(ListPath());
    QVERIFY(list.Load());
    QCOMPARE(list.SortedEntries(), (QStringList {"abs", "Bench press", "row", "Row", "Row"}));
    // The file order is untouched.
    QCOMPARE(list.Entries().first(), QStringLiteral("row"));
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

void TestNameList::appendEncodesLikeTheDiary()
{
    QVERIFY(WriteAll(ListPath(), "D\xE9velopp\xE9\r\n"));
    NameList list(ListPath());
    // The name read from the Windows-1252 line is already there.
    QVERIFY(!list.Append(QStringLiteral("Développé")));
    QVERIFY(list.Append(QStringLiteral("Füße\nzwei")));
    QCOMPARE(ReadAll(ListPath()),
             QByteArray("D\xE9velopp\xE9\r\nF\xC3\xBC\xC3\x9F"
                        "e\xE2\x80\xA8zwei\r\n"));
    QVERIFY(list.Load());
    QCOMPARE(list.Entries().last(), QStringLiteral("Füße\nzwei"));
}

void TestNameList::appendCreatesPrivateFile()
{
    constexpr auto others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    // A usual umask would leave a new file readable by everyone.
    const mode_t previousMask = umask(022);
    NameList list(ListPath());
    const bool appended = list.Append(QStringLiteral("Squat"));
    umask(previousMask);
    QVERIFY(appended);
    QCOMPARE(QFile::permissions(ListPath()) & (QFile::ReadOwner | QFile::WriteOwner),
             QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(QFile::permissions(ListPath()) & others, QFile::Permissions());

    // An existing list keeps the permissions its owner gave it.
    const auto shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(ListPath(), shared));
    QVERIFY(list.Append(QStringLiteral("Row")));
    QCOMPARE(QFile::permissions(ListPath()) & (shared | others), shared);
}

void TestNameList::unwritableFileIsIgnored_data()
{
    QTest::addColumn<bool>("folderMissing");
    QTest::newRow("read-only file") << false;
    QTest::newRow("folder missing") << true;
}

void TestNameList::unwritableFileIsIgnored()
{
    QFETCH(bool, folderMissing);
    QString path = ListPath();
    if (folderMissing) {
        path = m_dir->filePath(QStringLiteral("Database/UEList.txt"));
    } else {
        if (geteuid() == 0)
            QSKIP("The superuser writes into read-only files.");
        QVERIFY(WriteAll(path, "Row\r\n"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    }
    NameList list(path);
    list.Load();
    QVERIFY(!list.Append(QStringLiteral("Squat")));
    QCOMPARE(QFileInfo::exists(path), !folderMissing);
    if (!folderMissing)
        QCOMPARE(ReadAll(path), QByteArray("Row\r\n"));
}

void TestNameList::findPrefix_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("index");

    const QStringList sorted {"Back", "Bench press", "Leg day", "legs"};
    QTest::newRow("first match") << sorted << QStringLiteral("be") << 0 << 1;
    QTest::newRow("case-insensitive") << sorted << QStringLiteral("LEG") << 0 << 2;
    QTest::newRow("from the second entry") << sorted << QStringLiteral("b") << 1 << 1;
    QTest::newRow("wraps around") << sorted << QStringLiteral("back") << 2 << 0;
    QTest::newRow("start past the end wraps") << sorted << QStringLiteral("b") << 4 << 0;
    QTest::newRow("none") << QStringList {"Back", "Leg day"} << QStringLiteral("Legs") << 1 << -1;
    QTest::newRow("empty prefix") << sorted << QString() << 2 << 2;
    QTest::newRow("empty list") << QStringList() << QStringLiteral("a") << 0 << -1;
    QTest::newRow("single entry, start 1") << QStringList {"Back"} << QStringLiteral("b") << 1 << 0;
}

void TestNameList::findPrefix()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, prefix);
    QFETCH(int, start);
    QFETCH(int, index);
    QCOMPARE(NameList::FindPrefix(entries, prefix, start), index);
}

REPBOOK_TEST_MAIN_CORE(TestNameList)
#include "TestNameList.moc"
