#include "common/TestMain.h"
#include "diary/CalendarRange.h"

#include <QTest>

namespace {

DateValue Date(int year, int month, int day)
{
    return DateValue::FromDate(year, month, day);
}

} // namespace

Q_DECLARE_METATYPE(DateValue)
Q_DECLARE_METATYPE(CalendarCell)

class TestCalendarRange : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfExamples_data();
    void layoutOfExamples();
    void monthStartingThursday();
    void cellsAndDatesAgree_data();
    void cellsAndDatesAgree();
    void cellsOutsideTheGrid();
    void validity_data();
    void validity();
    void dayLabel_data();
    void dayLabel();
    void weekRowHeight_data();
    void weekRowHeight();
    void presets_data();
    void presets();
    void presetIndexForDays_data();
    void presetIndexForDays();
    void selectionToRange_data();
    void selectionToRange();
    void parseStartDate_data();
    void parseStartDate();
    void startDateRoundTrip();
};

void TestCalendarRange::layoutOfExamples_data()
{
    QTest::addColumn<DateValue>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("rows");
    QTest::addColumn<DateValue>("firstShown");
    QTest::addColumn<CalendarCell>("startCell");
    QTest::addColumn<CalendarCell>("endCell");

    QTest::newRow("Thursday + 31") << Date(2007, 3, 1) << 31 << 5 << Date(2007, 2, 26)
                                   << CalendarCell {1, 4} << CalendarCell {5, 7};
    QTest::newRow("Monday + 6") << Date(2007, 3, 5) << 6 << 1 << Date(2007, 3, 5)
                                << CalendarCell {1, 1} << CalendarCell {1, 7};
    QTest::newRow("Sunday + 0") << Date(2007, 3, 4) << 0 << 1 << Date(2007, 2, 26)
                                << CalendarCell {1, 7} << CalendarCell {1, 7};
    QTest::newRow("Sunday + 1") << Date(2007, 3, 4) << 1 << 2 << Date(2007, 2, 26)
                                << CalendarCell {1, 7} << CalendarCell {2, 1};
    QTest::newRow("year from Wednesday") << Date(2008, 1, 2) << 365 << 53 << Date(2007, 12, 31)
                                         << CalendarCell {1, 3} << CalendarCell {53, 4};
    QTest::newRow("over a leap day") << Date(2008, 2, 25) << 7 << 2 << Date(2008, 2, 25)
                                     << CalendarCell {1, 1} << CalendarCell {2, 1};
}

void TestCalendarRange::layoutOfExamples()
{
    QFETCH(DateValue, start);
    QFETCH(int, days);
    QFETCH(int, rows);
    QFETCH(DateValue, firstShown);
    QFETCH(CalendarCell, startCell);
    QFETCH(CalendarCell, endCell);

    const CalendarRange range(start, days);
    QVERIFY(range.IsValid());
    QCOMPARE(range.RowCount(), rows);
    QCOMPARE(range.DateAt(1, 1), firstShown);
    QCOMPARE(range.FirstShown(), firstShown);
    QCOMPARE(range.CellOf(start), startCell);
    QCOMPARE(range.CellOf(range.End()), endCell);
    QCOMPARE(range.End(), start.AddDays(days));
    QVERIFY(range.IsInRange(startCell.row, startCell.col));
    QVERIFY(range.IsInRange(endCell.row, endCell.col));
}

void TestCalendarRange::monthStartingThursday()
{
    const CalendarRange range(Date(2007, 3, 1), 31);
    // 26, 27 and 28 February lead the first week but lie outside the range.
    for (int col = 1; col <= 3; ++col) {
        QVERIFY(!range.IsInRange(1, col));
        QCOMPARE(range.DateAt(1, col), Date(2007, 2, 25 + col));
        QCOMPARE(range.CellOf(range.DateAt(1, col)), CalendarCell {});
    }
    QVERIFY(range.IsInRange(1, 4));
    QCOMPARE(range.DateAt(5, 7), Date(2007, 4, 1));
    QVERIFY(range.IsInRange(5, 7));
    QCOMPARE(range.CellOf(Date(2007, 4, 2)), CalendarCell {});
    const DateValue today = Date(2007, 3, 20);
    QCOMPARE(CalendarRange::DayLabel(range.DateAt(5, 7), today), QStringLiteral("1-st of April"));
    QCOMPARE(CalendarRange::DayLabel(range.DateAt(1, 4), today), QStringLiteral("1-st of March"));
    // The cell left of the start is the day before it.
    QCOMPARE(range.DateAt(1, 3), Date(2007, 2, 28));
}

