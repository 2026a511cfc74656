#include "common/TestMain.h"
#include "widgets/CFPSMiniCalendarCtrl.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTableView>

namespace {

// The view cell that shows the given day of the shown month.
QRect CellOfDay(CFPSMiniCalendarCtrl &calendar, int day)
{
    auto *view = calendar.findChild<QTableView *>();
    const QAbstractItemModel *model = view->model();
    bool inMonth = false;
    for (int r = 1; r < model->rowCount(); ++r) { // row 0 holds the day names
        for (int c = 0; c < model->columnCount(); ++c) {
            const int shown = model->index(r, c).data().toInt();
            if (shown == 1)
                inMonth = !inMonth || r == 1;
            if (inMonth && shown == day)
                return view->visualRect(model->index(r, c));
        }
    }
    return QRect();
}

} // namespace

class TestMiniCalendar : public QObject
{
    Q_OBJECT

private slots:
    void mondayFirstWithoutWeekNumbers()
    {
        CFPSMiniCalendarCtrl calendar;
        QCOMPARE(calendar.firstDayOfWeek(), Qt::Monday);
        QCOMPARE(calendar.verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    }

    void specialDatesAreBold_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("days");
        QTest::newRow("inside one month") << QDate(2007, 3, 5) << 10;
        QTest::newRow("into the next month") << QDate(2007, 3, 20) << 31;
        QTest::newRow("single day") << QDate(2007, 3, 1) << 0;
    }
    void specialDatesAreBold()
    {
        QFETCH(QDate, start);
        QFETCH(int, days);
        CFPSMiniCalendarCtrl calendar;
        QList<QDate> asked;
        calendar.SetSpecialDateCallback([&](const QDate &date) {
            asked.append(date);
            return date >= start && date <= start.addDays(days);
        });
        calendar.SetMonthShown(3, 2007);
        // Every date of the page is asked, the days of the neighbouring months included.
        for (QDate d(2007, 2, 26); d <= QDate(2007, 4, 8); d = d.addDays(1)) {
            QVERIFY2(asked.contains(d), qPrintable(d.toString(Qt::ISODate)));
            QCOMPARE(calendar.IsDrawnSpecial(d), d >= start && d <= start.addDays(days));
        }
    }

    void redrawAsksAgain()
    {
        CFPSMiniCalendarCtrl calendar;
        QDate special(2007, 3, 10);
        calendar.SetSpecialDateCallback([&](const QDate &date) { return date == special; });
        calendar.SetMonthShown(3, 2007);
        QVERIFY(calendar.IsDrawnSpecial(QDate(2007, 3, 10)));
        special = QDate(2007, 3, 12);
        QVERIFY(calendar.IsDrawnSpecial(QDate(2007, 3, 10))); // not asked yet
        calendar.Redraw();
        QVERIFY(!calendar.IsDrawnSpecial(QDate(2007, 3, 10)));
        QVERIFY(calendar.IsDrawnSpecial(QDate(2007, 3, 12)));
        // Turning the page asks for the dates of the new page.
        special = QDate(2008, 1, 31);
        calendar.SetMonthShown(1, 2008);
        QVERIFY(calendar.IsDrawnSpecial(QDate(2008, 1, 31)));
        QCOMPARE(calendar.monthShown(), 1);
        QCOMPARE(calendar.yearShown(), 2008);
    }

    void currentAndSelectedDates()
    {
        CFPSMiniCalendarCtrl calendar;
        calendar.SetCurrentDate(QDate(2007, 3, 1));
        QCOMPARE(calendar.GetCurrentDate(), QDate(2007, 3, 1));
        QCOMPARE(calendar.monthShown(), 3);
        calendar.SetSelectedDates(QDate(2007, 3, 1), QDate(2007, 3, 5));
        QCOMPARE(calendar.GetSelectedDates(), std::make_pair(QDate(2007, 3, 1), QDate(2007, 3, 5)));
        QCOMPARE(calendar.selectedDate(), QDate(2007, 3, 1));
        calendar.SetSelectedDates(QDate(2007, 3, 9), QDate(2007, 3, 2)); // backwards: one day
        QCOMPARE(calendar.GetSelectedDates(), std::make_pair(QDate(2007, 3, 9), QDate(2007, 3, 9)));
    }

    void clickSendsTheDate_data()
    {
        QTest::addColumn<int>("day");
        QTest::newRow("15th") << 15;
        QTest::newRow("28th") << 28;
    }
    void clickSendsTheDate()
    {
        QFETCH(int, day);
        CFPSMiniCalendarCtrl calendar;
        calendar.SetSelectedDates(QDate(2007, 3, 1), QDate(2007, 3, 1));
        calendar.SetMonthShown(3, 2007);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        QSignalSpy clicked(&calendar, &CFPSMiniCalendarCtrl::dateClicked);
        auto *view = calendar.findChild<QTableView *>();
        const QRect cell = CellOfDay(calendar, day);
        QVERIFY(cell.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toDate(), QDate(2007, 3, day));
        QCOMPARE(calendar.GetSelectedDates(),
                 std::make_pair(QDate(2007, 3, day), QDate(2007, 3, day)));
    }

    void enterOnAKeyboardChosenDateCountsAsAClick()
    {
        CFPSMiniCalendarCtrl calendar;
        calendar.SetSelectedDates(QDate(2007, 3, 14), QDate(2007, 3, 14));
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        QSignalSpy clicked(&calendar, &CFPSMiniCalendarCtrl::dateClicked);
        auto *view = calendar.findChild<QTableView *>();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(clicked.size(), 0);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toDate(), QDate(2007, 3, 15));
    }
};

REPBOOK_TEST_MAIN(TestMiniCalendar)

#include "tst_minicalendar.moc"
