#include "common/TestMain.h"

#include "model/DataFolder.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using Winner = DiaryMerge::Winner;

namespace {

// Days of December 2026 written as "day:notes" words, e.g. "1:a 2:b".
DateValue December(int day)
{
    return DateValue::FromDate(2026, 12, day);
}

void AddDay(DiaryDatabase &database, int day, const QString &notes)
{
    auto added = std::make_unique<TrainingDay>();
    added->SetDate(December(day));
    added->SetNotes(notes);
    database.AddDay(std::move(added));
}

void FillDays(DiaryDatabase &database, const QString &days)
{
    for (const QString &word : days.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char(':'));
        AddDay(database, parts.at(0).toInt(), parts.value(1));
    }
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
            AddDay(database, parts.at(0).toInt(), parts.at(1));
        else
            database.FindDay(December(parts.at(0).toInt()))->SetNotes(parts.at(1));
    }
}

// The days in date order as "day:notes" words.
QString Render(const DiaryDatabase &database)
{
    QList<QPair<qint64, QString>> days;
    for (int i = 0; i < database.GetDayCount(); ++i) {
        const TrainingDay &day = *database.GetDay(i);
        days.append({day.GetDate().DayKey(),
                     QString::number(day.GetDate().GetDay()) + QLatin1Char(':') + day.GetNotes()});
    }
    std::sort(days.begin(), days.end());
    QStringList words;
    for (const auto &day : days)
        words.append(day.second);
    return words.join(QLatin1Char(' '));
}

QString RenderFile(const QString &path)
{
    DiaryDatabase database;
    if (!database.Open(path))
        return QStringLiteral("<unreadable>");
    return Render(database);
}

QString RenderDates(const QList<DateValue> &dates)
{
    QStringList words;
    for (const DateValue &date : dates)
        words.append(QString::number(date.GetDay()));
    return words.join(QLatin1Char(' '));
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

struct FileIdentity
{
    qint64 size;
    QDateTime modified;
    QByteArray bytes;
    bool operator==(const FileIdentity &) const = default;
};

} // namespace

class TestSharedDiaryFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void interleavings_data();
    void interleavings();
    void savingUnchangedDiaryWritesNothing_data();
    void savingUnchangedDiaryWritesNothing();
    void refreshKeepsDaysInPlace();
    void conflictFileIsPrivate();
    void watchReportsOtherProgramsSave();
    void goneFileIsWrittenAgain();
    void damagedFileIsSetAsideBeforeSaving();
    void failedSaves_data();
    void failedSaves();
    void fullDiskFailsSaveAndKeepsOldFile();
    void lockedFileIsNotWritten();

private:
    // The program writes the file's first version: the given days.
    bool WriteFirst(Program &program, const QString &days);

    QString m_path;
};

bool TestSharedDiaryFile::WriteFirst(Program &program, const QString &days)
{
    FillDays(program.database, days);
    program.database.SetPath(m_path);
    return program.file.Save().saved;
}

void TestSharedDiaryFile::init()
{
    QDir folder(DataFolder::DatabaseFolder());
    folder.removeRecursively();
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    m_path = DataFolder::DatabasePath();
}

