#include "common/TestMain.h"

#include "fuzz/HostileFileChecks.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/TextCodec.h"
#include "model/TolerantNumber.h"

#include <cmath>
#include <limits>
#include <malloc.h>

// Files the diary may meet on disk, from its own seeds to shapes built to exhaust it, read
// through the same checks as the fuzzing target: reading ends, the written form is stable and
// passes the integrity check, and a file never makes the reader create objects from nothing.
// Their lines in either encoding and their numbers, however written, are read as below.

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
    void decodeLine_data();
    void decodeLine();
    void numbers_data();
    void numbers();
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
    {
        DiaryDatabase database;
        database.LoadFromData(data);
        loaded = HeapInUse() - before;
        QCOMPARE(CountsOf(database), counts);
    }
    qInfo("%lld bytes read into %lld bytes of diary", qint64(data.size()), loaded);
    QVERIFY2(loaded <= MaxBytesPerInputByte * data.size() + MemorySlack,
             qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(loaded).arg(data.size())));

    const QString failure = HostileFileChecks::CheckBytes(data);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestHostileFiles::decodeLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("Kniebeuge mit Gewicht") << "Kniebeuge mit Gewicht";
    QTest::newRow("UTF-8") << QByteArray("D\xC3\xA9velopp\xC3\xA9 couch\xC3\xA9")
                           << "Développé couché";
    QTest::newRow("Windows-1252") << QByteArray("D\xE9velopp\xE9 couch\xE9") << "Développé couché";
    QTest::newRow("1252 quotes and euro") << QByteArray("\x93") + "50 \x80\x94" + "cheap\x94"
                                          << "“50 €”cheap”";
    QTest::newRow("UTF-8 line separator") << QByteArray("a\xE2\x80\xA8") + "b"
                                          << "a\nb";
    QTest::newRow("truncated UTF-8 falls back") << QByteArray("caf\xC3") << "cafÃ";
    QTest::newRow("empty") << QByteArray() << QString();
    // The edges of what UTF-8 allows decide which text is read as Windows-1252.
    QTest::newRow("U+10000, the first of four bytes")
        << QByteArray("\xF0\x90\x80\x80") << "\U00010000";
    QTest::newRow("U+10FFFF") << QByteArray("\xF4\x8F\xBF\xBF") << "\U0010FFFF";
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << "\u00F4\u0090\u20AC\u20AC";
    QTest::newRow("U+D7FF") << QByteArray("\xED\x9F\xBF") << "\uD7FF";
    QTest::newRow("U+D800, a surrogate") << QByteArray("\xED\xA0\x80") << "\u00ED\u00A0\u20AC";
    QTest::newRow("overlong") << QByteArray("\xE0\x80\xAF") << "\u00E0\u20AC\u00AF";
    QTest::newRow("U+0080, U+07FF") << QByteArray("\xC2\x80\xDF\xBF") << "\u0080\u07FF";
    QTest::newRow("U+0800, U+FFFD") << QByteArray("\xE0\xA0\x80\xEF\xBF\xBD") << "\u0800\uFFFD";
    QTest::newRow("U+DFFF") << QByteArray("\xED\xBF\xBF") << "\u00ED\u00BF\u00BF";
    QTest::newRow("lead F5") << QByteArray("\xF5\x80\x80\x80") << "\u00F5\u20AC\u20AC\u20AC";
    QTest::newRow("a lone 0x80") << QByteArray("\x80") << "\u20AC";
    QTest::newRow("0x80 after UTF-8") << QByteArray("caf\xC3\xA9 \x80") << "caf\u00C3\u00A9 \u20AC";
}

void TestHostileFiles::decodeLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::DecodeLine(bytes), text);
}

// Numbers as the files hold them: blanks, a sign, digits, a point and decimals, then anything.
// Only the given view is read, never the bytes after it (a field inside a longer line).
void TestHostileFiles::numbers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("length"); // of the view; -1: all of bytes
    QTest::addColumn<int>("whole");
    QTest::addColumn<double>("value");
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    const QByteArray many = "99999999999999999999999";
    QTest::newRow("plain") << QByteArray("42") << -1 << 42 << 42.0;
    QTest::newRow("blanks, junk") << QByteArray(" \t12abc") << -1 << 12 << 12.0;
    QTest::newRow("sign only") << QByteArray("-") << -1 << 0 << 0.0;
    QTest::newRow("plus") << QByteArray("+3") << -1 << 3 << 3.0;
    QTest::newRow("minus") << QByteArray("-17x") << -1 << -17 << -17.0;
    QTest::newRow("empty") << QByteArray() << -1 << 0 << 0.0;
    QTest::newRow("blank after sign") << QByteArray("- 5") << -1 << 0 << 0.0;
    QTest::newRow("int max") << QByteArray("2147483647") << -1 << max << 2147483647.0;
    QTest::newRow("int min") << QByteArray("-2147483648") << -1 << min << -2147483648.0;
    QTest::newRow("saturates high") << many << -1 << max << 1e23;
    QTest::newRow("saturates low") << "-" + many << -1 << min << -1e23;
    QTest::newRow("two decimals") << QByteArray("42.50") << -1 << 42 << 42.5;
    QTest::newRow("one decimal") << QByteArray("0.1") << -1 << 0 << 0.1;
    QTest::newRow("six decimals") << QByteArray("12.345678") << -1 << 12 << 12.345678;
    QTest::newRow("point, no decimals") << QByteArray("7.") << -1 << 7 << 7.0;
    QTest::newRow("unit after") << QByteArray("  42.5kg") << -1 << 42 << 42.5;
    QTest::newRow("no whole part") << QByteArray("-.25") << -1 << 0 << -0.25;
    QTest::newRow("a point alone") << QByteArray(".x") << -1 << 0 << 0.0;
    QTest::newRow("a sign and a point") << QByteArray("-.") << -1 << 0 << 0.0;
    QTest::newRow("ten digits, decimals")
        << QByteArray("1234567890.25") << -1 << 1234567890 << 1234567890.25;
    QTest::newRow("beyond any double") << "1" + QByteArray(400, '0') << -1 << max << qInf();
    QTest::newRow("below any double") << "0." + QByteArray(400, '0') + "1" << -1 << 0 << 0.0;
    QTest::newRow("view inside digits") << QByteArray("123456") << 3 << 123 << 123.0;
    QTest::newRow("view after sign") << QByteArray("-1234") << 3 << -12 << -12.0;
    QTest::newRow("view at the point") << QByteArray("12.5") << 3 << 12 << 12.0;
    QTest::newRow("view in decimals") << QByteArray("-1.2345") << 5 << -1 << -1.23;
    QTest::newRow("view before digits") << QByteArray("  7") << 2 << 0 << 0.0;
}

void TestHostileFiles::numbers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, length);
    QFETCH(int, whole);
    QFETCH(double, value);
    const QByteArrayView view =
        length < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(length);
    QCOMPARE(TolerantNumber::ToInt(view), whole);
    QCOMPARE(TolerantNumber::ToDouble(view), value);
    QCOMPARE(std::signbit(TolerantNumber::ToDouble(view)), std::signbit(value)); // no "-0"
}

REPBOOK_TEST_MAIN_CORE(TestHostileFiles)

#include "TestHostileFiles.moc"
