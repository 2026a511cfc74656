#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CDisplayDlg.h"
#include "diary/CalendarNavigation.h"
#include "diary/CalendarRange.h"
#include "widgets/CDayCountSpinBox.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CWrappingNumberEdit.h"

#include <QLineEdit>
#include <QTest>

using diarytest::Date;

Q_DECLARE_METATYPE(DateValue)
Q_DECLARE_METATYPE(CalendarCell)

class TestCalendarRange : public QObject
{
    Q_OBJECT

private slots:
    void cellsAndDatesAgree_data()
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
    void cellsAndDatesAgree()
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
                QCOMPARE(range.CellOf(date),
                         (contained ? CalendarCell {row, col} : CalendarCell {}));
                inRange += contained ? 1 : 0;
                expected = expected.AddDays(1);
            }
        }
        QCOMPARE(inRange, days + 1);
        for (const auto &[row, col] : {std::pair {0, 1}, {1, 0}, {range.RowCount() + 1, 7}, {1, 8}})
            QVERIFY(!range.IsInRange(row, col)); // beside the grid
        // The first week holds the start, the last one the end: no empty week rows.
        QCOMPARE(range.CellOf(start).row, 1);
        QCOMPARE(range.CellOf(range.End()).row, range.RowCount());
    }
    void validity_data()
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
    void validity()
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
    // The first and the last selected cell of the searched rows and columns, corners included.
    void selectedEnds_data()
    {
        QTest::addColumn<QList<CalendarCell>>("selected");
        QTest::addColumn<QList<CalendarCell>>("ends"); // first and last, or none
        QTest::newRow("none") << QList<CalendarCell> {} << QList<CalendarCell> {};
        QTest::newRow("the last corner")
            << QList<CalendarCell> {{3, 7}} << QList<CalendarCell> {{3, 7}, {3, 7}};
        QTest::newRow("across weeks")
            << QList<CalendarCell> {{1, 6}, {2, 1}, {3, 2}} << QList<CalendarCell> {{1, 6}, {3, 2}};
        QTest::newRow("outside the searched cells")
            << QList<CalendarCell> {{4, 1}, {2, 3}} << QList<CalendarCell> {{2, 3}, {2, 3}};
    }
    void selectedEnds()
    {
        QFETCH(QList<CalendarCell>, selected);
        QFETCH(QList<CalendarCell>, ends);
        const auto found = CalendarNavigation::SelectedEnds(1, 1, 3, 7, [&](int row, int col) {
            return selected.contains(CalendarCell {row, col});
        });
        QList<CalendarCell> foundEnds;
        if (found)
            foundEnds = {found->first, found->second};
        QCOMPARE(foundEnds, ends);
    }
    // The range box's entries in order, the days each sets, and the entry a stored day count
    // selects; -1 (nothing chosen yet) is the first entry, "Set..." sets none of its own.
    void presets_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("days");
        QTest::newRow("nothing chosen") << -1 << QString() << 31;
        QTest::newRow("1 month") << 0 << "Range - 1 month" << 31;
        QTest::newRow("2 months") << 1 << "Range - 2 months" << 62;
        QTest::newRow("3 months") << 2 << "Range - 3 months" << 93;
        QTest::newRow("6 months") << 3 << "Range - 6 months" << 180;
        QTest::newRow("year") << 4 << "Range - year" << 365;
        QTest::newRow("set") << 5 << "Set..." << -1;
        QTest::newRow("past the list") << 6 << QString() << -1;
        QTest::newRow("before the list") << -2 << QString() << -1;
    }
    void presets()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, days);
        QCOMPARE(CalendarRange::PresetDays(index), days);
        QCOMPARE(CalendarRange::PresetTexts().value(index), text);
        if (!text.isEmpty())
            QCOMPARE(CalendarRange::PresetIndexForDays(days > 0 ? days : 40), index);
    }
    void dayLabels_data()
    {
        QTest::addColumn<DateValue>("date");
        QTest::addColumn<DateValue>("today");
        QTest::addColumn<QString>("label");
        const DateValue seventh = Date(2007, 3, 7);
        QTest::newRow("today") << seventh << seventh << "7 (today)";
        QTest::newRow("another day") << Date(2007, 3, 8) << seventh << "8";
        QTest::newRow("the first of a month") << Date(2007, 4, 1) << seventh << "1-st of April";
        QTest::newRow("the first of a month today")
            << Date(2007, 4, 1) << Date(2007, 4, 1) << "1 (today)";
    }
    void dayLabels()
    {
        QFETCH(DateValue, date);
        QFETCH(DateValue, today);
        QFETCH(QString, label);
        QCOMPARE(CalendarRange::DayLabel(date, today), label);
    }
    // The calendar's headings: weeks begin on Monday; an index outside the week or the year
    // names nothing.
    void headingNames_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("names"); // weekday|short weekday|first of the month
        QTest::newRow("before the first") << -1 << "||";
        QTest::newRow("zero") << 0 << "Monday|Mon|";
        QTest::newRow("first month") << 1 << "Tuesday|Tue|1-st of January";
        QTest::newRow("last weekday") << 6 << "Sunday|Sun|1-st of June";
        QTest::newRow("after the week") << 7 << "||1-st of July";
        QTest::newRow("last month") << 12 << "||1-st of December";
        QTest::newRow("after the year") << 13 << "||";
    }
    void headingNames()
    {
        QFETCH(int, index);
        QFETCH(QString, names);
        const QStringList shown {CalendarRange::WeekdayName(index),
                                 CalendarRange::WeekdayShortName(index),
                                 CalendarRange::FirstOfMonthLabel(index)};
        QCOMPARE(shown.join(u'|'), names);
    }
    // A week's row is four fifths of an eighth of the grid's width, less a pixel, never none.
    void weekRowHeights()
    {
        QCOMPARE(CalendarRange::WeekRowHeight(800), 79);
        QCOMPARE(CalendarRange::WeekRowHeight(1007), 99);
        QCOMPARE(CalendarRange::WeekRowHeight(0), 1);
    }
    void steppedNumbersWrap();
    // The range dialog, opened on 1 March 2007 + 31 days (the end is 1 April): what each choice in
    // its calendars and its day count makes of the range, and which dates the calendars mark.
    void rangeDialog_data();
    void rangeDialog();
};

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