void TestCalendarRange::cellsAndDatesAgree_data()
{
    QTest::addColumn<DateValue>("start");
    QTest::addColumn<int>("days");

    for (int weekday = 0; weekday < 7; ++weekday) {
        for (int days : {0, 5, 6, 7, 13, 31, 62, 365}) {
            const DateValue start = Date(2011, 5, 2 + weekday); // 2 May 2011 is a Monday
            QTest::addRow("%s+%d", qPrintable(CalendarRange::WeekdayName(weekday)), days)
                << start << days;
        }
    }
}

void TestCalendarRange::cellsAndDatesAgree()
{
    QFETCH(DateValue, start);
    QFETCH(int, days);

    const CalendarRange range(start, days);
    QVERIFY(range.IsValid());
    int inRange = 0;
    DateValue expected = range.FirstShown();
    for (int row = 1; row <= range.RowCount(); ++row) {
        for (int col = 1; col <= 7; ++col) {
            const DateValue date = range.DateAt(row, col);
            QCOMPARE(date, expected);
            QCOMPARE(CalendarRange::WeekdayIndex(date), col - 1);
            const bool contained = date >= start && date <= start.AddDays(days);
            QCOMPARE(range.IsInRange(row, col), contained);
            QCOMPARE(range.Contains(date), contained);
            QCOMPARE(range.CellOf(date), (contained ? CalendarCell {row, col} : CalendarCell {}));
            inRange += contained ? 1 : 0;
            expected = expected.AddDays(1);
        }
    }
    QCOMPARE(inRange, days + 1);
    // The first week holds the start, the last one the end: no empty week rows.
    QCOMPARE(range.CellOf(start).row, 1);
    QCOMPARE(range.CellOf(range.End()).row, range.RowCount());
}

void TestCalendarRange::cellsOutsideTheGrid()
{
    const CalendarRange range(Date(2007, 3, 1), 31);
    QVERIFY(!range.IsInRange(0, 4));
    QVERIFY(!range.IsInRange(2, 0));
    QVERIFY(!range.IsInRange(2, 8));
    QVERIFY(!range.IsInRange(6, 1));
    QVERIFY(!range.IsInRange(-1, -1));
    QCOMPARE(range.CellOf(DateValue::MakeInvalid()), CalendarCell {});
    QCOMPARE(range.CellOf(DateValue::MakeNull()), CalendarCell {});
    // A date with a time of day is still the same day.
    QCOMPARE(range.CellOf(DateValue(Date(2007, 3, 2).GetValue() + 0.75)), (CalendarCell {1, 5}));
}

void TestCalendarRange::validity_data()
{
    QTest::addColumn<DateValue>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("valid");

    QTest::newRow("invalid start") << DateValue::MakeInvalid() << 31 << false;
    QTest::newRow("null start") << DateValue::MakeNull() << 31 << false;
    QTest::newRow("negative days") << Date(2007, 3, 1) << -1 << false;
    QTest::newRow("longest") << Date(2007, 3, 1) << CalendarRange::MaxDays << true;
    QTest::newRow("too long") << Date(2007, 3, 1) << CalendarRange::MaxDays + 1 << false;
    QTest::newRow("last Sunday past year 9999") << Date(9999, 12, 31) << 0 << false;
    QTest::newRow("last full week") << Date(9999, 12, 26) << 0 << true;
    QTest::newRow("Monday before year 100") << Date(100, 1, 1) << 0 << false;
}

