#include "common/DiaryText.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"

#include "model/ConflictCopies.h"
#include "model/ConflictCopyMerge.h"
#include "model/DataFolder.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/DiaryFolderSwitch.h"
#include "model/SharedDiaryFile.h"
#include "model/SyncBase.h"
#include "model/TrainingDay.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>

#include <array>
#include <map>
#include <optional>

using testsupport::DatabaseFolderEntries;
using testsupport::DayNumbers;
using testsupport::DecemberDays;
using testsupport::DescribeDiaryFile;
using testsupport::ReadFile;
using testsupport::WriteFile;
using Mode = ConflictCopyMerge::Mode;

namespace {

const QString SyncthingCopy = QStringLiteral("Database.sync-conflict-20261207-181500-ABCDEFG.rpd");

bool WriteDiary(const QString &path, const QString &words)
{
    return testsupport::WriteDiary(path, DecemberDays(words));
}

// The days of every conflict record beside the diary.
QString Records(const QString &diaryPath)
{
    const QDir folder = QFileInfo(diaryPath).absoluteDir();
    QStringList texts;
    for (const QString &name : folder.entryList({QStringLiteral("*.conflict-*")}, QDir::Files))
        texts.append(DescribeDiaryFile(folder.filePath(name)));
    return texts.join(QStringLiteral("; "));
}

// One computer's side: its diary file, opened afresh as repbook-cli does, and its base.
struct Computer
{
    explicit Computer(const QString &diaryPath, const QString &basePath)
        : file(diary, DiaryMerge::Winner::Memory)
        , base(basePath)
    {
        file.Open(diaryPath);
        base.Load();
    }
    ConflictCopyMerge::Outcome Merge(Mode mode = Mode::Apply)
    {
        return ConflictCopyMerge::Run(file, base, mode);
    }
    DiaryDatabase diary;
    SharedDiaryFile file;
    SyncBase base;
};

} // namespace

