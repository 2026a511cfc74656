#include "common/TestMain.h"

#include "fuzz/HostileFileChecks.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/NameList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>
#include <sys/stat.h>

// Files the diary may meet on disk, from its own seeds to shapes built to exhaust it, read
// through the same checks as the fuzzing target: reading ends, the written form is stable and
// passes the integrity check, and a file never makes the reader create objects from nothing.

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryIsMeasurable = false; // the sanitizer's allocator keeps its own books
#else
constexpr bool MemoryIsMeasurable = true;
#endif

// A day, a workout and an exercise are each a few dozen bytes and their lists reserve room for
// a few elements; the densest file (one line end per field) costs about forty times its size.
constexpr qint64 MaxBytesPerInputByte = 64;
constexpr qint64 MemorySlack = 1 << 20;

qint64 HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Counts
{
    qint64 days = 0;
    qint64 workouts = 0;
    qint64 exercises = 0;
};

Counts CountsOf(const DiaryDatabase &database)
{
    Counts counts;
    counts.days = database.GetDayCount();
    for (int d = 0; d < database.GetDayCount(); ++d) {
        const TrainingDay &day = *database.GetDay(d);
        counts.workouts += day.GetWorkoutCount();
        for (int w = 0; w < day.GetWorkoutCount(); ++w)
            counts.exercises += day.GetWorkout(w)->GetExerciseCount();
    }
    return counts;
}

// Every day, workout and exercise starts on a line of its own, so the lines of the content bound
// how many of them any file can make.
qint64 ContentLines(const QByteArray &data)
{
    const QByteArrayView content = DatabaseFile::Split(data).content;
    return content.isEmpty() ? 0 : content.count('\n') + (content.endsWith('\n') ? 0 : 1);
}

QByteArray Repeat(const QByteArray &unit, qsizetype times)
{
    return unit.repeated(times);
}

const QByteArray Exercise =
    "E\r\n1\r\n1\r\n0\r\n0\r\n"; // name, sets, reps, forced, negative; weight follows

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void seedsAndFindings_data();
    void seedsAndFindings();
    void adversarialShapes_data();
    void adversarialShapes();
    void unusualFilesAreRefused_data();
    void unusualFilesAreRefused();
};

void TestHostileFiles::seedsAndFindings_data()
{
    QTest::addColumn<QString>("path");
    int files = 0;
    for (const QString &folder : {QStringLiteral("corpus"), QStringLiteral("regressions")}) {
        const QDir dir(testsupport::dataFile(QStringLiteral("fuzz/") + folder));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QTest::newRow(qPrintable(folder + u'/' + name)) << dir.filePath(name);
            ++files;
        }
    }
    QVERIFY2(files >= 10, "the seed corpus is missing");
}

void TestHostileFiles::seedsAndFindings()
{
    QFETCH(QString, path);
    const QByteArray data = ReadAll(path);
    QVERIFY(QFileInfo(path).size() == data.size());

    const QString failure = HostileFileChecks::CheckBytes(data);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString fileFailure = HostileFileChecks::CheckFileRoundTrip(data, folder.path());
    QVERIFY2(fileFailure.isEmpty(), qPrintable(fileFailure));

    DiaryDatabase database;
    database.LoadFromData(data);
    const Counts counts = CountsOf(database);
    QVERIFY(counts.days + counts.workouts + counts.exercises <= ContentLines(data));
}