void TestCalendarRange::validity()
{
    QFETCH(DateValue, start);
    QFETCH(int, days);
    QFETCH(bool, valid);

    const CalendarRange range(start, days);
    QCOMPARE(range.IsValid(), valid);
    if (!valid) {
        QCOMPARE(range.RowCount(), 0);
        QVERIFY(!range.IsInRange(1, 1));
        QVERIFY(!range.DateAt(1, 1).IsValid());
        QCOMPARE(range.CellOf(start), CalendarCell {});
    }
}

void TestCalendarRange::dayLabel_data()
{
    QTest::addColumn<DateValue>("date");
    QTest::addColumn<DateValue>("today");
    QTest::addColumn<QString>("label");

    const DateValue someDay = Date(2007, 6, 15);
    QTest::newRow("plain") << Date(2007, 3, 17) << someDay << QStringLiteral("17");
    QTest::newRow("first of January")
        << Date(2008, 1, 1) << someDay << QStringLiteral("1-st of January");
    QTest::newRow("first of December")
        << Date(2007, 12, 1) << someDay << QStringLiteral("1-st of December");
    QTest::newRow("today") << someDay << someDay << QStringLiteral("15 (today)");
    QTest::newRow("today wins over first")
        << Date(2007, 9, 1) << Date(2007, 9, 1) << QStringLiteral("1 (today)");
    QTest::newRow("today at noon")
        << someDay << DateValue(someDay.GetValue() + 0.5) << QStringLiteral("15 (today)");
    QTest::newRow("31st") << Date(2007, 1, 31) << someDay << QStringLiteral("31");
}

void TestCalendarRange::dayLabel()
{
    QFETCH(DateValue, date);
    QFETCH(DateValue, today);
    QFETCH(QString, label);

    QCOMPARE(CalendarRange::DayLabel(date, today), label);
}

void TestCalendarRange::weekRowHeight_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("height");

    QTest::newRow("800") << 800 << 79;
    QTest::newRow("807 rounds down per column") << 807 << 79;
    QTest::newRow("808") << 808 << 79; // 101 x 0.8 = 80.8
    QTest::newRow("1000") << 1000 << 99;
    QTest::newRow("530") << 530 << 51;
    QTest::newRow("tiny") << 8 << 1;
    QTest::newRow("empty") << 0 << 1;
}

void TestCalendarRange::weekRowHeight()
{
    QFETCH(int, clientWidth);
    QFETCH(int, height);

    QCOMPARE(CalendarRange::WeekRowHeight(clientWidth), height);
}

void TestCalendarRange::presets_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 month") << 0 << 31 << QStringLiteral("Range - 1 month");
    QTest::newRow("2 months") << 1 << 62 << QStringLiteral("Range - 2 months");
    QTest::newRow("3 months") << 2 << 93 << QStringLiteral("Range - 3 months");
    QTest::newRow("6 months") << 3 << 180 << QStringLiteral("Range - 6 months");
    QTest::newRow("year") << 4 << 365 << QStringLiteral("Range - year");
    QTest::newRow("set") << 5 << -1 << QStringLiteral("Set...");
}

void TestCalendarRange::presets()
{
    QFETCH(int, index);
    QFETCH(int, days);
    QFETCH(QString, text);

    QCOMPARE(CalendarRange::PresetTexts().size(), 6);
    QCOMPARE(CalendarRange::PresetTexts().at(index), text);
    QCOMPARE(CalendarRange::PresetDays(index), days);
    if (days > 0)
        QCOMPARE(CalendarRange::PresetIndexForDays(days), index);
}

void TestCalendarRange::presetIndexForDays_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("index");

    QTest::newRow("45") << 45 << 5;
    QTest::newRow("56, the first default") << 56 << 5;
    QTest::newRow("0") << 0 << 5;
    QTest::newRow("-1") << -1 << 5;
    QTest::newRow("364") << 364 << 5;
    QTest::newRow("365") << 365 << 4;
}

