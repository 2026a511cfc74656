#include "common/TestMain.h"
#include "diary/CalendarNavigation.h"

#include <QList>
#include <QTest>

Q_DECLARE_METATYPE(CalendarCell)

namespace {

using Cells = QList<CalendarCell>;

// A month from Thursday 1 March 2007 (five week rows; 26-28 February outside) with days on the
// given cells. A "day" on a cell outside the range must never be found.
CalendarNavigation MarchWith(const Cells &dayCells)
{
    static const CalendarRange range(DateValue::FromDate(2007, 3, 1), 31);
    return CalendarNavigation(
        range.RowCount(), [](int row, int col) { return range.IsInRange(row, col); },
        [dayCells](int row, int col) {
            return dayCells.contains(CalendarCell {row, col});
        });
}

} // namespace

class TestCalendarNavigation : public QObject
{
    Q_OBJECT

private slots:
    void firstAndLast_data();
    void firstAndLast();
    void next_data();
    void next();
    void previous_data();
    void previous();
    void walkVisitsEveryDayOnce();
    void selectedEnds_data();
    void selectedEnds();
};

void TestCalendarNavigation::firstAndLast_data()
{
    QTest::addColumn<Cells>("days");
    QTest::addColumn<CalendarCell>("first");
    QTest::addColumn<CalendarCell>("last");

    QTest::newRow("none") << Cells {} << CalendarCell {} << CalendarCell {};
    QTest::newRow("one") << Cells {{3, 2}} << CalendarCell {3, 2} << CalendarCell {3, 2};
    QTest::newRow("reading order, not list order")
        << Cells {{4, 1}, {2, 7}, {2, 3}, {5, 1}} << CalendarCell {2, 3} << CalendarCell {5, 1};
    QTest::newRow("outside the range ignored")
        << Cells {{1, 1}, {1, 5}, {5, 7}} << CalendarCell {1, 5} << CalendarCell {5, 7};
    QTest::newRow("only outside") << Cells {{1, 2}, {0, 3}, {6, 1}} << CalendarCell {}
                                  << CalendarCell {};
}

void TestCalendarNavigation::firstAndLast()
{
    QFETCH(Cells, days);
    QFETCH(CalendarCell, first);
    QFETCH(CalendarCell, last);

    const CalendarNavigation navigation = MarchWith(days);
    QCOMPARE(navigation.First(), first);
    QCOMPARE(navigation.Last(), last);
}

void TestCalendarNavigation::next_data()
{
    QTest::addColumn<Cells>("days");
    QTest::addColumn<CalendarCell>("focus");
    QTest::addColumn<CalendarCell>("expected");

    const Cells days {{1, 5}, {2, 7}, {3, 1}, {5, 7}};
    QTest::newRow("within a row") << days << CalendarCell {1, 4} << CalendarCell {1, 5};
    QTest::newRow("to the next row") << days << CalendarCell {2, 7} << CalendarCell {3, 1};
    QTest::newRow("skips empty rows") << days << CalendarCell {3, 1} << CalendarCell {5, 7};
    QTest::newRow("wraps from the last") << days << CalendarCell {5, 7} << CalendarCell {1, 5};
    QTest::newRow("from outside: first") << days << CalendarCell {1, 2} << CalendarCell {1, 5};
    QTest::newRow("no focus: first") << days << CalendarCell {} << CalendarCell {1, 5};
    QTest::newRow("only day wraps to itself")
        << Cells {{2, 2}} << CalendarCell {2, 2} << CalendarCell {2, 2};
    QTest::newRow("no days") << Cells {} << CalendarCell {3, 3} << CalendarCell {};
}

void TestCalendarNavigation::next()
{
    QFETCH(Cells, days);
    QFETCH(CalendarCell, focus);
    QFETCH(CalendarCell, expected);

    QCOMPARE(MarchWith(days).Next(focus), expected);
}

void TestCalendarNavigation::previous_data()
{
    QTest::addColumn<Cells>("days");
    QTest::addColumn<CalendarCell>("focus");
    QTest::addColumn<CalendarCell>("expected");

    const Cells days {{1, 5}, {2, 7}, {3, 1}, {5, 7}};
    QTest::newRow("to the row above") << days << CalendarCell {3, 1} << CalendarCell {2, 7};
    QTest::newRow("from an empty cell") << days << CalendarCell {4, 4} << CalendarCell {3, 1};
    QTest::newRow("wraps from the first") << days << CalendarCell {1, 5} << CalendarCell {5, 7};
    QTest::newRow("before the first day") << days << CalendarCell {1, 4} << CalendarCell {5, 7};
    QTest::newRow("from outside: last") << days << CalendarCell {1, 1} << CalendarCell {5, 7};
    QTest::newRow("no days") << Cells {} << CalendarCell {3, 3} << CalendarCell {};
}

void TestCalendarNavigation::previous()
{
    QFETCH(Cells, days);
    QFETCH(CalendarCell, focus);
    QFETCH(CalendarCell, expected);

    QCOMPARE(MarchWith(days).Previous(focus), expected);
}

void TestCalendarNavigation::walkVisitsEveryDayOnce()
{
    const Cells days {{1, 4}, {1, 6}, {2, 2}, {3, 3}, {3, 4}, {4, 7}, {5, 1}};
    const CalendarNavigation navigation = MarchWith(days);
    CalendarCell cell = navigation.First();
    Cells forward;
    for (int i = 0; i < days.size(); ++i) {
        forward << cell;
        cell = navigation.Next(cell);
    }
    QCOMPARE(forward, days);
    QCOMPARE(cell, days.first());

    cell = navigation.Last();
    Cells backward;
    for (int i = 0; i < days.size(); ++i) {
        backward.prepend(cell);
        cell = navigation.Previous(cell);
    }
    QCOMPARE(backward, days);
    QCOMPARE(cell, days.last());
}

void TestCalendarNavigation::selectedEnds_data()
{
    QTest::addColumn<Cells>("selected");
    QTest::addColumn<CalendarCell>("first");
    QTest::addColumn<CalendarCell>("last");

    QTest::newRow("one") << Cells {{2, 3}} << CalendarCell {2, 3} << CalendarCell {2, 3};
    QTest::newRow("block") << Cells {{2, 2}, {2, 3}, {3, 2}, {3, 3}} << CalendarCell {2, 2}
                           << CalendarCell {3, 3};
    QTest::newRow("ragged") << Cells {{2, 5}, {3, 1}, {4, 2}} << CalendarCell {2, 5}
                            << CalendarCell {4, 2};
    QTest::newRow("none") << Cells {} << CalendarCell {} << CalendarCell {};
}

void TestCalendarNavigation::selectedEnds()
{
    QFETCH(Cells, selected);
    QFETCH(CalendarCell, first);
    QFETCH(CalendarCell, last);

    const auto ends = CalendarNavigation::SelectedEnds(1, 1, 5, 7, [&](int row, int col) {
        return selected.contains(CalendarCell {row, col});
    });
    QCOMPARE(ends.has_value(), first.IsValid());
    if (ends) {
        QCOMPARE(ends->first, first);
        QCOMPARE(ends->second, last);
    }
}

REPBOOK_TEST_MAIN_CORE(TestCalendarNavigation)

#include "tst_calendarnavigation.moc"