void TestSharedDiaryFile::interleavings_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("firstEdits"); // saved first by the other program
    QTest::addColumn<QString>("secondEdits"); // unsaved in this program meanwhile
    QTest::addColumn<int>("winner"); // of this program
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("conflicts");
    QTest::addColumn<QString>("keptAside"); // the conflict file's days

    const int memory = int(Winner::Memory);
    const int disk = int(Winner::Disk);
    // The diary (memory wins) after the notifier saved.
    QTest::newRow("other saved, nothing here: reload") << "1:a 2:b 3:c"
                                                       << "2=B"
                                                       << "" << memory << "1:a 2:B 3:c"
                                                       << ""
                                                       << "";
    QTest::newRow("other days changed: both kept") << "1:a 2:b 3:c"
                                                   << "2=B"
                                                   << "3=C" << memory << "1:a 2:B 3:C"
                                                   << ""
                                                   << "";
    QTest::newRow("same day changed: ours kept, theirs aside")
        << "1:a 2:b 3:c"
        << "2=X"
        << "2=Y 3=C" << memory << "1:a 2:Y 3:C"
        << "2"
        << "2:X";
    QTest::newRow("same change on both sides") << "1:a 2:b"
                                               << "2=B"
                                               << "2=B" << memory << "1:a 2:B"
                                               << ""
                                               << "";
    QTest::newRow("days added on both sides") << "1:a"
                                              << "+4=d"
                                              << "+5=e" << memory << "1:a 4:d 5:e"
                                              << ""
                                              << "";
    QTest::newRow("other removed a day") << "1:a 2:b 3:c"
                                         << "-1"
                                         << "3=C" << memory << "2:b 3:C"
                                         << ""
                                         << "";
    QTest::newRow("other removed the day changed here") << "1:a 2:b"
                                                        << "-2"
                                                        << "2=Y" << memory << "1:a 2:Y"
                                                        << "2"
                                                        << "";
    QTest::newRow("removed here, changed there") << "1:a 2:b"
                                                 << "2=X"
                                                 << "-2" << memory << "1:a"
                                                 << "2"
                                                 << "2:X";
    QTest::newRow("same new date added on both sides") << "1:a"
                                                       << "+4=x"
                                                       << "+4=y" << memory << "1:a 4:y"
                                                       << "4"
                                                       << "4:x";
    QTest::newRow("first day of an empty diary") << ""
                                                 << "+6=x"
                                                 << "" << memory << "6:x"
                                                 << ""
                                                 << "";
    // The notifier (the file's version wins) after the diary saved.
    QTest::newRow("notifier: other days changed") << "1:a 2:b 3:c"
                                                  << "3=C"
                                                  << "2=B" << disk << "1:a 2:B 3:C"
                                                  << ""
                                                  << "";
    QTest::newRow("notifier: same day, diary's kept, ours aside") << "1:a 2:b"
                                                                  << "2=X"
                                                                  << "2=Y 1=A" << disk << "1:A 2:X"
                                                                  << "2"
                                                                  << "2:Y";
}

void TestSharedDiaryFile::interleavings()
{
    QFETCH(QString, base);
    QFETCH(QString, firstEdits);
    QFETCH(QString, secondEdits);
    QFETCH(int, winner);
    QFETCH(QString, result);
    QFETCH(QString, conflicts);
    QFETCH(QString, keptAside);

    {
        DiaryDatabase start;
        FillDays(start, base);
        start.SetPath(m_path);
        QVERIFY(start.Save());
    }
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
    QCOMPARE(Render(self.database), result);
    QCOMPARE(RenderFile(m_path), result);
    QCOMPARE(RenderDates(saved.conflicts), conflicts);
    QCOMPARE(saved.conflictFile.isEmpty(), conflicts.isEmpty());
    if (!conflicts.isEmpty()) {
        QCOMPARE(RenderFile(saved.conflictFile), keptAside);
        QVERIFY(saved.conflictFile.startsWith(m_path + QStringLiteral(".conflict-")));
    }
    QVERIFY(!self.file.HasUnsavedChanges());

    // The first program takes the result in and has nothing left to write.
    const SharedDiaryFile::Outcome refreshed = other.file.Refresh();
    QVERIFY(refreshed.ok);
    QVERIFY(refreshed.conflicts.isEmpty());
    QCOMPARE(Render(other.database), result);
    QVERIFY(!other.file.HasUnsavedChanges());
    QVERIFY(!other.file.Save().saved);
}

void TestSharedDiaryFile::savingUnchangedDiaryWritesNothing_data()
{
    QTest::addColumn<QString>("dataFile");
    QTest::newRow("as written by the program") << "worked_example.rpd";
    // Older files differ byte for byte from what the program writes; reading them is no change.
    QTest::newRow("line feeds only") << "worked_example_lf.rpd";
    QTest::newRow("Windows-1252 text") << "accents_cp1252.rpd";
}

