#include "common/TestMain.h"

#include "fuzz/HostileFileChecks.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"

#include <malloc.h>

// Files the diary may meet on disk, from its own seeds to shapes built to exhaust it, read
// through the same checks as the fuzzing target: reading ends, the written form is stable and
// passes the integrity check, and a file never makes the reader create objects from nothing.

namespace {

// A day, a workout and an exercise are each a few dozen bytes and their lists reserve room for
// a few elements; the densest file (one line end per field) costs about forty times its size.
constexpr qint64 MaxBytesPerInputByte = 64;
constexpr qint64 MemorySlack = 1 << 20;

#if defined(__SANITIZE_ADDRESS__)
} // namespace
// The sanitizer's allocator keeps its own books; malloc's statistics do not see them.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
namespace {
qint64 HeapInUse()
{
    return qint64(__sanitizer_get_current_allocated_bytes());
}
#else
qint64 HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}
#endif

// The numbers of days, workouts and exercises: "1 2 3".
QString CountsOf(const DiaryDatabase &database)
{
    qint64 workouts = 0;
    qint64 exercises = 0;
    for (int d = 0; d < database.GetDayCount(); ++d) {
        const TrainingDay &day = *database.GetDay(d);
        workouts += day.GetWorkoutCount();
        for (int w = 0; w < day.GetWorkoutCount(); ++w)
            exercises += day.GetWorkout(w)->GetExerciseCount();
    }
    return QStringLiteral("%1 %2 %3").arg(database.GetDayCount()).arg(workouts).arg(exercises);
}

const QByteArray Exercise =
    "E\r\n1\r\n1\r\n0\r\n0\r\n"; // name, sets, reps, forced, negative; weight follows

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void adversarialShapes_data();
    void adversarialShapes();
};

void TestHostileFiles::adversarialShapes_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("intact");
    QTest::addColumn<QString>("counts"); // of days, workouts and exercises
    const auto row = [](const char *name, const QByteArray &data, bool intact, const char *counts) {
        QTest::newRow(name) << data << intact << QString::fromLatin1(counts);
    };

    const QByteArray day = "1.1.2000\r\n";
    const QByteArray huge = "2147483647\r\n";
    row("huge workout count, nothing after", day + huge, false, "1 0 0");
    row("huge counts in every field", day + huge + "W\r\n" + huge + "0\r\nE\r\n", false, "1 1 1");
    // Date line, workout count, then a workout (name, count, status) whose exercises take eight
    // lines each: 800 000 - 5 lines make 99 999 full exercises and one cut short.
    row("huge count on every line", day + huge.repeated(799'999), false, "1 1 100000");
    row("millions of empty lines", QByteArray("\r\n").repeated(3'000'000), false, "1000000 0 0");
    row("LF only, one line more than whole days", QByteArray("\n").repeated(1'000'001), false,
        "333334 0 0");
    row("a workout per three empty lines", day + huge + QByteArray("\r\n").repeated(1'500'000),
        false, "1 500000 0");
    row("extremely long name", day + "1\r\n" + QByteArray(16 << 20, 'A') + "\r\n0\r\n0\r\n", false,
        "1 1 0");
    row("extremely long line end without LF", QByteArray(8 << 20, '\r'), false, "1 0 0");
    row("many end markers", QByteArray("\xA9\r\n").repeated(1'000'000), true, "0 0 0");
    row("end marker then a huge digest line", day + "0\r\n\r\n\xA9\r\n" + QByteArray(8 << 20, 'f'),
        false, "1 0 0");
    row("invalid UTF-8",
        day + "0\r\n" +
            QByteArray("\xC3\x28\xFF\xFE\xED\xA0\x80\xF4\x90\x80\x80\xE2\x80").repeated(500'000),
        false, "1 0 0");
    row("a weight of a million digits",
        day + "1\r\nW\r\n1\r\n0\r\n" + Exercise + QByteArray(1'000'000, '9') + ".5\r\n\r\n0\r\n",
        false, "1 1 1");
    QByteArray names = "1.1.2000\r\n1\r\nW\r\n300000\r\n0\r\n";
    for (int i = 0; i < 300'000; ++i)
        names += QByteArray::number(i) + "\r\n1\r\n1\r\n0\r\n0\r\n0\r\n\r\n0\r\n";
    row("many different names", names, false, "1 1 300000");
}

void TestHostileFiles::adversarialShapes()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, intact);
    QFETCH(QString, counts);

    QCOMPARE(CheckDatabaseIntegrityData(data), intact);

    const qint64 before = HeapInUse();
    qint64 loaded = 0;
    QString read;
    {
        DiaryDatabase database;
        database.LoadFromData(data);
        loaded = HeapInUse() - before;
        read = CountsOf(database);
    }
    QCOMPARE(read, counts);
    qInfo("%lld bytes read into %lld bytes of diary", qint64(data.size()), loaded);
    QVERIFY2(loaded <= MaxBytesPerInputByte * data.size() + MemorySlack,
             qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(loaded).arg(data.size())));

    const QString failure = HostileFileChecks::CheckBytes(data);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

REPBOOK_TEST_MAIN_CORE(TestHostileFiles)

#include "TestHostileFiles.moc"
