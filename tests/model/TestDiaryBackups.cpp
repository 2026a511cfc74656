#include "common/TestMain.h"

#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DatabaseFile.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A diary file holding one day per word, its notes the word.
bool WriteDiary(const QString &path, const QStringList &notes)
{
    DiaryDatabase diary;
    diary.SetPath(path);
    for (int i = 0; i < notes.size(); ++i) {
        auto day = std::make_unique<TrainingDay>();
        day->SetDate(DateValue::FromDate(2026, 1, 1 + i));
        day->SetNotes(notes.at(i));
        diary.AddDay(std::move(day));
    }
    return diary.Save();
}

QByteArray Read(const QString &path)
{
    QByteArray bytes;
    DatabaseFile::ReadWhole(path, bytes);
    return bytes;
}

QStringList Texts(const QList<QDateTime> &moments)
{
    QStringList texts;
    for (const QDateTime &moment : moments)
        texts.append(moment.toString(QStringLiteral("yyyy-MM-dd")));
    return texts;
}

// Every day from first to last at 09:00.
QList<QDateTime> Daily(const QDate &first, const QDate &last)
{
    QList<QDateTime> moments;
    for (QDate date = first; date <= last; date = date.addDays(1))
        moments.append(QDateTime(date, QTime(9, 0)));
    return moments;
}

// Daily saves over 2025 and 2026: 7 days, the weeks of 20 and 13 December, 11 more months.
const QStringList TwoYearsKept = {
    "2026-12-31", "2026-12-30", "2026-12-29", "2026-12-28", "2026-12-27", "2026-12-26",
    "2026-12-25", "2026-12-20", "2026-12-13", "2026-11-30", "2026-10-31", "2026-09-30",
    "2026-08-31", "2026-07-31", "2026-06-30", "2026-05-31", "2026-04-30", "2026-03-31",
    "2026-02-28", "2026-01-31"};

} // namespace

class TestDiaryBackups : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Clock::Reset(); }
    void retention_data();
    void retention();
    void dailySavesOverTwoYears();
    void nothingSoundToKeep_data();
    void nothingSoundToKeep();
    void backupThatCannotBeWritten();
    void restoreKeepsCurrentFirst();

private:
    QString m_path;
};

void TestDiaryBackups::init()
{
    QDir(DataFolder::DatabaseFolder()).removeRecursively();
    QVERIFY(DataFolder::EnsureDatabaseFolder());
    m_path = DataFolder::DatabasePath();
}

void TestDiaryBackups::retention_data()
{
    QTest::addColumn<QList<QDateTime>>("moments");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("two years of daily saves")
        << Daily(QDate(2025, 1, 1), QDate(2026, 12, 31)) << TwoYearsKept;
    QTest::newRow("few") << Daily(QDate(2026, 3, 1), QDate(2026, 3, 3))
                         << QStringList {"2026-03-03", "2026-03-02", "2026-03-01"};
    // Of two backups of one day the later one counts; months long past keep their last.
    QList<QDateTime> sparse = {QDateTime(QDate(2026, 3, 3), QTime(8, 0)),
                               QDateTime(QDate(2026, 3, 3), QTime(20, 0))};
    sparse += Daily(QDate(2024, 1, 30), QDate(2024, 2, 2));
    QTest::newRow("sparse") << sparse
                            << QStringList {"2026-03-03", "2024-02-02", "2024-02-01",
                                            "2024-01-31", "2024-01-30"};
}

void TestDiaryBackups::retention()
{
    QFETCH(QList<QDateTime>, moments);
    QFETCH(QStringList, kept);
    QCOMPARE(Texts(DiaryBackups::Kept(moments, {})), kept);
}

void TestDiaryBackups::dailySavesOverTwoYears()
{
    const DiaryBackups backups(m_path);
    int made = 0;
    for (const QDateTime &moment : Daily(QDate(2025, 1, 1), QDate(2026, 12, 31))) {
        Clock::SetFixed(moment);
        QVERIFY(backups.IsDue());
        QVERIFY(WriteDiary(m_path, {moment.toString()}));
        const DiaryBackups::Result result = backups.MakeNow();
        QVERIFY(result.ok && !result.backup.isEmpty());
        QVERIFY(!backups.IsDue());
        ++made;
    }
    QCOMPARE(made, 730);
    QList<QDateTime> moments;
    for (const DiaryBackups::Entry &entry : backups.List()) {
        moments.append(entry.moment);
        QVERIFY(CheckDatabaseIntegrity(entry.path));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup |
            QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        QCOMPARE(QFile::permissions(entry.path) & others, QFileDevice::Permissions());
        // Each copy is the file as it was that day.
        DiaryDatabase copy;
        QVERIFY(copy.Open(entry.path));
        QCOMPARE(copy.GetDay(0)->GetNotes(), entry.moment.toString());
    }
    QCOMPARE(Texts(moments), TwoYearsKept);
}

void TestDiaryBackups::nothingSoundToKeep_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no diary file
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("damaged") << QByteArray("3.3.2007\r\n0\r\n\r\n\xA9\r\nbad digest");
}

void TestDiaryBackups::nothingSoundToKeep()
{
    QFETCH(QByteArray, file);
    if (!file.isEmpty()) {
        QFile out(m_path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    }
    const DiaryBackups::Result result = DiaryBackups(m_path).MakeNow();
    QVERIFY(result.ok);
    QVERIFY(result.backup.isEmpty());
    QVERIFY(DiaryBackups(m_path).List().isEmpty());
}

void TestDiaryBackups::backupThatCannotBeWritten()
{
    QVERIFY(WriteDiary(m_path, {"kept"}));
    const DiaryBackups backups(m_path);
    QFile blocker(backups.Folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder belongs
    blocker.close();
    const DiaryBackups::Result result = backups.MakeNow();
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QDir::toNativeSeparators(backups.Folder())));
    QVERIFY(CheckDatabaseIntegrity(m_path));
}

void TestDiaryBackups::restoreKeepsCurrentFirst()
{
    const DiaryBackups backups(m_path);
    Clock::SetFixed(QDateTime(QDate(2026, 5, 1), QTime(9, 0)));
    QVERIFY(WriteDiary(m_path, {"old", "days"}));
    const QString oldBackup = backups.MakeNow().backup;
    const QByteArray oldBytes = Read(oldBackup);

    DiaryDatabase database;
    SharedDiaryFile file(database, DiaryMerge::Winner::Memory);
    QVERIFY(file.Open(m_path));
    database.GetDay(0)->SetNotes(QStringLiteral("unsaved"));
    const QByteArray current = DatabaseWriter::FileBytes(database);

    Clock::SetFixed(QDateTime(QDate(2026, 5, 1), QTime(9, 5)));
    const DiaryBackups::Result result = backups.Restore(file, oldBackup);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(result.backup.endsWith(QStringLiteral("Database-20260501-090500.rpd")));
    QCOMPARE(Read(result.backup), current); // the diary as it was, unsaved change included
    QCOMPARE(Read(m_path), oldBytes);
    QCOMPARE(DatabaseWriter::FileBytes(database), oldBytes);
    QCOMPARE(backups.List().size(), 1); // the older one of the same day is retired

    // A damaged backup replaces nothing.
    QFile::resize(result.backup, 20);
    QVERIFY(!backups.Restore(file, result.backup).ok);
    QCOMPARE(DatabaseWriter::FileBytes(database), oldBytes);
    QCOMPARE(backups.List().size(), 1);
}

REPBOOK_TEST_MAIN_CORE(TestDiaryBackups)
#include "TestDiaryBackups.moc"