void TestSharedDiaryFile::savingUnchangedDiaryWritesNothing()
{
    QFETCH(QString, dataFile);
    QVERIFY(QFile::copy(testsupport::dataFile(dataFile), m_path));
    const auto identity = [this] {
        const QFileInfo info(m_path);
        QByteArray bytes;
        DatabaseFile::ReadWhole(m_path, bytes);
        return FileIdentity {info.size(), info.lastModified(), bytes};
    };
    const FileIdentity before = identity();

    Program diary(Winner::Memory);
    QVERIFY(diary.file.Open(m_path));
    QVERIFY(!diary.file.HasUnsavedChanges());
    const SharedDiaryFile::Outcome outcome = diary.file.Save();
    QVERIFY(outcome.ok);
    QVERIFY(!outcome.saved);
    QVERIFY(identity() == before);

    // A change is written; undoing it before the next save writes nothing more.
    TrainingDay *day = diary.database.GetDay(0);
    const QString notes = day->GetNotes();
    day->SetNotes(notes + QStringLiteral(" more"));
    QCOMPARE(diary.file.UnsavedDates(), QList<DateValue> {day->GetDate()});
    day->SetNotes(notes);
    QVERIFY(!diary.file.HasUnsavedChanges());
    QVERIFY(!diary.file.Save().saved);
    QVERIFY(identity() == before);
}

void TestSharedDiaryFile::refreshKeepsDaysInPlace()
{
    Program diary(Winner::Memory);
    Program notifier(Winner::Disk);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a 2:b 3:c")));
    notifier.file.Open(m_path);

    TrainingDay *second = diary.database.FindDay(December(2));
    TrainingDay *third = diary.database.FindDay(December(3));
    ApplyEdits(notifier.database, QStringLiteral("2=B +9=i"));
    QVERIFY(notifier.file.Save().saved);

    const SharedDiaryFile::Outcome outcome = diary.file.Refresh();
    QVERIFY(outcome.memoryChanged);
    // Open windows keep pointing at the same days, now showing the file's version.
    QCOMPARE(diary.database.FindDay(December(2)), second);
    QCOMPARE(second->GetNotes(), QStringLiteral("B"));
    QCOMPARE(diary.database.FindDay(December(3)), third);
    QCOMPARE(Render(diary.database), QStringLiteral("1:a 2:B 3:c 9:i"));
    QVERIFY(!diary.database.IsModified());

    // Nothing new on disk: nothing changes.
    QVERIFY(!diary.file.Refresh().memoryChanged);
}

void TestSharedDiaryFile::conflictFileIsPrivate()
{
    Program diary(Winner::Memory);
    Program notifier(Winner::Disk);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
    notifier.file.Open(m_path);
    ApplyEdits(notifier.database, QStringLiteral("1=X"));
    QVERIFY(notifier.file.Save().saved);
    ApplyEdits(diary.database, QStringLiteral("1=Y"));

    const SharedDiaryFile::Outcome outcome = diary.file.Refresh();
    QVERIFY(!outcome.conflictFile.isEmpty());
    QCOMPARE(QFileInfo(outcome.conflictFile).permissions() & 0x0077, QFileDevice::Permissions());
    QVERIFY(CheckDatabaseIntegrity(outcome.conflictFile));
    // The conflict is settled: the next refresh reports nothing new.
    QVERIFY(diary.file.Refresh().conflicts.isEmpty());
    QVERIFY(diary.file.Save().saved);
    QCOMPARE(RenderFile(m_path), QStringLiteral("1:Y"));
}

void TestSharedDiaryFile::watchReportsOtherProgramsSave()
{
    Program diary(Winner::Memory);
    Program notifier(Winner::Disk);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
    QVERIFY(diary.file.Open(m_path));
    notifier.file.Open(m_path);

    QSignalSpy changed(&diary.file, &SharedDiaryFile::ChangedOnDisk);
    for (const QString &edit : {QStringLiteral("+2=b"), QStringLiteral("1=A")}) {
        changed.clear();
        ApplyEdits(notifier.database, edit);
        QVERIFY(notifier.file.Save().saved);
        QVERIFY(changed.wait(5000));
        QVERIFY(diary.file.Refresh().memoryChanged);
    }
    QCOMPARE(Render(diary.database), QStringLiteral("1:A 2:b"));
}

