#include "common/TestMain.h"
#include "diary/CDayCountSpinBox.h"
#include "diary/CDisplayDlg.h"
#include "model/Clock.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CPictureButton.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

namespace {

DateValue Date(int year, int month, int day)
{
    return DateValue::FromDate(year, month, day);
}

} // namespace

class TestDisplayDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void opens();
    void endClicks_data();
    void endClicks();
    void startClicks_data();
    void startClicks();
    void typedCounts_data();
    void typedCounts();
    void spinSteps_data();
    void spinSteps();
    void countPastTheLastDate();
    void invalidStartBecomesToday();
    void highlightFollowsTheRange();
    void keyboardChoices();
    void buttonsAndKeys_data();
    void buttonsAndKeys();

private:
    // Clicks the day's cell in the calendar's month view, as the user would.
    static void ClickDate(QCalendarWidget *calendar, const QDate &date);
    CFPSMiniCalendarCtrl *StartCalendar() const;
    CFPSMiniCalendarCtrl *EndCalendar() const;
    CDayCountSpinBox *DaysField() const;
    QLineEdit *DaysEdit() const;

    CDisplayDlg *m_dlg = nullptr;
};

void TestDisplayDlg::initTestCase()
{
    Clock::SetFixed(QDateTime(QDate(2007, 3, 10), QTime(9, 0)));
}

void TestDisplayDlg::cleanupTestCase()
{
    Clock::Reset();
}

void TestDisplayDlg::init()
{
    m_dlg = new CDisplayDlg;
    m_dlg->SetStart(Date(2007, 3, 1));
    m_dlg->SetDays(31);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg));
}

void TestDisplayDlg::cleanup()
{
    delete m_dlg;
    m_dlg = nullptr;
}

CFPSMiniCalendarCtrl *TestDisplayDlg::StartCalendar() const
{
    return m_dlg->findChild<CFPSMiniCalendarCtrl *>(QStringLiteral("startCalendar"));
}

CFPSMiniCalendarCtrl *TestDisplayDlg::EndCalendar() const
{
    return m_dlg->findChild<CFPSMiniCalendarCtrl *>(QStringLiteral("endCalendar"));
}

CDayCountSpinBox *TestDisplayDlg::DaysField() const
{
    return m_dlg->findChild<CDayCountSpinBox *>(QStringLiteral("daysField"));
}

QLineEdit *TestDisplayDlg::DaysEdit() const
{
    return DaysField()->findChild<QLineEdit *>();
}

void TestDisplayDlg::ClickDate(QCalendarWidget *calendar, const QDate &date)
{
    calendar->setCurrentPage(date.year(), date.month());
    auto *view = calendar->findChild<QTableView *>();
    QVERIFY(view);
    const QAbstractItemModel *model = view->model();
    // A day number may appear twice: an early day of the next month in the last rows, a late day
    // of the previous month in the first row. The month's own day is the topmost match of an
    // early day and the lowest match of a late one.
    QModelIndex cell;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int col = 0; col < model->columnCount(); ++col) {
            const QModelIndex index = model->index(row, col);
            if (model->data(index).toString() != QString::number(date.day()))
                continue;
            if (!cell.isValid() || date.day() >= 15)
                cell = index;
        }
    }
    QVERIFY2(cell.isValid(), "the day is not in the month view");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
}

void TestDisplayDlg::opens()
{
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Display range"));
    QCOMPARE(m_dlg->GetStart(), Date(2007, 3, 1));
    QCOMPARE(m_dlg->GetEnd(), Date(2007, 4, 1));
    QCOMPARE(m_dlg->GetDays(), 31);
    QCOMPARE(DaysField()->text(), QStringLiteral("31"));
    QCOMPARE(StartCalendar()->selectedDate(), QDate(2007, 3, 1));
    QCOMPARE(StartCalendar()->monthShown(), 3);
    QCOMPARE(EndCalendar()->selectedDate(), QDate(2007, 4, 1));
    QCOMPARE(EndCalendar()->monthShown(), 4);
    QCOMPARE(EndCalendar()->yearShown(), 2007);
}

