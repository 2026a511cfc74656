#include "common/TestMain.h"
#include "diary/CalendarRange.h"
#include "widgets/CWrappingNumberEdit.h"

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
    void cellsAndDatesAgree_data();
    void cellsAndDatesAgree();
    void validity_data();
    void validity();
    void presetDays();
    void steppedNumbersWrap();
};

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

// Preset -1 (none chosen yet) is the first preset; an index past the list has no days.
void TestCalendarRange::presetDays()
{
    int count = 0;
    while (count < 100 && CalendarRange::PresetDays(count) > 0)
        ++count;
    QVERIFY(count > 1 && count < 100);
    QCOMPARE(CalendarRange::PresetDays(-1), CalendarRange::PresetDays(0));
    QCOMPARE(CalendarRange::PresetDays(-2), -1);
}

// The user data's number fields wrap at their ends; a stored value outside the range steps to
// the end it moves towards.
void TestCalendarRange::steppedNumbersWrap()
{
    const auto stepped = [](int value, int steps) {
        return CWrappingNumberEdit::Stepped(value, steps, 1, 12);
    };
    QCOMPARE(stepped(5, 1), 6);
    QCOMPARE(stepped(12, 1), 1);
    QCOMPARE(stepped(1, -1), 12);
    QCOMPARE(stepped(5, 25), 6);
    QCOMPARE(stepped(20, 1), 1);
    QCOMPARE(stepped(-5, -1), 12);
}

REPBOOK_TEST_MAIN_CORE(TestCalendarRange)

#include "tst_calendarrange.moc"
