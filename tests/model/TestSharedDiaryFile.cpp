#include "common/DiaryText.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"

#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <array>
#include <optional>
#include <unistd.h>

using testsupport::DayNumbers;
using testsupport::DecemberDays;
using testsupport::DescribeDiary;
using testsupport::DescribeDiaryFile;
using Winner = DiaryMerge::Winner;

namespace {

DateValue December(int day)
{
    return DateValue::FromDate(2026, 12, day);
}

void FillDays(DiaryDatabase &database, const QString &days)
{
    QVERIFY(testsupport::BuildDiary(database, DecemberDays(days)));
}

// Edits as words: "2=B" sets the notes of the 2nd, "+4=x" adds a day, "-2" removes the 2nd.
void ApplyEdits(DiaryDatabase &database, const QString &edits)
{
    for (const QString &word : edits.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1Char('-'))) {
            database.RemoveDay(database.FindDayIndex(December(word.mid(1).toInt())));
            continue;
        }
        const bool add = word.startsWith(QLatin1Char('+'));
        const QStringList parts = word.mid(add ? 1 : 0).split(QLatin1Char('='));
        if (add)
            FillDays(database, parts.join(u':'));
        else
            database.FindDay(December(parts.at(0).toInt()))->SetNotes(parts.at(1));
    }
}

// One program's view of the diary: its container and the shared file over it.
struct Program
{
    explicit Program(Winner winner)
        : file(database, winner)
    {
    }
    DiaryDatabase database;
    SharedDiaryFile file;
};

} // namespace

class TestSharedDiaryFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::ResetDatabaseFolder();
        QVERIFY(QFileInfo(DataFolder::DatabaseFolder()).isDir());
        m_path = DataFolder::DatabasePath();
    }
    void interleavings_data()
    {
        QTest::addColumn<int>("winner"); // of this program
        QTest::addColumn<QString>("columns");
        // The columns, split at '|': the base, the edits the other program saved first, the edits
        // unsaved here meanwhile, the result, the conflicting dates and the conflict file's days.
        const auto row = [](const char *name, Winner winner, const char *columns) {
            QTest::newRow(name) << int(winner) << QString::fromLatin1(columns);
        };
        // The diary (memory wins) after the notifier saved.
        row("other saved, nothing here: reload", Winner::Memory, "1:a 2:b 3:c|2=B||1:a 2:B 3:c||");
        row("other days changed: both kept", Winner::Memory, "1:a 2:b 3:c|2=B|3=C|1:a 2:B 3:C||");
        row("same day changed: ours kept, theirs aside", Winner::Memory,
            "1:a 2:b 3:c|2=X|2=Y 3=C|1:a 2:Y 3:C|2|2:X");
        row("same change on both sides", Winner::Memory, "1:a 2:b|2=B|2=B|1:a 2:B||");
        row("days added on both sides", Winner::Memory, "1:a|+4=d|+5=e|1:a 4:d 5:e||");
        row("other removed a day", Winner::Memory, "1:a 2:b 3:c|-1|3=C|2:b 3:C||");
        row("other removed the day changed here", Winner::Memory, "1:a 2:b|-2|2=Y|1:a 2:Y|2|");
        row("removed here, changed there", Winner::Memory, "1:a 2:b|2=X|-2|1:a|2|2:X");
        row("same new date added on both sides", Winner::Memory, "1:a|+4=x|+4=y|1:a 4:y|4|4:x");
        row("first day of an empty diary", Winner::Memory, "|+6=x||6:x||");
        // The notifier (the file's version wins) after the diary saved.
        row("notifier: other days changed", Winner::Disk, "1:a 2:b 3:c|3=C|2=B|1:a 2:B 3:C||");
        row("notifier: same day, diary's kept, ours aside", Winner::Disk,
            "1:a 2:b|2=X|2=Y 1=A|1:A 2:X|2|2:Y");
    }
    void interleavings()
    {
        QFETCH(int, winner);
        QFETCH(QString, columns);
        const QStringList c = columns.split(u'|');
        QCOMPARE(c.size(), 6);
        const auto [base, firstEdits, secondEdits, result, conflicts, keptAside] =
            std::array {c[0], c[1], c[2], c[3], c[4], c[5]};

        QVERIFY(testsupport::WriteDiary(m_path, DecemberDays(base)));
        const Winner thisWinner = Winner(winner);
        Program other(thisWinner == Winner::Memory ? Winner::Disk : Winner::Memory);
        Program self(thisWinner);
        other.file.Open(m_path);
        self.file.Open(m_path);

        ApplyEdits(other.database, firstEdits);
        QVERIFY(other.file.Save().saved);
        ApplyEdits(self.database, secondEdits);

        const SharedDiaryFile::Outcome saved = self.file.Save();
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(DescribeDiary(self.database), DecemberDays(result));
        QCOMPARE(DescribeDiaryFile(m_path), DecemberDays(result));
        QCOMPARE(DayNumbers(saved.conflicts), conflicts);
        QCOMPARE(saved.conflictFile.isEmpty() ? QString() : DescribeDiaryFile(saved.conflictFile),
                 DecemberDays(keptAside));
        QVERIFY(conflicts.isEmpty() == saved.conflictFile.isEmpty() &&
                (conflicts.isEmpty() || saved.conflictFile.startsWith(m_path + ".conflict-")));
        QVERIFY(!self.file.HasUnsavedChanges());

        // The first program takes the result in and has nothing left to write.
        const SharedDiaryFile::Outcome refreshed = other.file.Refresh();
        QVERIFY(refreshed.ok && refreshed.conflicts.isEmpty());
        QCOMPARE(DescribeDiary(other.database), DecemberDays(result));
        QVERIFY(!other.file.HasUnsavedChanges());
        QVERIFY(!other.file.Save().saved);
    }
    // Random edits on both sides, the other program saving first: every day either side edited ends
    // up in the file or in the conflict file, and no day is lost. REPBOOK_TEST_SEED picks another
    // run.
    void randomInterleavingsLoseNoEdit()
    {
        const quint32 seed = qEnvironmentVariableIsSet("REPBOOK_TEST_SEED")
            ? quint32(qEnvironmentVariableIntValue("REPBOOK_TEST_SEED"))
            : 14u;
        QRandomGenerator random(seed);
        for (int round = 0; round < 40; ++round) {
            init();
            QVERIFY(testsupport::WriteDiary(m_path,
                                            DecemberDays(QStringLiteral("1:a 2:b 3:c 4:d 5:e"))));
            const Winner winner = random.bounded(2) ? Winner::Memory : Winner::Disk;
            Program other(winner == Winner::Memory ? Winner::Disk : Winner::Memory);
            Program self(winner);
            QVERIFY(other.file.Open(m_path));
            QVERIFY(self.file.Open(m_path));
            // The last notes each side gave a day; days 6 to 8 are new.
            QMap<int, QString> edits[2];
            auto edit = [&](Program &program, int side) {
                for (int i = 0, count = 1 + random.bounded(3); i < count; ++i) {
                    const int day = 1 + random.bounded(8);
                    const QString notes = QStringLiteral("%1r%2e%3").arg(side).arg(round).arg(i);
                    if (TrainingDay *existing = program.database.FindDay(December(day)))
                        existing->SetNotes(notes);
                    else
                        FillDays(program.database, QStringLiteral("%1:%2").arg(day).arg(notes));
                    edits[side][day] = notes;
                }
            };
            edit(other, 0);
            QVERIFY(other.file.Save().saved);
            edit(self, 1);
            const SharedDiaryFile::Outcome saved = self.file.Save();
            QVERIFY2(saved.ok, qPrintable(saved.error));
            const QString file = DescribeDiaryFile(m_path);
            const QString aside =
                saved.conflictFile.isEmpty() ? QString() : DescribeDiaryFile(saved.conflictFile);
            const QString context =
                QStringLiteral("seed %1 round %2: file %3, conflict file %4").arg(seed).arg(round);
            for (const QMap<int, QString> &side : edits) {
                for (auto it = side.begin(); it != side.end(); ++it) {
                    const QString day =
                        DecemberDays(QStringLiteral("%1:%2").arg(it.key()).arg(*it));
                    QVERIFY2(
                        file.contains(day) || aside.contains(day),
                        qPrintable(day + QStringLiteral(" lost; ") + context.arg(file, aside)));
                }
            }
            for (int day = 1; day <= 5; ++day) // no day of the start is lost (days are 1 to 8)
                QVERIFY2(file.contains(QStringLiteral("%1.12.2026 ").arg(day)),
                         qPrintable(context.arg(file, aside)));
        }
    }
    void savingUnchangedDiaryWritesNothing_data()
    {
        QTest::addColumn<QString>("dataFile");
        QTest::newRow("as written by the program") << "worked_example.rpd";
        // Older files differ byte for byte from what the program writes; reading them is no change.
        QTest::newRow("line feeds only") << "worked_example_lf.rpd";
        QTest::newRow("Windows-1252 text") << "accents_cp1252.rpd";
    }
    void savingUnchangedDiaryWritesNothing()
    {
        QFETCH(QString, dataFile);
        QVERIFY(QFile::copy(testsupport::dataFile(dataFile), m_path));
        // A save replaces the file, so even a rewrite with the same bytes changes its inode.
        const quint64 before = testsupport::FileIdentity(m_path);
        QVERIFY(before != 0);

        Program diary(Winner::Memory);
        QVERIFY(diary.file.Open(m_path));
        QVERIFY(!diary.file.HasUnsavedChanges());
        const SharedDiaryFile::Outcome outcome = diary.file.Save();
        QVERIFY(outcome.ok);
        QVERIFY(!outcome.saved);
        QCOMPARE(testsupport::FileIdentity(m_path), before);

        // A change is written; undoing it before the next save writes nothing more.
        TrainingDay *day = diary.database.GetDay(0);
        const QString notes = day->GetNotes();
        day->SetNotes(notes + QStringLiteral(" more"));
        QCOMPARE(diary.file.UnsavedDates(), QList<DateValue> {day->GetDate()});
        day->SetNotes(notes);
        QVERIFY(!diary.file.HasUnsavedChanges());
        QVERIFY(!diary.file.Save().saved);
        QCOMPARE(testsupport::FileIdentity(m_path), before);
        day->SetNotes(notes + QStringLiteral(" more"));
        QVERIFY(diary.file.Save().saved);
        QVERIFY(testsupport::FileIdentity(m_path) != before);
    }
    // A damaged file found when opening or when taking in is kept aside before the save.
    void damagedFileIsSetAsideBeforeSaving_data()
    {
        QTest::addColumn<bool>("atOpen");
        QTest::newRow("found on taking in") << false;
        QTest::newRow("found on opening") << true;
    }
    void damagedFileIsSetAsideBeforeSaving()
    {
        QFETCH(bool, atOpen);
        Program diary(Winner::Memory);
        const QByteArray damaged("1.12.2026\r\n0\r\nchanged by hand\r\n\xA9\r\n0123");
        if (atOpen) {
            QVERIFY(testsupport::WriteFile(m_path, damaged) && !diary.file.Open(m_path));
            FillDays(diary.database, QStringLiteral("1:a"));
        } else {
            QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
            QVERIFY(testsupport::WriteFile(m_path, damaged));
            const SharedDiaryFile::Outcome refreshed = diary.file.Refresh();
            QVERIFY(refreshed.diskDamaged && !refreshed.memoryChanged);
            QCOMPARE(DescribeDiary(diary.database), DecemberDays(QStringLiteral("1:a")));
        }
        const SharedDiaryFile::Outcome saved = diary.file.Save();
        QVERIFY(saved.saved);
        QVERIFY(saved.keptDamagedFile.startsWith(m_path + QStringLiteral(".damaged-")));
        QCOMPARE(testsupport::ReadFile(saved.keptDamagedFile), damaged);
        QCOMPARE(DescribeDiaryFile(m_path), DecemberDays(QStringLiteral("1:a")));
    }
    void failedSaves_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("file replaced by a folder") << "folder";
        QTest::newRow("folder gone") << "no folder";
        QTest::newRow("read-only folder") << "read-only";
        // The lock beside the file fits the folder's names, the damaged file's kept name does not.
        QTest::newRow("damaged file that cannot be set aside") << "damaged";
        QTest::newRow("never opened: no file to save to") << "no file";
        QTest::newRow("disk full") << "full";
        // The other program's version of the day cannot be kept aside, so nothing is merged.
        QTest::newRow("disk full, day changed on both sides") << "full, conflict";
    }
    void failedSaves()
    {
        QFETCH(QString, obstacle);
        const QString folder = QFileInfo(m_path).absolutePath();
        if (obstacle == QLatin1String("damaged"))
            m_path = folder + u'/' + QString(236, u'd') + QStringLiteral(".rpd");
        Program diary(Winner::Memory);
        if (obstacle == QLatin1String("no file")) {
            FillDays(diary.database, QStringLiteral("1:b"));
            QVERIFY(!diary.database.Save());
        } else {
            QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
            ApplyEdits(diary.database, QStringLiteral("1=b"));
        }
        // Notes longer than the size a full disk leaves (the lock file still fits).
        const QString longNote(256, u'n');
        if (obstacle.startsWith(QLatin1String("full")))
            ApplyEdits(diary.database, QStringLiteral("1=b") + longNote);
        if (obstacle.endsWith(QLatin1String("conflict"))) {
            Program other(Winner::Disk);
            other.file.Open(m_path);
            ApplyEdits(other.database, QStringLiteral("1=c") + longNote);
            QVERIFY(other.file.Save().saved);
        }
        const QByteArray before = testsupport::ReadFile(m_path);

        const QByteArray damaged("damaged");
        if (obstacle == QLatin1String("damaged")) {
            QVERIFY(testsupport::WriteFile(m_path, damaged));
            QTest::ignoreMessage(QtCriticalMsg,
                                 QRegularExpression(QStringLiteral("name too long")));
        } else if (obstacle == QLatin1String("folder")) {
            QVERIFY(QFile::remove(m_path));
            QVERIFY(QDir().mkdir(m_path));
            // Taking in what is on disk fails as well, and says so.
            const SharedDiaryFile::Outcome refreshed = diary.file.Refresh();
            QVERIFY(!refreshed.ok);
            QVERIFY2(refreshed.error.contains(QLatin1String("cannot be read")),
                     qPrintable(refreshed.error));
        } else if (obstacle == QLatin1String("no folder")) {
            QVERIFY(QDir(folder).removeRecursively());
        } else if (obstacle == QLatin1String("read-only")) {
            if (::geteuid() == 0)
                QSKIP("The superuser writes into read-only folders.");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }

        std::optional<testsupport::FileSizeLimit> full;
        if (obstacle.startsWith(QLatin1String("full")))
            full.emplace(longNote.size());
        const SharedDiaryFile::Outcome outcome = diary.file.Save();
        full.reset();
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.saved);
        QVERIFY(!outcome.error.isEmpty());
        // Nothing pretends to be saved: the change is still pending.
        QVERIFY(diary.file.HasUnsavedChanges());
        QCOMPARE(diary.file.UnsavedDates(), QList<DateValue> {December(1)});
        QVERIFY(outcome.conflictFile.isEmpty());
        if (obstacle.startsWith(QLatin1String("full")))
            QCOMPARE(testsupport::ReadFile(m_path), before);
        if (obstacle == QLatin1String("damaged")) {
            QVERIFY2(outcome.error.contains(QLatin1String("set aside")), qPrintable(outcome.error));
            QCOMPARE(testsupport::ReadFile(m_path), damaged);
        }
        if (obstacle.endsWith(QLatin1String("conflict"))) {
            QVERIFY2(outcome.error.contains(QLatin1String("could not be kept")),
                     qPrintable(outcome.error));
            QCOMPARE(DescribeDiary(diary.database), DecemberDays(QStringLiteral("1:b") + longNote));
        }
    }
    void groupingOnTwoCoresMatchesOneCore_data()
    {
        QTest::addColumn<QString>("days");
        QTest::newRow("no days") << QString();
        QTest::newRow("one day") << QStringLiteral("1:a");
        QTest::newRow("distinct dates") << QStringLiteral("1:a 2:b 3:c 4:d 5:e");
        QTest::newRow("a date in both halves") << QStringLiteral("1:a 2:b 1:c 3:d");
        QTest::newRow("a date twice in one half") << QStringLiteral("1:a 1:b 2:c 3:d");
    }
    void groupingOnTwoCoresMatchesOneCore()
    {
        QFETCH(QString, days);
        DiaryDatabase database;
        FillDays(database, days);
        const DiaryMerge::Groups one = DiaryMerge::GroupByDate(database);
        const DiaryMerge::Groups two = DiaryMerge::GroupByDateOnTwoCores(database);
        QCOMPARE(two.keys().size(), one.keys().size());
        for (auto it = one.cbegin(); it != one.cend(); ++it) {
            QVERIFY(two.contains(it.key()));
            QCOMPARE(two.value(it.key()).date, it->date);
            QVERIFY(two.value(it.key()).records == it->records);
        }
    }

private:
    // The program writes the file's first version: the given days.
    bool WriteFirst(Program &program, const QString &days)
    {
        FillDays(program.database, days);
        program.database.SetPath(m_path);
        return program.file.Save().saved;
    }

    QString m_path;
};

REPBOOK_TEST_MAIN_CORE(TestSharedDiaryFile)
#include "TestSharedDiaryFile.moc"
