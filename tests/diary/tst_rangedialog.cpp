#include "common/TestMain.h"
#include "diary/CDisplayDlg.h"
#include "widgets/CDayCountSpinBox.h"
#include "widgets/CFPSMiniCalendarCtrl.h"

#include <QLineEdit>
#include <QTest>

// The range dialog, opened on 1 March 2007 + 31 days (the end is 1 April): what each choice in
// its calendars and its day count makes of the range, and which dates the calendars mark.
class TestRangeDialog : public QObject
{
    Q_OBJECT

private slots:
    void choices_data();
    void choices();
};

void TestRangeDialog::choices_data()
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
    QTest::newRow("typed 1000") << "days" << QDate() << "1000" << march1 << 1000;
    QTest::newRow("typed digits only") << "days" << QDate() << "4x2-" << march1 << 42;
}

void TestRangeDialog::choices()
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
}

REPBOOK_TEST_MAIN(TestRangeDialog)
#include "tst_rangedialog.moc"