void TestDisplayDlg::endClicks_data()
{
    QTest::addColumn<QDate>("clicked");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("days");

    QTest::newRow("9 days: refused") << QDate(2007, 3, 10) << false << 31;
    QTest::newRow("13 days: refused") << QDate(2007, 3, 14) << false << 31;
    QTest::newRow("14 days") << QDate(2007, 3, 15) << true << 14;
    QTest::newRow("19 days") << QDate(2007, 3, 20) << true << 19;
    QTest::newRow("364 days") << QDate(2008, 2, 28) << true << 364;
    QTest::newRow("365 days: refused") << QDate(2008, 2, 29) << false << 31;
    QTest::newRow("before the start: refused") << QDate(2007, 2, 15) << false << 31;
}

void TestDisplayDlg::endClicks()
{
    QFETCH(QDate, clicked);
    QFETCH(bool, taken);
    QFETCH(int, days);

    ClickDate(EndCalendar(), clicked);
    const QDate end = taken ? clicked : QDate(2007, 4, 1);
    QCOMPARE(m_dlg->GetDays(), days);
    QCOMPARE(DaysField()->text(), QString::number(days));
    QCOMPARE(m_dlg->GetEnd().ToQDate(), end);
    QCOMPARE(m_dlg->GetStart(), Date(2007, 3, 1));
    QCOMPARE(EndCalendar()->selectedDate(), end);
    QCOMPARE(EndCalendar()->monthShown(), end.month());
    QCOMPARE(StartCalendar()->selectedDate(), QDate(2007, 3, 1));

    QTest::mouseClick(m_dlg->findChild<CPictureButton *>(QStringLiteral("okButton")),
                      Qt::LeftButton);
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
    QCOMPARE(m_dlg->GetDays(), days);
}

void TestDisplayDlg::startClicks_data()
{
    QTest::addColumn<QDate>("clicked");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("days");

    // The end is 1 April 2007.
    QTest::newRow("400 days before the end: refused") << QDate(2006, 2, 25) << false << 31;
    QTest::newRow("365 days before the end: refused") << QDate(2006, 4, 1) << false << 31;
    QTest::newRow("364 days before the end") << QDate(2006, 4, 2) << true << 364;
    QTest::newRow("14 days before the end") << QDate(2007, 3, 18) << true << 14;
    QTest::newRow("13 days before the end: refused") << QDate(2007, 3, 19) << false << 31;
    QTest::newRow("after the end: refused") << QDate(2007, 4, 20) << false << 31;
}

void TestDisplayDlg::startClicks()
{
    QFETCH(QDate, clicked);
    QFETCH(bool, taken);
    QFETCH(int, days);

    ClickDate(StartCalendar(), clicked);
    const QDate start = taken ? clicked : QDate(2007, 3, 1);
    QCOMPARE(m_dlg->GetStart().ToQDate(), start);
    QCOMPARE(m_dlg->GetDays(), days);
    QCOMPARE(DaysField()->text(), QString::number(days));
    QCOMPARE(m_dlg->GetEnd(), Date(2007, 4, 1));
    QCOMPARE(StartCalendar()->selectedDate(), start);
    QCOMPARE(StartCalendar()->monthShown(), start.month());
    QCOMPARE(StartCalendar()->yearShown(), start.year());
    QCOMPARE(EndCalendar()->selectedDate(), QDate(2007, 4, 1));
}