void TestHostileFiles::adversarialShapes_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("intact");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<qint64>("workouts");
    QTest::addColumn<qint64>("exercises");

    const QByteArray day = "1.1.2000\r\n";
    const QByteArray huge = "2147483647\r\n";
    QTest::newRow("huge workout count, nothing after")
        << (day + huge) << false << qint64(1) << qint64(0) << qint64(0);
    QTest::newRow("huge counts in every field") << (day + huge + "W\r\n" + huge + "0\r\nE\r\n")
                                                << false << qint64(1) << qint64(1) << qint64(1);
    // Date line, workout count, then a workout (name, count, status) whose exercises take eight
    // lines each: 800 000 - 5 lines make 99 999 full exercises and one cut short.
    QTest::newRow("huge count on every line")
        << (day + Repeat(huge, 799'999)) << false << qint64(1) << qint64(1) << qint64(100'000);
    QTest::newRow("millions of empty lines")
        << Repeat("\r\n", 3'000'000) << false << qint64(1'000'000) << qint64(0) << qint64(0);
    QTest::newRow("LF only, one line more than whole days")
        << Repeat("\n", 1'000'001) << false << qint64(333'334) << qint64(0) << qint64(0);
    QTest::newRow("a workout per three empty lines")
        << (day + huge + Repeat("\r\n", 1'500'000)) << false << qint64(1) << qint64(500'000)
        << qint64(0);
    QTest::newRow("extremely long name")
        << (day + "1\r\n" + QByteArray(16 << 20, 'A') + "\r\n0\r\n0\r\n") << false << qint64(1)
        << qint64(1) << qint64(0);
    QTest::newRow("extremely long line end without LF")
        << QByteArray(8 << 20, '\r') << false << qint64(1) << qint64(0) << qint64(0);
    QTest::newRow("many end markers")
        << Repeat("\xA9\r\n", 1'000'000) << true << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("end marker bytes inside a line")
        << (Repeat("x\xA9", 1'000'000) + "\r\n") << false << qint64(1) << qint64(0) << qint64(0);
    QTest::newRow("end marker then a huge digest line")
        << (day + "0\r\n\r\n\xA9\r\n" + QByteArray(8 << 20, 'f')) << false << qint64(1) << qint64(0)
        << qint64(0);
    QTest::newRow("NUL bytes") << QByteArray(8 << 20, '\0') << false << qint64(1) << qint64(0)
                               << qint64(0);
    QTest::newRow("invalid UTF-8")
        << (day + "0\r\n" + Repeat("\xC3\x28\xFF\xFE\xED\xA0\x80\xF4\x90\x80\x80\xE2\x80", 500'000))
        << false << qint64(1) << qint64(0) << qint64(0);
    QTest::newRow("a date line of points") << (QByteArray(4 << 20, '.') + "\r\n0\r\n\r\n") << false
                                           << qint64(1) << qint64(0) << qint64(0);
    QTest::newRow("a weight of a million digits")
        << (day + "1\r\nW\r\n1\r\n0\r\n" + Exercise + QByteArray(1'000'000, '9') +
            ".5\r\n\r\n0\r\n")
        << false << qint64(1) << qint64(1) << qint64(1);
    QTest::newRow("a weight with a million decimals")
        << (day + "1\r\nW\r\n1\r\n0\r\n" + Exercise + "0." + QByteArray(1'000'000, '1') +
            "\r\n\r\n0\r\n")
        << false << qint64(1) << qint64(1) << qint64(1);
    QTest::newRow("many different names") << [] {
        QByteArray bytes = "1.1.2000\r\n1\r\nW\r\n300000\r\n0\r\n";
        for (int i = 0; i < 300'000; ++i)
            bytes += QByteArray::number(i) + "\r\n1\r\n1\r\n0\r\n0\r\n0\r\n\r\n0\r\n";
        return bytes;
    }() << false << qint64(1) << qint64(1) << qint64(300'000);
}

void TestHostileFiles::adversarialShapes()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, intact);
    QFETCH(qint64, days);
    QFETCH(qint64, workouts);
    QFETCH(qint64, exercises);

    QCOMPARE(CheckDatabaseIntegrityData(data), intact);

    const qint64 before = HeapInUse();
    qint64 loaded = 0;
    Counts counts;
    {
        DiaryDatabase database;
        database.LoadFromData(data);
        loaded = HeapInUse() - before;
        counts = CountsOf(database);
    }
    QCOMPARE(counts.days, days);
    QCOMPARE(counts.workouts, workouts);
    QCOMPARE(counts.exercises, exercises);
    if (MemoryIsMeasurable) {
        qInfo("%lld bytes read into %lld bytes of diary", qint64(data.size()), loaded);
        QVERIFY2(
            loaded <= MaxBytesPerInputByte * data.size() + MemorySlack,
            qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(loaded).arg(data.size())));
    }

    const QString failure = HostileFileChecks::CheckBytes(data);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestHostileFiles::unusualFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("readable");
    QTest::newRow("a folder") << QStringLiteral("folder") << false;
    QTest::newRow("an endless device") << QStringLiteral("device") << false;
    QTest::newRow("a link to an endless device") << QStringLiteral("device link") << false;
    QTest::newRow("a pipe nobody writes to") << QStringLiteral("pipe") << false;
    QTest::newRow("one byte over the size limit") << QStringLiteral("too large") << false;
    QTest::newRow("exactly the size limit") << QStringLiteral("largest") << true;
}

void TestHostileFiles::unusualFilesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(bool, readable);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Database.rpd"));
    const QString device = QStringLiteral("/dev/zero");
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QLatin1String("device link")) {
        QVERIFY(QFile::link(device, path));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind != QLatin1String("device")) {
        // Sparse: no disk space is used for the zeros.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(DatabaseFile::MaxFileSize + (kind == QLatin1String("too large"))));
    }
    const QString target = kind == QLatin1String("device") ? device : path;

    QByteArray data;
    QCOMPARE(DatabaseFile::ReadWhole(target, data), readable);
    QCOMPARE(data.size(), readable ? DatabaseFile::MaxFileSize : 0);
    QVERIFY(!CheckDatabaseIntegrity(target));
    DiaryDatabase database;
    QVERIFY(!database.Open(target));
    if (readable)
        return;
    QVERIFY(!database.Load());
    NameList names(target);
    QVERIFY(!names.Load());
    QVERIFY(!names.Append(QStringLiteral("Squat")));
}

REPBOOK_TEST_MAIN_CORE(TestHostileFiles)

#include "TestHostileFiles.moc"
