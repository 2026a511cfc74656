#include "common/DiaryText.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DatabaseFile.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <sys/types.h>

namespace {

// Kills per run. The suite's run is short; a long run by hand sets REPBOOK_CRASH_KILLS (say 2000,
// with QTEST_FUNCTION_TIMEOUT in milliseconds above the five minutes a test function may take)
// and REPBOOK_TEST_SEED for other kill times than the fixed ones.
constexpr int DefaultKills = 30;
// Each kill waits for up to this many saves to end, then for a random part of the time a save
// takes, so that kills land in every phase of saves of either content.
constexpr int MaxSavesBeforeKill = 2;
// A first guess of a save's time, until the process's saves have been timed.
constexpr qint64 FirstSaveEstimateMicroseconds = 100'000;

QString VictimPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("save_victim"));
}

// Removes every file of folder except keep and gives how many there were.
int RemoveOthers(const QDir &folder, const QString &keep)
{
    int removed = 0;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name != keep && QFile::remove(folder.filePath(name)))
            ++removed;
    }
    return removed;
}

// Whether the process has a file of the folder open (a save's file, named or not): it is writing.
bool Writing(qint64 pid, const QDir &folder)
{
    const QDir open(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &fd :
         open.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFile::symLinkTarget(open.filePath(fd)).startsWith(folder.absolutePath() + u'/'))
            return true;
    }
    return false;
}

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

// Saves that lose nothing: a save killed half-way leaves the old or the new file, and the
// backups keep every version the diary had.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    // Kills a process in the middle of saving a large diary, again and again, and checks after
    // every kill that the file on disk passes the integrity check and holds exactly one of the two
    // contents the process writes in turn.
    void killedSavesLeaveOldOrNew()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY2(QFileInfo::exists(VictimPath()), qPrintable(VictimPath()));
        QCOMPARE(QProcess::execute(VictimPath(), {QStringLiteral("prepare"), dir.path()}), 0);
        const QString pathA = dir.filePath(QStringLiteral("A.rpd"));
        const QString pathB = dir.filePath(QStringLiteral("B.rpd"));
        const QByteArray contentA = testsupport::ReadFile(pathA);
        const QByteArray contentB = testsupport::ReadFile(pathB);
        // Both are diaries the process opens (it says "ready" only then), and differ all through.
        QVERIFY(contentA.size() > 1'000'000);
        QVERIFY(contentB.size() > contentA.size());

        const QDir folder(dir.filePath(QStringLiteral("Database")));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        const QString fileName = QStringLiteral("Database.rpd");
        const QString path = folder.filePath(fileName);
        QVERIFY(QFile::copy(pathA, path));

        bool ok = false;
        const int asked = qEnvironmentVariableIntValue("REPBOOK_CRASH_KILLS", &ok);
        const int kills = ok && asked > 0 ? asked : DefaultKills;
        const quint32 seed = qEnvironmentVariableIsSet("REPBOOK_TEST_SEED")
            ? quint32(qEnvironmentVariableIntValue("REPBOOK_TEST_SEED"))
            : 7u;
        QRandomGenerator random(seed);
        int damaged = 0;
        int leftovers = 0;
        int killsInWrites = 0;
        int foundA = 0;
        int foundB = 0;
        qint64 savesTimed = 0;
        qint64 timeOfSaves = 0;
        for (int kill = 0; kill < kills; ++kill) {
            QProcess victim;
            victim.start(VictimPath(), {QStringLiteral("run"), path, pathA, pathB});
            QVERIFY(victim.waitForStarted());
            QVERIFY2(
                victim.waitForReadyRead(60'000) && victim.readLine().startsWith("ready"),
                qPrintable(QStringLiteral("kill %1: the process did not open the diary (exit %2)")
                               .arg(kill)
                               .arg(victim.exitCode())));
            QElapsedTimer clock;
            clock.start();
            const int saves = random.bounded(MaxSavesBeforeKill + 1);
            for (int save = 0; save < saves; ++save) {
                QVERIFY(victim.canReadLine() || victim.waitForReadyRead(60'000));
                QCOMPARE(victim.readLine(), QByteArray("saved\n"));
                timeOfSaves += clock.nsecsElapsed() / 1000;
                ++savesTimed;
                clock.restart();
            }
            const qint64 saveTime =
                savesTimed > 0 ? timeOfSaves / savesTimed : FirstSaveEstimateMicroseconds;
            if (kill % 2 == 0) {
                QThread::usleep(random.bounded(quint64(saveTime) + 1));
            } else { // as soon as a save has its file open: inside the writing itself
                const QDeadlineTimer deadline(2000);
                while (!Writing(victim.processId(), folder) && !deadline.hasExpired()) { }
            }
            killsInWrites += Writing(victim.processId(), folder);
            QCOMPARE(::kill(pid_t(victim.processId()), SIGKILL), 0);
            QVERIFY(victim.waitForFinished());
            QCOMPARE(victim.exitStatus(), QProcess::CrashExit);

            const QByteArray data = testsupport::ReadFile(path);
            if (data == contentA) {
                ++foundA;
            } else if (data == contentB) {
                ++foundB;
            } else {
                ++damaged;
                qWarning("kill %d: the file (%lld bytes) is neither content, integrity check %s",
                         kill, qint64(data.size()),
                         CheckDatabaseIntegrity(path) ? "passed" : "failed");
                // The next process needs a diary that opens.
                QFile::remove(path);
                QVERIFY(QFile::copy(pathA, path));
            }
            leftovers += RemoveOthers(folder, fileName);
        }
        qInfo("%d kills (seed %u, %lld ms a save), %d of them while the file was being written: "
              "%d damaged files, %d times content A, %d times content B, %d temporary files left",
              kills, seed, savesTimed > 0 ? timeOfSaves / savesTimed / 1000 : 0, killsInWrites,
              damaged, foundA, foundB, leftovers);
        QCOMPARE(damaged, 0);
        // Kills after zero, one and two finished saves found both contents, and some landed while
        // a save was writing.
        QVERIFY(foundA > 0);
        QVERIFY(foundB > 0);
        QVERIFY(killsInWrites > 0);
    }

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

REPBOOK_TEST_MAIN_CORE(TestCrashSafety)

#include "TestCrashSafety.moc"