void TestCalendarRange::presetIndexForDays()
{
    QFETCH(int, days);
    QFETCH(int, index);

    QCOMPARE(CalendarRange::PresetIndexForDays(days), index);
    // No selection counts as the first entry; unknown entries name no day count.
    QCOMPARE(CalendarRange::PresetDays(-1), 31);
    QCOMPARE(CalendarRange::PresetDays(6), -1);
}

void TestCalendarRange::selectionToRange_data()
{
    QTest::addColumn<DateValue>("first");
    QTest::addColumn<DateValue>("last");
    QTest::addColumn<int>("days"); // -1: no new range

    const DateValue first = Date(2007, 3, 5);
    QTest::newRow("14 days apart") << first << first.AddDays(14) << -1;
    QTest::newRow("15 days apart") << first << first.AddDays(15) << 15;
    QTest::newRow("same day") << first << first << -1;
    QTest::newRow("a year") << first << first.AddDays(365) << 365;
    QTest::newRow("backwards") << first.AddDays(30) << first << -1;
    QTest::newRow("invalid") << DateValue::MakeInvalid() << first << -1;
}

void TestCalendarRange::selectionToRange()
{
    QFETCH(DateValue, first);
    QFETCH(DateValue, last);
    QFETCH(int, days);

    const std::optional<CalendarRange> range = CalendarRange::SelectionToRange(first, last);
    QCOMPARE(range.has_value(), days >= 0);
    if (range) {
        QCOMPARE(range->Start(), first);
        QCOMPARE(range->Days(), days);
        QCOMPARE(range->End(), last);
    }
}

void TestCalendarRange::parseStartDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DateValue>("date");

    QTest::newRow("no leading zeros") << QStringLiteral("5.3.2007") << Date(2007, 3, 5);
    QTest::newRow("leading zeros") << QStringLiteral("05.03.2007") << Date(2007, 3, 5);
    QTest::newRow("time after a blank") << QStringLiteral("5.3.2007 13:45") << Date(2007, 3, 5);
    QTest::newRow("blanks") << QStringLiteral(" 5. 3. 2007") << Date(2007, 3, 5);
    QTest::newRow("year then dot") << QStringLiteral("29.2.2008.") << Date(2008, 2, 29);
    QTest::newRow("leading dots skipped") << QStringLiteral("..5.3.2007") << Date(2007, 3, 5);
    QTest::newRow("not a leap year") << QStringLiteral("29.2.2007") << DateValue::MakeInvalid();
    QTest::newRow("31 April") << QStringLiteral("31.4.2007") << DateValue::MakeInvalid();
    QTest::newRow("month 13") << QStringLiteral("1.13.2007") << DateValue::MakeInvalid();
    QTest::newRow("letters") << QStringLiteral("abc") << DateValue::MakeInvalid();
    QTest::newRow("day and month only") << QStringLiteral("5.3") << DateValue::MakeInvalid();
    QTest::newRow("empty") << QString() << DateValue::MakeInvalid();
    QTest::newRow("huge numbers") << QStringLiteral("99999999999.3.2007")
                                  << DateValue::MakeInvalid();
    QTest::newRow("written the other way")
        << QStringLiteral("2007-03-05") << DateValue::MakeInvalid();
}

void TestCalendarRange::parseStartDate()
{
    QFETCH(QString, text);
    QFETCH(DateValue, date);

    const DateValue parsed = CalendarRange::ParseStartDate(text);
    QCOMPARE(parsed.IsValid(), date.IsValid());
    QCOMPARE(parsed, date);
}

void TestCalendarRange::startDateRoundTrip()
{
    QCOMPARE(CalendarRange::FormatStartDate(Date(2007, 3, 5)), QStringLiteral("5.3.2007"));
    QCOMPARE(CalendarRange::FormatStartDate(Date(2010, 12, 31)), QStringLiteral("31.12.2010"));
    for (const DateValue &date : {Date(2007, 3, 5), Date(100, 1, 1), Date(9999, 12, 31)})
        QCOMPARE(CalendarRange::ParseStartDate(CalendarRange::FormatStartDate(date)), date);
}

REPBOOK_TEST_MAIN_CORE(TestCalendarRange)

#include "tst_calendarrange.moc"