void TestSharedDiaryFile::goneFileIsWrittenAgain()
{
    Program diary(Winner::Memory);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
    QVERIFY(QFile::remove(m_path));

    QVERIFY(diary.file.HasUnsavedChanges() || diary.file.Refresh().ok);
    QVERIFY(diary.file.HasUnsavedChanges());
    QVERIFY(diary.file.Save().saved);
    QCOMPARE(RenderFile(m_path), QStringLiteral("1:a"));
}

void TestSharedDiaryFile::damagedFileIsSetAsideBeforeSaving()
{
    Program diary(Winner::Memory);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
    const QByteArray damaged("1.12.2026\r\n0\r\nchanged by hand\r\n\xA9\r\n0123");
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
    }

    const SharedDiaryFile::Outcome refreshed = diary.file.Refresh();
    QVERIFY(refreshed.diskDamaged);
    QVERIFY(!refreshed.memoryChanged);
    QCOMPARE(Render(diary.database), QStringLiteral("1:a"));

    const SharedDiaryFile::Outcome saved = diary.file.Save();
    QVERIFY(saved.saved);
    QVERIFY(saved.keptDamagedFile.startsWith(m_path + QStringLiteral(".damaged-")));
    QFile kept(saved.keptDamagedFile);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), damaged);
    QCOMPARE(RenderFile(m_path), QStringLiteral("1:a"));
}

void TestSharedDiaryFile::failedSaves_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("file replaced by a folder") << "folder";
    QTest::newRow("folder gone") << "no folder";
    QTest::newRow("read-only folder") << "read-only";
}

void TestSharedDiaryFile::failedSaves()
{
    QFETCH(QString, obstacle);
    Program diary(Winner::Memory);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
    ApplyEdits(diary.database, QStringLiteral("1=b"));

    const QString folder = QFileInfo(m_path).absolutePath();
    if (obstacle == QLatin1String("folder")) {
        QVERIFY(QFile::remove(m_path));
        QVERIFY(QDir().mkdir(m_path));
    } else if (obstacle == QLatin1String("no folder")) {
        QVERIFY(QDir(folder).removeRecursively());
    } else {
        if (::geteuid() == 0)
            QSKIP("The superuser writes into read-only folders.");
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    const SharedDiaryFile::Outcome outcome = diary.file.Save();
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.saved);
    QVERIFY(!outcome.error.isEmpty());
    // Nothing pretends to be saved: the change is still pending.
    QVERIFY(diary.file.HasUnsavedChanges());
    QCOMPARE(diary.file.UnsavedDates(), QList<DateValue> {December(1)});
}

void TestSharedDiaryFile::fullDiskFailsSaveAndKeepsOldFile()
{
    // A file size limit stands in for a full disk: writes beyond it fail with an error.
    Program diary(Winner::Memory);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
    ApplyEdits(diary.database, QStringLiteral("1=") + QString(4096, QLatin1Char('x')));

    rlimit previous {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 1024;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SharedDiaryFile::Outcome outcome = diary.file.Save();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!outcome.ok);
    QVERIFY(diary.file.HasUnsavedChanges());
    QCOMPARE(RenderFile(m_path), QStringLiteral("1:a"));
    QVERIFY(diary.file.Save().saved);
}

void TestSharedDiaryFile::lockedFileIsNotWritten()
{
    Program diary(Winner::Memory);
    QVERIFY(WriteFirst(diary, QStringLiteral("1:a")));
    ApplyEdits(diary.database, QStringLiteral("1=b"));

    QLockFile otherProgram(m_path + QStringLiteral(".lock"));
    QVERIFY(otherProgram.lock());
    const SharedDiaryFile::Outcome outcome = diary.file.Save();
    QVERIFY(!outcome.ok);
    QVERIFY(outcome.error.contains(QStringLiteral("another program")));
    QCOMPARE(RenderFile(m_path), QStringLiteral("1:a"));
    otherProgram.unlock();
    QVERIFY(diary.file.Save().saved);
}

REPBOOK_TEST_MAIN_CORE(TestSharedDiaryFile)
#include "TestSharedDiaryFile.moc"