class TestConflictCopies : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::ResetDatabaseFolder();
        m_path = DataFolder::DatabasePath();
        m_basePath = SyncBase::PathFor(m_path);
        QFile::remove(m_basePath);
        QDir(m_basePath).removeRecursively(); // left as a folder by a case that fails its save
    }
    void recognisesCopies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("original");
        QTest::addColumn<bool>("copy");
        const auto row = [](const char *name, const char *file, bool copy,
                            const char *original = "Database.rpd") {
            QTest::newRow(name) << QString::fromUtf8(file) << QString(original) << copy;
        };
        row("syncthing", "Database.sync-conflict-20261207-181500-ABCDEFG.rpd", true);
        row("nextcloud", "Database (conflicted copy 2026-12-07 181500).rpd", true);
        row("dropbox", "Database (Anna's conflicted copy 2026-12-07).rpd", true);
        row("dropbox second", "Database (Anna's conflicted copy 2026-12-07) (1).rpd", true);
        row("list", "UEList.sync-conflict-20261207-181500-Q2W3E4R.txt", true, "UEList.txt");
        row("other list", "UTList.sync-conflict-20261207-181500-Q2W3E4R.txt", false, "UEList.txt");
        row("own conflict file", "Database.rpd.conflict-20261207-181500", false);
        row("lock", "Database.rpd.lock", false);
        row("save temporary", "Database.rpd.Ab12Cd", false);
        row("other suffix", "Database.sync-conflict-20261207-181500-ABCDEFG.txt", false);
        row("short time", "Database.sync-conflict-20261207-1815-ABCDEFG.rpd", false);
        row("other file", "Backup.sync-conflict-20261207-181500-ABCDEFG.rpd", false);
    }
    void recognisesCopies()
    {
        QFETCH(QString, name);
        QFETCH(QString, original);
        QFETCH(bool, copy);
        QCOMPARE(ConflictCopies::IsCopyOf(name, original), copy);
    }
    // Each row's columns, split at '|': the base ("-": this computer has none yet), the diary, the
    // copy, the merged diary, the conflicting dates and the copy's days kept in a conflict record.
    void mergesByDate_data()
    {
        QTest::addColumn<QString>("columns");
        QTest::newRow("added in copy") << "1:a|1:a|1:a 2:b|1:a 2:b||";
        QTest::newRow("changed in copy") << "1:a 2:b|1:a 2:b|1:A 2:b|1:A 2:b||";
        QTest::newRow("changed in diary") << "1:a 2:b|1:a 2:B|1:a 2:b|1:a 2:B||";
        QTest::newRow("each side one") << "1:a 2:b|1:a 2:B|1:A 2:b|1:A 2:B||";
        QTest::newRow("both alike") << "1:a|1:X|1:X|1:X||";
        QTest::newRow("both differently") << "1:a 2:b|1:X 2:b|1:Y 2:b|1:X 2:b|1|1:Y";
        QTest::newRow("removed in copy") << "1:a 2:b|1:a 2:b|1:a|1:a||";
        QTest::newRow("removed in diary") << "1:a 2:b|1:a|1:a 2:b|1:a||";
        QTest::newRow("removed in copy, changed in diary") << "1:a 2:b|1:a 2:B|1:a|1:a 2:B|2|";
        QTest::newRow("changed in copy, removed in diary") << "1:a 2:b|1:a|1:a 2:B|1:a|2|2:B";
        QTest::newRow("no base: removed in copy") << "-|1:a 2:b|1:a|1:a 2:b||";
        QTest::newRow("no base: removed in diary") << "-|1:a|1:a 2:b|1:a 2:b||";
        QTest::newRow("no base: both changed") << "-|1:X|1:Y|1:X|1|1:Y";
    }
    void mergesByDate()
    {
        QFETCH(QString, columns);
        const QStringList c = columns.split(u'|');
        QCOMPARE(c.size(), 6);
        const auto [base, diary, copy, merged, conflicts, recorded] =
            std::array {c[0], c[1], c[2], c[3], c[4], c[5]};
        if (base != QLatin1String("-")) {
            DiaryDatabase agreed;
            QVERIFY(testsupport::BuildDiary(agreed, DecemberDays(base)));
            SyncBase saved(m_basePath);
            saved.AgreeOn(DiaryMerge::GroupByDate(agreed));
            QVERIFY(saved.Save());
        }
        QVERIFY(WriteDiary(m_path, diary));
        const QString copyPath = DataFolder::DatabaseFolder() + u'/' + SyncthingCopy;
        QVERIFY(WriteDiary(copyPath, copy));
        const QByteArray copyBytes = ReadFile(copyPath);

        const ConflictCopyMerge::Outcome outcome = Computer(m_path, m_basePath).Merge();
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QCOMPARE(DescribeDiaryFile(m_path), DecemberDays(merged));
        QCOMPARE(DayNumbers(outcome.conflicts), conflicts);
        QCOMPARE(Records(m_path), DecemberDays(recorded));
        QVERIFY(!QFile::exists(copyPath));

        // The other computer merges the same copy too and it travels back: nothing changes twice.
        const QStringList entries = DatabaseFolderEntries();
        const QByteArray mergedBytes = ReadFile(m_path);
        QVERIFY(WriteFile(copyPath, copyBytes));
        QCOMPARE(Computer(m_path, m_basePath).Merge().copies.value(0).kind,
                 ConflictCopyMerge::Copy::AlreadyMerged);
        QCOMPARE(ReadFile(m_path), mergedBytes);
        QCOMPARE(DatabaseFolderEntries(), entries);
    }
    void everyShapeAndNameListsMerge()
    {
        const QString folder = DataFolder::DatabaseFolder() + u'/';
        QVERIFY(WriteDiary(m_path, "1:a") && WriteDiary(folder + SyncthingCopy, "1:a 2:s"));
        QVERIFY(WriteDiary(folder + "Database (conflicted copy 2026-12-07 181500).rpd", "1:a 3:n"));
        QVERIFY(WriteDiary(folder + "Database (Anna's conflicted copy 2026-12-07).rpd", "1:a 4:d"));
        QVERIFY(WriteFile(folder + "UEList.txt", "Squat\r\nBench\r\n"));
        QVERIFY(WriteFile(folder + "UEList.sync-conflict-20261207-181500-QWERTYU.txt",
                          "Bench\r\nRow\r\n"));
        QVERIFY(WriteFile(folder + "UTList (conflicted copy 2026-12-07 181500).txt", "Legs\r\n"));

        const ConflictCopyMerge::Outcome outcome = Computer(m_path, m_basePath).Merge();
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QCOMPARE(outcome.copies.size(), 3);
        QCOMPARE(outcome.namesAdded, 2);
        QCOMPARE(DescribeDiaryFile(m_path), DecemberDays(QStringLiteral("1:a 2:s 3:n 4:d")));
        QCOMPARE(ReadFile(folder + "UEList.txt"), "Squat\r\nBench\r\nRow\r\n");
        QCOMPARE(ReadFile(folder + "UTList.txt"), "Legs\r\n");
        QCOMPARE(ConflictCopyMerge::FindAll(m_path), QStringList());
    }
    void unmergeableCopies_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("second"); // a second copy: damaged, or too large to read
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("diary");
        QTest::addColumn<int>("copiesLeft");
        QTest::addColumn<int>("damagedKept");
        QTest::addColumn<QString>("obstacle"); // what stands in the merge's way, and its message
        const int apply = int(Mode::Apply);
        QTest::newRow("dry run") << int(Mode::DryRun) << "" << true << "1:a" << 1 << 0 << "";
        QTest::newRow("dry run, damaged")
            << int(Mode::DryRun) << "damaged" << false << "1:a" << 2 << 0 << "";
        QTest::newRow("all or nothing, damaged")
            << int(Mode::AllOrNothing) << "damaged" << false << "1:a" << 2 << 0 << "";
        QTest::newRow("apply, damaged") << apply << "damaged" << true << "1:a 2:b" << 0 << 1 << "";
        QTest::newRow("apply, too large") << apply << "large" << true << "1:a 2:b" << 1 << 0 << "";
        // Another program of this computer holds the merge lock: it merges, this one leaves it.
        QTest::newRow("apply, other program merging") << -1 << "" << true << "1:a" << 1 << 0 << "";
        // A failure is told and never reported as a merge; the copy stays while the diary
        // cannot take it.
        QTest::newRow("apply, diary unreadable")
            << apply << "" << false << "" << 1 << 0 << "cannot be read";
        QTest::newRow("apply, record unwritable")
            << apply << "" << false << "1:a 2:b" << 0 << 0 << "could not be written";
        QTest::newRow("apply, disk full")
            << apply << "" << false << "1:a" << 1 << 0 << "could not be saved";
        // The copy's version of a day changed on both sides cannot be kept aside.
        QTest::newRow("apply, disk full, day changed on both sides")
            << apply << "" << false << "1:a" << 1 << 0 << "could not be kept";
    }
    void unmergeableCopies()
    {
        QFETCH(int, mode);
        QFETCH(QString, second);
        QFETCH(bool, ok);
        QFETCH(QString, diary);
        QFETCH(int, copiesLeft);
        QFETCH(int, damagedKept);
        QFETCH(QString, obstacle);
        const QString folder = DataFolder::DatabaseFolder() + u'/';
        QVERIFY(WriteDiary(m_path, QStringLiteral("1:a")));
        // On a full disk the copy brings a note longer than the room left (the locks still fit).
        const bool diskFull =
            obstacle.endsWith(QLatin1String("saved")) || obstacle.endsWith(QLatin1String("kept"));
        const QString note = diskFull ? QString(256, u'n') : QStringLiteral("b");
        const QString day = obstacle.endsWith(QLatin1String("kept")) ? "1:" : "1:a 2:";
        QVERIFY(WriteDiary(folder + SyncthingCopy, day + note));
        const QString bad = folder + "Database (conflicted copy 2026-12-07 181501).rpd";
        if (second == QLatin1String("damaged"))
            QVERIFY(WriteDiary(bad, "3:c") && WriteFile(bad, ReadFile(bad).replace(2, 1, "X")));
        if (second == QLatin1String("large")) // a hole past the size bound
            QVERIFY(WriteFile(bad, {}) && QFile::resize(bad, DatabaseFile::MaxFileSize + 1));
        const QStringList before = DatabaseFolderEntries();

        Computer computer(m_path, m_basePath);
        if (obstacle.contains(QLatin1String("read")))
            QVERIFY(QFile::remove(m_path) && QDir().mkdir(m_path));
        if (obstacle.contains(QLatin1String("written")))
            QVERIFY(QDir().mkdir(m_basePath));
        QLockFile otherProgram(m_path + QStringLiteral(".merge.lock"));
        QVERIFY(mode >= 0 || otherProgram.tryLock(0));
        std::optional<testsupport::FileSizeLimit> full;
        if (diskFull)
            full.emplace(note.size());
        const ConflictCopyMerge::Outcome outcome = mode >= 0
            ? computer.Merge(Mode(mode))
            : ConflictCopyMerge::Run(computer.file, Mode::Apply);
        full.reset();
        QCOMPARE(outcome.ok, ok);
        QCOMPARE(outcome.HasUnmerged(), !second.isEmpty());
        QVERIFY2(outcome.error.contains(obstacle), qPrintable(outcome.error));
        if (!diary.isEmpty())
            QCOMPARE(DescribeDiaryFile(m_path), DecemberDays(diary));
        QCOMPARE(ConflictCopyMerge::FindAll(m_path).size(), copiesLeft);
        QCOMPARE(DatabaseFolderEntries().filter(QStringLiteral(".damaged-")).size(), damagedKept);
        if (mode >= 0 && Mode(mode) != Mode::Apply) {
            QCOMPARE(DatabaseFolderEntries(), before);
            QVERIFY(!QFile::exists(m_basePath));
        }
    }
    // Rounds of two computers that edit random dates, with a sync engine between them that, like
    // Syncthing, keeps the newer file of two changed at once and leaves the other as a conflict
    // copy on both. After each round both merge (one, the other or both) until the engine is quiet;
    // the last edit of each date by each computer is then in the diary or in a conflict record, and
    // no date has two days.
    void randomRoundsOfTwoComputersLoseNoEdit()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        const QString root = DataFolder::DatabaseFolder();
        const QString folders[2] = {root + QStringLiteral("/a"), root + QStringLiteral("/b")};
        const QString bases[2] = {root + QStringLiteral("/base-a"),
                                  root + QStringLiteral("/base-b")};
        for (const QString &folder : folders)
            QVERIFY(QDir().mkpath(folder));
        QByteArray synced; // the diary's bytes the engine last carried
        int copyNumber = 0;
        const auto diaryOf = [&](int side) {
            return folders[side] + QStringLiteral("/Database.rpd");
        };

        // Carries the diary and the copies' removals between the two folders.
        const auto sync = [&] {
            const QByteArray mine[2] = {ReadFile(diaryOf(0)), ReadFile(diaryOf(1))};
            const bool changed[2] = {mine[0] != synced, mine[1] != synced};
            if (changed[0] && changed[1] && mine[0] != mine[1]) {
                const int newer = int(random.bounded(2));
                const QString copy = QStringLiteral("/Database.sync-conflict-20261207-%1-DEV%2.rpd")
                                         .arg(100000 + ++copyNumber)
                                         .arg(1 - newer);
                for (const QString &folder : folders)
                    WriteFile(folder + copy, mine[1 - newer]);
                synced = mine[newer];
            } else if (changed[0] || changed[1]) {
                synced = changed[0] ? mine[0] : mine[1];
            }
            for (int side = 0; side < 2; ++side) {
                WriteFile(diaryOf(side), synced);
                for (const QString &copy : ConflictCopies::Find(diaryOf(side))) {
                    const QString there = folders[1 - side] + u'/' + QFileInfo(copy).fileName();
                    if (!QFile::exists(there))
                        QFile::remove(copy);
                }
            }
        };

        for (int round = 0; round < 25; ++round) {
            std::map<std::pair<int, int>, QString> lastEdits; // (side, day) to its notes
            bool firstSeen = false; // the second computer edits what the first saved
            for (int side = 0; side < 2; ++side) {
                Computer computer(diaryOf(side), bases[side]);
                for (int edit = int(random.bounded(1, 4)); edit > 0; --edit) {
                    const int day = int(random.bounded(1, 9));
                    const QString notes =
                        QStringLiteral("r%1s%2e%3").arg(round).arg(side).arg(edit);
                    TrainingDay *found = computer.diary.FindDay(DateValue::FromDate(2026, 12, day));
                    if (!found)
                        QVERIFY(testsupport::BuildDiary(
                            computer.diary, DecemberDays(QStringLiteral("%1:x").arg(day))));
                    computer.diary.FindDay(DateValue::FromDate(2026, 12, day))->SetNotes(notes);
                    lastEdits[{side, day}] = notes;
                    if (firstSeen)
                        lastEdits.erase({0, day});
                }
                QVERIFY(computer.file.Save().ok);
                if (random.bounded(3) == 0) {
                    sync();
                    firstSeen = true;
                }
            }
            for (int pass = 0; pass < 6 &&
                 !(ConflictCopies::Find(diaryOf(0)).isEmpty() &&
                   ReadFile(diaryOf(0)) == ReadFile(diaryOf(1)));
                 ++pass) {
                sync();
                const int who = int(random.bounded(3)); // 0, 1 or both
                for (int side = 0; side < 2; ++side) {
                    if (who == 2 || who == side)
                        QVERIFY(Computer(diaryOf(side), bases[side]).Merge().ok);
                }
            }
            sync();
            QVERIFY2(ConflictCopies::Find(diaryOf(0)).isEmpty(), qPrintable(QString::number(seed)));

            DiaryDatabase diary;
            QVERIFY(diary.Open(diaryOf(0)));
            QSet<qint64> dates;
            for (int i = 0; i < diary.GetDayCount(); ++i) {
                const qint64 key = diary.GetDay(i)->GetDate().DayKey();
                QVERIFY2(!dates.contains(key), qPrintable(QString::number(seed)));
                dates.insert(key);
            }
            const QString everything =
                testsupport::DescribeDiary(diary) + Records(diaryOf(0)) + Records(diaryOf(1));
            for (const auto &edit : lastEdits)
                QVERIFY2(everything.contains(u'"' + edit.second + u'"'),
                         qPrintable(QStringLiteral("seed %1: %2 lost").arg(seed).arg(edit.second)));
        }
    }
    // A damaged diary is not merged into the one of the folder it moves to.
    void damagedDiaryNotMergedIntoAnother()
    {
        const QString to = DataFolder::DatabaseFolder() + "/to", target = to + "/Database.rpd";
        QVERIFY(QDir().mkpath(to) && WriteDiary(target, "1:a") && WriteDiary(m_path, "2:b"));
        QVERIFY(WriteFile(m_path, ReadFile(m_path).replace(2, 1, "X")));
        QVERIFY(!DiaryFolderSwitch::MergeInto(DataFolder::DatabaseFolder(), to).ok);
        QCOMPARE(DescribeDiaryFile(target), DecemberDays("1:a"));
    }
    // The base is read line by line; a line with a field that does not read is left out whole.
    void baseFileLines_data()
    {
        QTest::addColumn<QByteArray>("line"); // KEY: the day key of 1 December 2026
        QTest::addColumn<int>("dates");
        QTest::addColumn<bool>("merged"); // the copy whose fingerprint is "a b"
        QTest::newRow("date") << QByteArray("d KEY 2026 12 1 a b") << 1 << false;
        QTest::newRow("date, high half unreadable")
            << QByteArray("d KEY 2026 12 1 x b") << 0 << false;
        QTest::newRow("date, low half unreadable")
            << QByteArray("d KEY 2026 12 1 a x") << 0 << false;
        QTest::newRow("date, key of another day")
            << QByteArray("d KEY 2026 12 2 a b") << 0 << false;
        QTest::newRow("merged copy") << QByteArray("m a b") << 0 << true;
        QTest::newRow("merged copy, low half missing") << QByteArray("m a") << 0 << false;
        QTest::newRow("merged copy, high half unreadable") << QByteArray("m x b") << 0 << false;
    }
    void baseFileLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, dates);
        QFETCH(bool, merged);
        const QByteArray key = QByteArray::number(DateValue::FromDate(2026, 12, 1).DayKey());
        QVERIFY(QDir().mkpath(QFileInfo(m_basePath).absolutePath()) &&
                WriteFile(m_basePath, line.replace("KEY", key) + '\n'));
        SyncBase base(m_basePath);
        QVERIFY(base.Load());
        QCOMPARE(base.Groups().size(), dates);
        QCOMPARE(base.WasMerged({0xa, 0xb}), merged);
    }
    void syncIgnoreKeepsWhatIsThere()
    {
        const QString folder = DataFolder::DatabaseFolder();
        const QString path = folder + QStringLiteral("/.stignore");
        QVERIFY(WriteFile(path, "") && DiaryFolderSwitch::WriteSyncIgnore(folder));
        const QByteArray patterns = ReadFile(path);
        QVERIFY(patterns.startsWith("// Repbook") && patterns.contains("(?d)*.lock\n"));
        QVERIFY(WriteFile(path, "Photos") && DiaryFolderSwitch::WriteSyncIgnore(folder));
        QVERIFY(DiaryFolderSwitch::WriteSyncIgnore(folder)); // written once only
        QCOMPARE(ReadFile(path), "Photos\n" + patterns);
        // An ignore file that cannot be read is not written over.
        QVERIFY(QFile::remove(path) && QDir(folder).mkdir(QStringLiteral(".stignore")));
        QVERIFY(!DiaryFolderSwitch::WriteSyncIgnore(folder));
    }

private:
    QString m_path;
    QString m_basePath;
};

REPBOOK_TEST_MAIN_CORE(TestConflictCopies)
#include "TestConflictCopies.moc"