void TestCalendarRange::rangeDialog_data()
{
    QTest::addColumn<QString>("side"); // "start", "end" or "days"
    QTest::addColumn<QDate>("chosen"); // in a calendar
    QTest::addColumn<QString>("typed"); // into the day count
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("days");

    const QDate march1(2007, 3, 1);
    QTest::newRow("end: 13 days, refused") << "end" << QDate(2007, 3, 14) << "" << march1 << 31;
    QTest::newRow("end: 14 days") << "end" << QDate(2007, 3, 15) << "" << march1 << 14;
    QTest::newRow("end: 364 days") << "end" << QDate(2008, 2, 28) << "" << march1 << 364;
    QTest::newRow("end: 365 days, refused") << "end" << QDate(2008, 2, 29) << "" << march1 << 31;
    QTest::newRow("end: before the start, refused")
        << "end" << QDate(2007, 2, 15) << "" << march1 << 31;
    QTest::newRow("start: 365 days before the end, refused")
        << "start" << QDate(2006, 4, 1) << "" << march1 << 31;
    QTest::newRow("start: 364 days before the end")
        << "start" << QDate(2006, 4, 2) << "" << QDate(2006, 4, 2) << 364;
    QTest::newRow("start: 14 days before the end")
        << "start" << QDate(2007, 3, 18) << "" << QDate(2007, 3, 18) << 14;
    QTest::newRow("start: 13 days before the end, refused")
        << "start" << QDate(2007, 3, 19) << "" << march1 << 31;
    QTest::newRow("start: after the end, refused")
        << "start" << QDate(2007, 4, 20) << "" << march1 << 31;
    // Typed counts are taken as they are, also outside the spin buttons' steps.
    QTest::newRow("typed 100") << "days" << QDate() << "100" << march1 << 100;
    QTest::newRow("typed 5") << "days" << QDate() << "5" << march1 << 5;
    QTest::newRow("typed 99") << "days" << QDate() << "99" << march1 << 99;
    QTest::newRow("typed 1000") << "days" << QDate() << "1000" << march1 << 1000;
    QTest::newRow("typed digits only") << "days" << QDate() << "4x2-" << march1 << 42;
}

void TestCalendarRange::rangeDialog()
{
    QFETCH(QString, side);
    QFETCH(QDate, chosen);
    QFETCH(QString, typed);
    QFETCH(QDate, start);
    QFETCH(int, days);

    CDisplayDlg dialog;
    dialog.SetStart(DateValue::FromDate(2007, 3, 1));
    dialog.SetDays(31);
    auto *startCalendar = dialog.findChild<CFPSMiniCalendarCtrl *>(QStringLiteral("startCalendar"));
    auto *endCalendar = dialog.findChild<CFPSMiniCalendarCtrl *>(QStringLiteral("endCalendar"));
    auto *daysField = dialog.findChild<CDayCountSpinBox *>(QStringLiteral("daysField"));
    QVERIFY(startCalendar && endCalendar && daysField);
    if (side == QLatin1String("days")) {
        QLineEdit *edit = daysField->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    } else {
        (side == QLatin1String("start") ? startCalendar : endCalendar)->setSelectedDate(chosen);
    }

    const QDate end = start.addDays(days);
    QCOMPARE(dialog.GetStart().ToQDate(), start);
    QCOMPARE(dialog.GetDays(), days);
    QCOMPARE(dialog.GetEnd().ToQDate(), end);
    QCOMPARE(daysField->text(), QString::number(days));
    // A refused choice snaps back; both calendars show and mark the range's ends.
    QCOMPARE(startCalendar->selectedDate(), start);
    QCOMPARE(endCalendar->selectedDate(), end);
    for (CFPSMiniCalendarCtrl *calendar : {startCalendar, endCalendar}) {
        const QDate shown = calendar->selectedDate();
        const bool first = calendar == startCalendar;
        QVERIFY(calendar->IsDrawnSpecial(shown));
        QVERIFY(!calendar->IsDrawnSpecial(first ? shown.addDays(-1) : shown.addDays(1)));
        QVERIFY(calendar->IsDrawnSpecial(first ? shown.addDays(1) : shown.addDays(-1)));
    }
    // Either Enter key in the count is OK; no button is the default.
    QTest::keyClick(daysField, typed.isEmpty() ? Qt::Key_Enter : Qt::Key_Return);
    QCOMPARE(dialog.result(), QDialog::Accepted);
}

REPBOOK_TEST_MAIN_CORE(TestCalendarRange)

#include "tst_calendarrange.moc"