void TestDisplayDlg::typedCounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("days");
    QTest::addColumn<QDate>("end");

    QTest::newRow("100") << QStringLiteral("100") << QStringLiteral("100") << 100
                         << QDate(2007, 6, 9);
    QTest::newRow("below the spin range")
        << QStringLiteral("5") << QStringLiteral("5") << 5 << QDate(2007, 3, 6);
    QTest::newRow("above the spin range")
        << QStringLiteral("1000") << QStringLiteral("1000") << 1000 << QDate(2009, 11, 25);
    QTest::newRow("four digits at most")
        << QStringLiteral("123456") << QStringLiteral("1234") << 1234 << QDate(2010, 7, 17);
    QTest::newRow("digits only") << QStringLiteral("4x2-") << QStringLiteral("42") << 42
                                 << QDate(2007, 4, 12);
    QTest::newRow("empty reads 0") << QString() << QString() << 0 << QDate(2007, 3, 1);
}

void TestDisplayDlg::typedCounts()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, days);
    QFETCH(QDate, end);

    QLineEdit *edit = DaysEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(DaysField()->text(), shown);
    QCOMPARE(m_dlg->GetDays(), days);
    QCOMPARE(m_dlg->GetEnd().ToQDate(), end);
    QCOMPARE(EndCalendar()->selectedDate(), end);
    QCOMPARE(StartCalendar()->selectedDate(), QDate(2007, 3, 1));

    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
    QCOMPARE(m_dlg->GetStart(), Date(2007, 3, 1));
    QCOMPARE(m_dlg->GetDays(), days);
}

void TestDisplayDlg::spinSteps_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("days");

    QTest::newRow("up") << QStringLiteral("31") << int(Qt::Key_Up) << 32;
    QTest::newRow("down") << QStringLiteral("31") << int(Qt::Key_Down) << 30;
    QTest::newRow("up at 365 stays") << QStringLiteral("365") << int(Qt::Key_Up) << 365;
    QTest::newRow("down at 14 stays") << QStringLiteral("14") << int(Qt::Key_Down) << 14;
    QTest::newRow("up from below the range") << QStringLiteral("5") << int(Qt::Key_Up) << 14;
    QTest::newRow("down from above the range") << QStringLiteral("999") << int(Qt::Key_Down) << 365;
    QTest::newRow("page up") << QStringLiteral("31") << int(Qt::Key_PageUp) << 41;
}

void TestDisplayDlg::spinSteps()
{
    QFETCH(QString, count);
    QFETCH(int, key);
    QFETCH(int, days);

    QLineEdit *edit = DaysEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, count);
    QTest::keyClick(DaysField(), Qt::Key(key));
    QCOMPARE(DaysField()->text(), QString::number(days));
    QCOMPARE(m_dlg->GetDays(), days);
    QCOMPARE(EndCalendar()->selectedDate(), QDate(2007, 3, 1).addDays(days));
}

void TestDisplayDlg::countPastTheLastDate()
{
    m_dlg->SetStart(Date(9999, 11, 1));
    m_dlg->SetDays(31);
    QCOMPARE(EndCalendar()->selectedDate(), QDate(9999, 12, 2));
    QLineEdit *edit = DaysEdit();
    edit->selectAll();
    edit->insert(QStringLiteral("100")); // pasted in one go
    QCOMPARE(m_dlg->GetDays(), 100);
    QCOMPARE(m_dlg->GetEnd(), Date(9999, 12, 2));
    QCOMPARE(EndCalendar()->selectedDate(), QDate(9999, 12, 2));
}

void TestDisplayDlg::invalidStartBecomesToday()
{
    m_dlg->SetStart(DateValue::MakeInvalid());
    QCOMPARE(m_dlg->GetStart(), Date(2007, 3, 10));
    QCOMPARE(m_dlg->GetEnd(), Date(2007, 4, 10));
    QCOMPARE(StartCalendar()->selectedDate(), QDate(2007, 3, 10));
    ClickDate(EndCalendar(), QDate(2007, 4, 20));
    QCOMPARE(m_dlg->GetDays(), 41);
}

