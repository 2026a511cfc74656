#include "common/DiaryText.h"
#include "common/TestMain.h"

#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"

#include <QDir>

namespace {

// A diary file of one day whose notes are the text.
bool WriteDiary(const QString &path, const QString &notes)
{
    return testsupport::WriteDiary(path, QStringLiteral("1.1.2026 \"%1\"").arg(notes));
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
const QStringList TwoYearsKept = {"2026-12-31", "2026-12-30", "2026-12-29", "2026-12-28",
                                  "2026-12-27", "2026-12-26", "2026-12-25", "2026-12-20",
                                  "2026-12-13", "2026-11-30", "2026-10-31", "2026-09-30",
                                  "2026-08-31", "2026-07-31", "2026-06-30", "2026-05-31",
                                  "2026-04-30", "2026-03-31", "2026-02-28", "2026-01-31"};

} // namespace

class TestDiaryBackups : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(DataFolder::DatabaseFolder()).removeRecursively();
        QVERIFY(DataFolder::EnsureDatabaseFolder());
        m_path = DataFolder::DatabasePath();
    }
    void cleanup() { Clock::Reset(); }
    // A day keeps its first and its last backup, not those between; months long past keep their
    // last day.
    void retention()
    {
        QList<QDateTime> moments = {QDateTime(QDate(2026, 3, 3), QTime(8, 0)),
                                    QDateTime(QDate(2026, 3, 3), QTime(12, 0)),
                                    QDateTime(QDate(2026, 3, 3), QTime(20, 0))};
        moments += Daily(QDate(2024, 1, 30), QDate(2024, 2, 2));
        QCOMPARE(Texts(DiaryBackups::Kept(moments, {})),
                 QStringList({"2026-03-03", "2026-03-03", "2024-02-02", "2024-02-01", "2024-01-31",
                              "2024-01-30"}));
    }
    // First save of a day, a backup by hand, a restore and its undo, then the next day's first
    // save: every version the diary had is still there to restore.
    void everyStateStaysRestorable()
    {
        const auto at = [](int day, int hour) {
            Clock::SetFixed(QDateTime(QDate(2026, 12, day), QTime(hour, 0)));
        };
        at(1, 9);
        QVERIFY(WriteDiary(m_path, QStringLiteral("yesterday")));
        DiaryDatabase diary;
        SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
        QVERIFY(file.Open(m_path));
        const auto save = [&](const QString &notes) {
            diary.GetDay(0)->SetNotes(notes);
            return file.Save().saved;
        };
        const DiaryBackups backups(m_path);
        QVERIFY(!backups.MakeNow().backup.isEmpty()); // the window's backup before its first save
        QVERIFY(save(QStringLiteral("first save")));
        at(1, 10);
        const QString byHand = backups.MakeNow().backup;
        at(1, 11);
        QVERIFY(save(QStringLiteral("edited")));
        at(1, 12);
        QVERIFY(backups.Restore(file, byHand).ok);
        QCOMPARE(diary.GetDay(0)->GetNotes(), QStringLiteral("first save"));
        at(1, 13);
        QVERIFY(save(QStringLiteral("edited"))); // the restore undone
        at(2, 9);
        QVERIFY(!backups.MakeNow().backup.isEmpty());

        QStringList states;
        for (const DiaryBackups::Entry &entry : backups.List()) {
            const DiaryBackups::Summary summary = DiaryBackups::Summarize(entry.path);
            DiaryDatabase copy;
            QVERIFY(copy.Open(entry.path));
            QVERIFY(summary.readable);
            QCOMPARE(summary.dayCount, 1);
            QCOMPARE(summary.lastDay, DateValue::FromDate(2026, 1, 1));
            states.append(entry.moment.toString(QStringLiteral("d H ")) +
                          copy.GetDay(0)->GetNotes());
        }
        QCOMPARE(states,
                 QStringList({"2 9 edited", "1 12 edited", "1 10 first save", "1 9 yesterday"}));
    }
    void dailySavesOverTwoYears()
    {
        const DiaryBackups backups(m_path);
        for (const QDateTime &moment : Daily(QDate(2025, 1, 1), QDate(2026, 12, 31))) {
            Clock::SetFixed(moment);
            QVERIFY(backups.IsDue());
            QVERIFY(WriteDiary(m_path, moment.toString()));
            QVERIFY(!backups.MakeNow().backup.isEmpty());
            QVERIFY(!backups.IsDue());
        }
        QList<QDateTime> moments;
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
            QFileDevice::ReadOther | QFileDevice::WriteOther;
        for (const DiaryBackups::Entry &entry : backups.List()) {
            moments.append(entry.moment);
            QCOMPARE(QFile::permissions(entry.path) & others, QFileDevice::Permissions());
            DiaryDatabase copy; // passes the check, and is the file as it was that day
            QVERIFY(copy.Open(entry.path));
            QCOMPARE(copy.GetDay(0)->GetNotes(), entry.moment.toString());
        }
        QCOMPARE(Texts(moments), TwoYearsKept);
    }

private:
    QString m_path;
};

REPBOOK_TEST_MAIN_CORE(TestDiaryBackups)
#include "TestDiaryBackups.moc"