void TestDisplayDlg::highlightFollowsTheRange()
{
    auto highlighted = [](CFPSMiniCalendarCtrl *calendar, const QDate &date) {
        return calendar->IsDrawnSpecial(date);
    };
    // Each calendar marks the dates of the page it shows: March and April 2007.
    QVERIFY(!highlighted(StartCalendar(), QDate(2007, 2, 28)));
    QVERIFY(highlighted(StartCalendar(), QDate(2007, 3, 1)));
    QVERIFY(highlighted(StartCalendar(), QDate(2007, 4, 1)));
    QVERIFY(!highlighted(StartCalendar(), QDate(2007, 4, 2)));
    QVERIFY(highlighted(EndCalendar(), QDate(2007, 3, 26)));
    QVERIFY(highlighted(EndCalendar(), QDate(2007, 4, 1)));
    QVERIFY(!highlighted(EndCalendar(), QDate(2007, 4, 2)));
    ClickDate(EndCalendar(), QDate(2007, 3, 20));
    for (CFPSMiniCalendarCtrl *calendar : {StartCalendar(), EndCalendar()}) {
        QVERIFY(highlighted(calendar, QDate(2007, 3, 20)));
        QVERIFY(!highlighted(calendar, QDate(2007, 3, 21)));
    }
    ClickDate(StartCalendar(), QDate(2007, 2, 20));
    QVERIFY(highlighted(EndCalendar(), QDate(2007, 2, 26)));
    QVERIFY(highlighted(StartCalendar(), QDate(2007, 2, 20)));
    QVERIFY(!highlighted(StartCalendar(), QDate(2007, 2, 19)));
}

void TestDisplayDlg::keyboardChoices()
{
    // Arrow keys in a calendar choose like clicks do, refusals included.
    EndCalendar()->setFocus();
    QWidget *endView = EndCalendar()->findChild<QTableView *>();
    QTest::keyClick(endView, Qt::Key_Left);
    QCOMPARE(m_dlg->GetDays(), 30);
    QCOMPARE(EndCalendar()->selectedDate(), QDate(2007, 3, 31));
    QWidget *startView = StartCalendar()->findChild<QTableView *>();
    QTest::keyClick(startView, Qt::Key_Down); // 8 March: 23 days
    QCOMPARE(m_dlg->GetStart(), Date(2007, 3, 8));
    QCOMPARE(m_dlg->GetDays(), 23);
    QTest::keyClick(startView, Qt::Key_Down); // 15 March: 16 days
    QTest::keyClick(startView, Qt::Key_Down); // 22 March: 9 days, refused
    QCOMPARE(m_dlg->GetStart(), Date(2007, 3, 15));
    QCOMPARE(StartCalendar()->selectedDate(), QDate(2007, 3, 15));
    QCOMPARE(DaysField()->text(), QStringLiteral("16"));
}

void TestDisplayDlg::buttonsAndKeys_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    QTest::newRow("OK") << QStringLiteral("okButton") << 0 << int(QDialog::Accepted);
    QTest::newRow("Cancel") << QStringLiteral("cancelButton") << 0 << int(QDialog::Rejected);
    QTest::newRow("Escape") << QString() << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("Enter on Cancel")
        << QStringLiteral("cancelButton") << int(Qt::Key_Return) << int(QDialog::Rejected);
}

void TestDisplayDlg::buttonsAndKeys()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, result);

    ClickDate(EndCalendar(), QDate(2007, 3, 20)); // a change that Cancel must not hand back
    QCOMPARE(m_dlg->GetDays(), 19);
    auto *target = button.isEmpty() ? static_cast<QWidget *>(DaysField())
                                    : m_dlg->findChild<CPictureButton *>(button);
    QVERIFY(target);
    if (key == 0) {
        QTest::mouseClick(target, Qt::LeftButton);
    } else {
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
    }
    QVERIFY(!m_dlg->isVisible());
    QCOMPARE(m_dlg->result(), result);
}

REPBOOK_TEST_MAIN(TestDisplayDlg)
#include "tst_displaydlg.moc"
