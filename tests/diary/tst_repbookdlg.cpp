#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CDisplayDlg.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/MainMenu.h"
#include "editing/CCommentDlg.h"
#include "editing/DayCellData.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "settings/SettingsStore.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace diarytest;

Q_DECLARE_METATYPE(DateValue)
Q_DECLARE_METATYPE(CalendarCell)

namespace {

// Tuesday 20 March 2007, 10:00.
const QDateTime Now(QDate(2007, 3, 20), QTime(10, 0));
const QString NotesHint = QStringLiteral("To add notes to selected day press \"Notes\" button.");

CPictureButton *ButtonWithText(QWidget *parent, const QString &text)
{
    const QList<CPictureButton *> buttons = parent->findChildren<CPictureButton *>();
    for (CPictureButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

int SumOfColumnWidths(const CGridCtrl *grid)
{
    int sum = 0;
    for (int col = 0; col < grid->GetColumnCount(); ++col)
        sum += grid->GetColumnWidth(col);
    return sum;
}

} // namespace

class TestRepbookDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnStoredRange();
    void rangeBoxShowsStoredDays_data();
    void rangeBoxShowsStoredDays();
    void firstOpenStartsToday();
    void unreadableStoredRange_data();
    void unreadableStoredRange();
    void presetsKeepStart_data();
    void presetsKeepStart();
    void setRangeRefusesInvalid_data();
    void setRangeRefusesInvalid();
    void rangeDialog_data();
    void rangeDialog();
    void miniCalendarClickSetsStart();
    void highlightReadsStoredRange();
    void cellsReferenceFirstDayOfDate();
    void weekRowsForAnEightHundredPixelGrid();
    void longRangeScrollsWithNarrowerRows();
    void columnMenuKeepsLastWeekday();
    void storedHiddenColumns();
    void allColumnsStoredHidden();
    void navigation_data();
    void navigation();
    void todayOutsideRangeSelectsFirstCell();
    void selectAll();
    void selectionToRange_data();
    void selectionToRange();
    void notes_data();
    void notes();
    void notesNeedADay_data();
    void notesNeedADay();
    void notesPaneFollowsSelection();
    void workoutAreaFollowsSelection();
    void caption_data();
    void caption();
    void exitAnsweredNo();
    void exitAnsweredYes();
    void sizeRememberedOnExit();
    void returnAndEscapeNeverClose();
    void keysReachTheirCommands();
    void commandsEnabled();
    void menuTexts_data();
    void menuTexts();

private:
    std::unique_ptr<CRepbookDlg> OpenWindow(const QString &start, int days);
    std::unique_ptr<CRepbookDlg> OpenMarch(); // 1.3.2007 + 31 days
    void ShowAndActivate(CRepbookDlg &window);

    DiaryUnderTest m_diary;
    DiaryDatabase *m_database = nullptr; // m_diary's
    SettingsStore m_settings;
};

void TestRepbookDlg::initTestCase()
{
    MessageBox::setTestMode(true);
}

void TestRepbookDlg::init()
{
    ClearSettings();
    ResetDatabaseFolder();
    Clock::SetFixed(Now);
    m_database = &m_diary.Reset();
    MessageBox::takeShown();
    MessageBox::takeUnexpected();
}

void TestRepbookDlg::cleanup()
{
    Clock::Reset();
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
    QCOMPARE(MessageBox::pendingAnswers().size(), 0);
    MessageBox::setNextAnswers({});
}

std::unique_ptr<CRepbookDlg> TestRepbookDlg::OpenWindow(const QString &start, int days)
{
    if (!start.isNull())
        m_settings.Write(SettingsKeys::RangeStartDate, start);
    if (days != 0)
        m_settings.Write(SettingsKeys::RangeDays, days);
    return std::make_unique<CRepbookDlg>(m_diary.File());
}

std::unique_ptr<CRepbookDlg> TestRepbookDlg::OpenMarch()
{
    return OpenWindow(QStringLiteral("1.3.2007"), 31);
}

void TestRepbookDlg::ShowAndActivate(CRepbookDlg &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TestRepbookDlg::opensOnStoredRange()
{
    AddDays(*m_database,
            {{Date(2007, 2, 27), {}, {"Legs"}},
             {Date(2007, 3, 1), "Felt strong", {"Chest"}},
             {Date(2007, 4, 1), {}, {"Back", "Legs"}}});
    auto window = OpenMarch();
    CGridCtrl *grid = window->Grid();

    QCOMPARE(window->Range().Start(), Date(2007, 3, 1));
    QCOMPARE(window->Range().Days(), 31);
    QCOMPARE(grid->GetRowCount(), 6); // heading + five weeks
    QCOMPARE(grid->GetColumnCount(), 8);
    QCOMPARE(grid->GetFixedRowCount(), 1);
    QCOMPARE(grid->GetFixedColumnCount(), 1);
    QCOMPARE(grid->GetColumnWidth(0), 0);
    QVERIFY(!grid->IsEditable());
    QCOMPARE(window->RangeBox()->currentIndex(), 0);

    QCOMPARE(grid->GetItemText(1, 1), QStringLiteral("26"));
    QCOMPARE(grid->GetItemText(1, 4), QStringLiteral("1-st of March"));
    QCOMPARE(grid->GetItemText(4, 2), QStringLiteral("20 (today)"));
    QCOMPARE(grid->GetItemText(5, 7), QStringLiteral("1-st of April"));
    QCOMPARE(grid->GetCellType(3, 3), CRepbookDlg::DayCellType);

    QCOMPARE(window->DayAt(1, 4), m_database->FindDay(Date(2007, 3, 1)));
    QCOMPARE(window->DayAt(5, 7), m_database->FindDay(Date(2007, 4, 1)));
    // 27 February has a day, but the cell lies outside the range and holds none.
    QCOMPARE(DayFromCellData(grid->GetItemData(1, 2)), nullptr);
    QCOMPARE(DayFromCellData(grid->GetItemData(2, 2)), nullptr);

    // Today is selected and focused, and the range is stored.
    QCOMPARE(grid->GetFocusCell(), (CCellID {4, 2}));
    QCOMPARE(grid->GetSelectedCellRange(), (CCellRange {4, 2, 4, 2}));
    QCOMPARE(m_settings.Read(SettingsKeys::RangeStartDate), QStringLiteral("1.3.2007"));
    QCOMPARE(m_settings.Read(SettingsKeys::RangeDays), 31);
}

void TestRepbookDlg::rangeBoxShowsStoredDays_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("index");

    QTest::newRow("31") << 31 << 0;
    QTest::newRow("62") << 62 << 1;
    QTest::newRow("93") << 93 << 2;
    QTest::newRow("180") << 180 << 3;
    QTest::newRow("365") << 365 << 4;
    QTest::newRow("45") << 45 << 5;
}

void TestRepbookDlg::rangeBoxShowsStoredDays()
{
    QFETCH(int, days);
    QFETCH(int, index);

    auto window = OpenWindow(QStringLiteral("1.3.2007"), days);
    QCOMPARE(window->RangeBox()->currentIndex(), index);
    QCOMPARE(window->RangeBox()->currentText(), CalendarRange::PresetTexts().at(index));
    QCOMPARE(window->Range().Days(), days);
    QCOMPARE(window->Grid()->GetRowCount(), window->Range().RowCount() + 1);
}

void TestRepbookDlg::firstOpenStartsToday()
{
    auto window = OpenWindow(QString(), 0);
    QCOMPARE(window->Range().Start(), Date(2007, 3, 20));
    QCOMPARE(window->Range().Days(), 56);
    QCOMPARE(window->RangeBox()->currentIndex(), CalendarRange::CustomPresetIndex);
    QCOMPARE(m_settings.Read(SettingsKeys::RangeStartDate), QStringLiteral("20.3.2007"));
    QCOMPARE(m_settings.Read(SettingsKeys::RangeDays), 56);
    QCOMPARE(window->Grid()->GetFocusCell(), (CCellID {1, 2}));
    QCOMPARE(window->Grid()->GetItemText(1, 2), QStringLiteral("20 (today)"));
    QCOMPARE(window->MiniCalendar()->GetCurrentDate(), QDate(2007, 3, 20));
}

void TestRepbookDlg::unreadableStoredRange_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<DateValue>("expectedStart");
    QTest::addColumn<int>("expectedDays");

    QTest::newRow("start unreadable") << QStringLiteral("garbage") << 31 << Date(2007, 3, 20) << 31;
    QTest::newRow("no such date") << QStringLiteral("31.2.2007") << 62 << Date(2007, 3, 20) << 62;
    QTest::newRow("negative days") << QStringLiteral("1.3.2007") << -5 << Date(2007, 3, 1) << 56;
    QTest::newRow("days beyond reason")
        << QStringLiteral("1.3.2007") << 2000000000 << Date(2007, 3, 1) << 56;
}

void TestRepbookDlg::unreadableStoredRange()
{
    QFETCH(QString, start);
    QFETCH(int, days);
    QFETCH(DateValue, expectedStart);
    QFETCH(int, expectedDays);

    auto window = OpenWindow(start, days);
    QVERIFY(window->Range().IsValid());
    QCOMPARE(window->Range().Start(), expectedStart);
    QCOMPARE(window->Range().Days(), expectedDays);
    QCOMPARE(window->Grid()->GetRowCount(), window->Range().RowCount() + 1);
}

void TestRepbookDlg::presetsKeepStart_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("days");

    QTest::newRow("1 month") << 0 << 31;
    QTest::newRow("2 months") << 1 << 62;
    QTest::newRow("3 months") << 2 << 93;
    QTest::newRow("6 months") << 3 << 180;
    QTest::newRow("year") << 4 << 365;
}

void TestRepbookDlg::presetsKeepStart()
{
    QFETCH(int, index);
    QFETCH(int, days);

    auto window = OpenWindow(QStringLiteral("7.3.2007"), 45);
    window->RangeBox()->setCurrentIndex(index);
    emit window->RangeBox()->activated(index);

    QCOMPARE(window->Range().Start(), Date(2007, 3, 7));
    QCOMPARE(window->Range().Days(), days);
    QCOMPARE(window->Grid()->GetRowCount(), window->Range().RowCount() + 1);
    QCOMPARE(m_settings.Read(SettingsKeys::RangeStartDate), QStringLiteral("7.3.2007"));
    QCOMPARE(m_settings.Read(SettingsKeys::RangeDays), days);
    QCOMPARE(window->Grid()->GetItemText(window->Range().CellOf(window->Range().End()).row,
                                         window->Range().CellOf(window->Range().End()).col),
             CalendarRange::DayLabel(window->Range().End(), Clock::TodayValue()));
}

void TestRepbookDlg::setRangeRefusesInvalid_data()
{
    QTest::addColumn<DateValue>("start");
    QTest::addColumn<int>("days");

    QTest::newRow("invalid start") << DateValue::MakeInvalid() << 31;
    QTest::newRow("negative days") << Date(2007, 5, 1) << -1;
    QTest::newRow("past the calendar") << Date(9999, 12, 1) << 365;
}

void TestRepbookDlg::setRangeRefusesInvalid()
{
    QFETCH(DateValue, start);
    QFETCH(int, days);

    auto window = OpenMarch();
    QVERIFY(!window->SetRange(start, days, CRepbookDlg::KeepScroll));
    QCOMPARE(window->Range().Start(), Date(2007, 3, 1));
    QCOMPARE(window->Range().Days(), 31);
    QCOMPARE(window->Grid()->GetRowCount(), 6);
    QCOMPARE(m_settings.Read(SettingsKeys::RangeStartDate), QStringLiteral("1.3.2007"));
    QCOMPARE(m_settings.Read(SettingsKeys::RangeDays), 31);
}

void TestRepbookDlg::rangeDialog_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("ok");

    QTest::newRow("box, OK") << false << true;
    QTest::newRow("box, Cancel") << false << false;
    QTest::newRow("menu, OK") << true << true;
    QTest::newRow("menu, Cancel") << true << false;
}

void TestRepbookDlg::rangeDialog()
{
    QFETCH(bool, fromMenu);
    QFETCH(bool, ok);

    auto window = OpenMarch();
    int boxIndexWhileOpen = -1;
    DateValue offeredStart;
    int offeredDays = -1;
    WhenModal<CDisplayDlg>([&](CDisplayDlg *dialog) {
        boxIndexWhileOpen = window->RangeBox()->currentIndex();
        offeredStart = dialog->GetStart();
        offeredDays = dialog->GetDays();
        dialog->SetStart(Date(2007, 4, 5));
        dialog->SetDays(20);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    });
    if (fromMenu) {
        window->ExecuteCommand(CommandId::SetRange);
    } else {
        window->RangeBox()->setCurrentIndex(CalendarRange::CustomPresetIndex);
        emit window->RangeBox()->activated(CalendarRange::CustomPresetIndex);
    }

    QCOMPARE(boxIndexWhileOpen, CalendarRange::CustomPresetIndex);
    QCOMPARE(offeredStart, Date(2007, 3, 1));
    QCOMPARE(offeredDays, 31);
    if (ok) {
        QCOMPARE(window->Range().Start(), Date(2007, 4, 5));
        QCOMPARE(window->Range().Days(), 20);
        QCOMPARE(window->RangeBox()->currentIndex(), CalendarRange::CustomPresetIndex);
        QCOMPARE(m_settings.Read(SettingsKeys::RangeDays), 20);
    } else {
        QCOMPARE(window->Range().Start(), Date(2007, 3, 1));
        QCOMPARE(window->Range().Days(), 31);
        QCOMPARE(window->RangeBox()->currentIndex(), 0);
    }
}

void TestRepbookDlg::miniCalendarClickSetsStart()
{
    auto window = OpenMarch();
    // The user pages to May and clicks the 10th.
    window->MiniCalendar()->SetMonthShown(5, 2007);
    emit window->MiniCalendar()->dateClicked(QDate(2007, 5, 10));
    QCOMPARE(window->Range().Start(), Date(2007, 5, 10));
    QCOMPARE(window->Range().Days(), 31);
    QCOMPARE(m_settings.Read(SettingsKeys::RangeStartDate), QStringLiteral("10.5.2007"));
    QVERIFY(window->IsSpecialDate(QDate(2007, 5, 10)));
    QVERIFY(window->IsSpecialDate(QDate(2007, 6, 10)));
    QVERIFY(!window->IsSpecialDate(QDate(2007, 5, 9)));
    QVERIFY(!window->IsSpecialDate(QDate(2007, 6, 11)));
    QVERIFY(window->MiniCalendar()->IsDrawnSpecial(QDate(2007, 5, 20)));
}

void TestRepbookDlg::highlightReadsStoredRange()
{
    auto window = OpenWindow(QStringLiteral("1.3.2007"), 62);
    QVERIFY(window->IsSpecialDate(QDate(2007, 5, 2)));
    // Without a stored day count the highlight spans 31 days, whatever the window shows.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ironvale"),
              QStringLiteral("Repbook"))
        .remove(QStringLiteral("66/Days"));
    QVERIFY(window->IsSpecialDate(QDate(2007, 4, 1)));
    QVERIFY(!window->IsSpecialDate(QDate(2007, 4, 2)));
    // Without a stored start nothing is highlighted.
    m_settings.Write(SettingsKeys::RangeStartDate, QString());
    QVERIFY(!window->IsSpecialDate(QDate(2007, 3, 5)));
}

void TestRepbookDlg::cellsReferenceFirstDayOfDate()
{
    // Twenty years of days, two of them on one date: a year's cells look every day up once.
    DateValue date = Date(1995, 1, 2);
    for (int i = 0; i < 20 * 365; i += 3, date = date.AddDays(3))
        AddDays(*m_database, {{date, {}, {"Run"}}});
    AddDays(*m_database, {{Date(2007, 3, 21), "second of its date", {"Swim"}}});
    QCOMPARE(m_database->FindDay(Date(2007, 3, 21))->GetNotes(), QString());

    auto window = OpenWindow(QStringLiteral("1.1.2007"), 365);
    int cellsWithDay = 0;
    for (int row = 1; row <= window->Range().RowCount(); ++row) {
        for (int col = 1; col <= 7; ++col) {
            const DateValue cellDate = window->DateAt(row, col);
            TrainingDay *expected =
                window->IsInRange(row, col) ? m_database->FindDay(cellDate) : nullptr;
            QCOMPARE(DayFromCellData(window->Grid()->GetItemData(row, col)), expected);
            cellsWithDay += expected ? 1 : 0;
        }
    }
    QCOMPARE(cellsWithDay, 122); // every third day of 366 dates
}

void TestRepbookDlg::weekRowsForAnEightHundredPixelGrid()
{
    auto window = OpenMarch();
    window->resize(1100, 1000);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    CGridCtrl *grid = window->Grid();
    // Widen the window until the grid's client area is exactly 800 pixels.
    const int clientWidth = grid->width() - 2 * grid->frameWidth();
    window->resize(window->width() + 800 - clientWidth, 1000);
    QTRY_COMPARE(grid->width() - 2 * grid->frameWidth(), 800);

    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (int row = 1; row <= 5; ++row)
        QCOMPARE(grid->GetRowHeight(row), 79);
    QCOMPARE(SumOfColumnWidths(grid), 800);
    for (int col = 1; col <= 6; ++col)
        QCOMPARE(grid->GetColumnWidth(col), 114);
    QCOMPARE(grid->GetColumnWidth(7), 116);
}

void TestRepbookDlg::longRangeScrollsWithNarrowerRows()
{
    auto window = OpenWindow(QStringLiteral("1.1.2007"), 365);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    CGridCtrl *grid = window->Grid();
    QTRY_COMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const int barWidth = grid->verticalScrollBar()->width();
    const int clientWidth = grid->width() - 2 * grid->frameWidth() - barWidth;
    QTRY_COMPARE(grid->viewport()->width(), clientWidth);
    QCOMPARE(grid->GetRowHeight(1), CalendarRange::WeekRowHeight(clientWidth));
    QCOMPARE(grid->GetRowHeight(53), CalendarRange::WeekRowHeight(clientWidth));
    QCOMPARE(SumOfColumnWidths(grid), clientWidth);
}

void TestRepbookDlg::columnMenuKeepsLastWeekday()
{
    auto window = OpenMarch();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    CGridCtrl *grid = window->Grid();
    MainMenu *commands = window->Commands();

    for (int weekday = 0; weekday < 6; ++weekday)
        window->ChooseColumnMenuItem(weekday);
    // The last shown weekday cannot be hidden.
    window->ChooseColumnMenuItem(6);

    for (int weekday = 0; weekday < 6; ++weekday) {
        QCOMPARE(grid->GetColumnWidth(weekday + 1), 0);
        QVERIFY(!commands->ColumnAction(weekday)->isChecked());
        QCOMPARE(m_settings.Read(SettingsKeys::WeekdayColumns[weekday]), 0);
    }
    QVERIFY(commands->ColumnAction(6)->isChecked());
    QCOMPARE(m_settings.Read(SettingsKeys::WeekdayColumns[6]), SettingsKeys::DefaultColumnWidth);
    QCOMPARE(grid->GetColumnWidth(7), grid->width() - 2 * grid->frameWidth());

    // Showing a weekday again shares the width between the two.
    window->ChooseColumnMenuItem(2);
    QVERIFY(commands->ColumnAction(2)->isChecked());
    QCOMPARE(m_settings.Read(SettingsKeys::WeekdayColumns[2]), SettingsKeys::DefaultColumnWidth);
    QVERIFY(grid->GetColumnWidth(3) > 0);
    QVERIFY(qAbs(grid->GetColumnWidth(3) - grid->GetColumnWidth(7)) <= 1);
    QCOMPARE(SumOfColumnWidths(grid), grid->width() - 2 * grid->frameWidth());
}

void TestRepbookDlg::storedHiddenColumns()
{
    m_settings.Write(SettingsKeys::WeekdayColumns[1], 0);
    m_settings.Write(SettingsKeys::WeekdayColumns[5], 0);
    auto window = OpenMarch();
    for (int weekday = 0; weekday < 7; ++weekday) {
        const bool shown = weekday != 1 && weekday != 5;
        QCOMPARE(window->Grid()->GetColumnWidth(weekday + 1) > 0, shown);
        QCOMPARE(window->Commands()->ColumnAction(weekday)->isChecked(), shown);
    }
}

void TestRepbookDlg::allColumnsStoredHidden()
{
    for (const SettingsKeys::IntSetting &column : SettingsKeys::WeekdayColumns)
        m_settings.Write(column, 0);
    auto window = OpenMarch();
    QVERIFY(window->Grid()->GetColumnWidth(1) > 0);
    QVERIFY(window->Commands()->ColumnAction(0)->isChecked());
    for (int col = 2; col <= 7; ++col)
        QCOMPARE(window->Grid()->GetColumnWidth(col), 0);
}

void TestRepbookDlg::navigation_data()
{
    QTest::addColumn<CalendarCell>("focus");
    QTest::addColumn<int>("command");
    QTest::addColumn<CalendarCell>("expected");

    // Days on 3, 10 and 28 March: cells (1,6), (2,6) and (5,3); today 20 March is (4,2).
    const CalendarCell today {4, 2};
    QTest::newRow("first") << today << int(CommandId::FirstDay) << CalendarCell {1, 6};
    QTest::newRow("last") << today << int(CommandId::LastDay) << CalendarCell {5, 3};
    QTest::newRow("next") << today << int(CommandId::NextDay) << CalendarCell {5, 3};
    QTest::newRow("next wraps") << CalendarCell {5, 3} << int(CommandId::NextDay)
                                << CalendarCell {1, 6};
    QTest::newRow("next from outside")
        << CalendarCell {1, 1} << int(CommandId::NextDay) << CalendarCell {1, 6};
    QTest::newRow("previous") << today << int(CommandId::PreviousDay) << CalendarCell {2, 6};
    QTest::newRow("previous wraps")
        << CalendarCell {1, 6} << int(CommandId::PreviousDay) << CalendarCell {5, 3};
    QTest::newRow("previous from outside")
        << CalendarCell {1, 2} << int(CommandId::PreviousDay) << CalendarCell {5, 3};
    QTest::newRow("today") << CalendarCell {5, 3} << int(CommandId::Today) << today;
}

void TestRepbookDlg::navigation()
{
    QFETCH(CalendarCell, focus);
    QFETCH(int, command);
    QFETCH(CalendarCell, expected);

    AddDays(*m_database,
            {{Date(2007, 3, 3), "Saturday notes", {"Legs"}},
             {Date(2007, 3, 10), {}, {"Back"}},
             {Date(2007, 3, 28), "Last one", {"Chest"}}});
    auto window = OpenMarch();
    window->SelectDay(focus.row, focus.col);
    window->ExecuteCommand(command);

    const CGridCtrl *grid = window->Grid();
    QCOMPARE(grid->GetFocusCell(), (CCellID {expected.row, expected.col}));
    QCOMPARE(grid->GetSelectedCellRange(),
             (CCellRange {expected.row, expected.col, expected.row, expected.col}));
    const TrainingDay *day = window->DayAt(expected.row, expected.col);
    const QString pane = window->NotesPane()->toPlainText();
    if (day)
        QCOMPARE(pane, day->GetNotes().isEmpty() ? NotesHint : day->GetNotes());
    else
        QCOMPARE(pane, QString());
}

void TestRepbookDlg::todayOutsideRangeSelectsFirstCell()
{
    auto window = OpenWindow(QStringLiteral("1.5.2007"), 31);
    QCOMPARE(window->Grid()->GetFocusCell(), (CCellID {1, 1}));
    window->SelectDay(3, 3);
    window->ExecuteCommand(CommandId::Today);
    QCOMPARE(window->Grid()->GetFocusCell(), (CCellID {1, 1}));
    QVERIFY(!window->IsInRange(1, 1));
}

void TestRepbookDlg::selectAll()
{
    auto window = OpenMarch();
    window->ExecuteCommand(CommandId::SelectAll);
    QCOMPARE(window->Grid()->GetSelectedCellRange(), (CCellRange {1, 1, 5, 7}));
}

void TestRepbookDlg::selectionToRange_data()
{
    QTest::addColumn<CalendarCell>("from");
    QTest::addColumn<CalendarCell>("to");
    QTest::addColumn<int>("days"); // -1: unchanged

    // (1,4) is 1 March; (3,4) 15 March; (3,5) 16 March.
    QTest::newRow("14 days apart") << CalendarCell {1, 4} << CalendarCell {3, 4} << -1;
    QTest::newRow("15 days apart") << CalendarCell {1, 4} << CalendarCell {3, 5} << 15;
    QTest::newRow("from outside the range") << CalendarCell {1, 1} << CalendarCell {4, 1} << 21;
    QTest::newRow("one cell") << CalendarCell {2, 2} << CalendarCell {2, 2} << -1;
}

void TestRepbookDlg::selectionToRange()
{
    QFETCH(CalendarCell, from);
    QFETCH(CalendarCell, to);
    QFETCH(int, days);

    auto window = OpenMarch();
    const DateValue first = window->DateAt(from.row, from.col);
    window->Grid()->SetSelectedRange(from.row, from.col, to.row, to.col);
    window->ExecuteCommand(CommandId::SelectionToRange);

    if (days < 0) {
        QCOMPARE(window->Range().Start(), Date(2007, 3, 1));
        QCOMPARE(window->Range().Days(), 31);
        QCOMPARE(window->RangeBox()->currentIndex(), 0);
        return;
    }
    QCOMPARE(window->Range().Start(), first);
    QCOMPARE(window->Range().Days(), days);
    QCOMPARE(window->RangeBox()->currentIndex(), CalendarRange::CustomPresetIndex);
    // Then Today: inside the new range its cell, else the first cell.
    const CalendarCell today = window->CellOf(Clock::TodayValue());
    const CCellID expected = today.IsValid() ? CCellID {today.row, today.col} : CCellID {1, 1};
    QCOMPARE(window->Grid()->GetFocusCell(), expected);
}

void TestRepbookDlg::notes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("pane");

    const QString old = QStringLiteral("Old notes");
    const QString lines = QStringLiteral("Knee felt fine\nNext time more weight");
    QTest::newRow("OK stores") << lines << false << true << lines << lines;
    QTest::newRow("Cancel keeps") << lines << false << false << old << old;
    QTest::newRow("Clear then Cancel keeps") << QString() << true << false << old << old;
    QTest::newRow("Clear then OK empties") << QString() << true << true << QString() << NotesHint;
}

void TestRepbookDlg::notes()
{
    QFETCH(QString, typed);
    QFETCH(bool, clear);
    QFETCH(bool, ok);
    QFETCH(QString, notes);
    QFETCH(QString, pane);

    AddDays(*m_database, {{Date(2007, 3, 20), "Old notes", {"Legs"}}});
    auto window = OpenMarch();
    QCOMPARE(window->NotesPane()->toPlainText(), QStringLiteral("Old notes"));

    QString offered;
    WhenModal<CCommentDlg>([&](CCommentDlg *dialog) {
        auto *edit = dialog->findChild<QPlainTextEdit *>();
        offered = edit->toPlainText();
        if (clear)
            ButtonWithText(dialog, QStringLiteral("Clear"))->click();
        else
            edit->setPlainText(typed);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    });
    window->ExecuteCommand(CommandId::Notes);

    QCOMPARE(offered, QStringLiteral("Old notes"));
    QCOMPARE(m_database->FindDay(Date(2007, 3, 20))->GetNotes(), notes);
    QCOMPARE(window->NotesPane()->toPlainText(), pane);
}

void TestRepbookDlg::notesNeedADay_data()
{
    QTest::addColumn<CalendarCell>("cell");
    QTest::newRow("date without a day") << CalendarCell {3, 3};
    QTest::newRow("outside the range") << CalendarCell {1, 2};
}

void TestRepbookDlg::notesNeedADay()
{
    QFETCH(CalendarCell, cell);

    AddDays(*m_database, {{Date(2007, 2, 27), "outside", {"Legs"}}});
    auto window = OpenMarch();
    window->SelectDay(cell.row, cell.col);
    MessageBox::setNextAnswers({QMessageBox::Ok});
    window->ExecuteCommand(CommandId::Notes);

    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("To add notes select day first."));
    QCOMPARE(shown.at(0).icon, QMessageBox::Information);
    QCOMPARE(m_database->FindDay(Date(2007, 2, 27))->GetNotes(), QStringLiteral("outside"));
}

void TestRepbookDlg::notesPaneFollowsSelection()
{
    AddDays(*m_database,
            {{Date(2007, 3, 5), "Monday notes", {"Legs"}}, {Date(2007, 3, 6), {}, {"Back"}}});
    auto window = OpenMarch();
    CGridCtrl *grid = window->Grid();

    emit grid->selectionChangedTo(2, 1); // 5 March
    QCOMPARE(window->NotesPane()->toPlainText(), QStringLiteral("Monday notes"));
    QCOMPARE(grid->GetFocusCell(), (CCellID {2, 1}));
    emit grid->selectionChangedTo(2, 2); // 6 March, no notes
    QCOMPARE(window->NotesPane()->toPlainText(), NotesHint);
    emit grid->selectionChangedTo(1, 2); // outside: the pane stays
    QCOMPARE(window->NotesPane()->toPlainText(), NotesHint);
    QCOMPARE(grid->GetFocusCell(), (CCellID {1, 2}));
    emit grid->selectionChangedTo(3, 3); // no day
    QCOMPARE(window->NotesPane()->toPlainText(), QString());
}

void TestRepbookDlg::workoutAreaFollowsSelection()
{
    AddDays(*m_database, {{Date(2007, 3, 5), {}, {"Legs"}}});
    auto window = OpenMarch();

    window->SelectDay(2, 1);
    window->Refresh(CRepbookDlg::KeepScroll);
    QCOMPARE(window->WorkoutAreaDay(), m_database->FindDay(Date(2007, 3, 5)));
    QCOMPARE(window->WorkoutAreaHint(), 0);

    window->SelectDay(2, 2);
    window->Refresh(CRepbookDlg::KeepScroll);
    QCOMPARE(window->WorkoutAreaDay(), nullptr);
    QCOMPARE(window->WorkoutAreaHint(), CRepbookDlg::HintNoWorkouts);

    window->SelectDay(1, 1);
    window->Refresh(CRepbookDlg::KeepScroll);
    QCOMPARE(window->WorkoutAreaDay(), nullptr);
    QCOMPARE(window->WorkoutAreaHint(), CRepbookDlg::HintOutsideRange);

    window->ExecuteCommand(CommandId::SelectAll);
    window->Refresh(CRepbookDlg::KeepScroll);
    QCOMPARE(window->WorkoutAreaDay(), nullptr);
    QCOMPARE(window->WorkoutAreaHint(), 0);
}

void TestRepbookDlg::caption_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("caption");

    QTest::newRow("none") << QString() << QString() << QStringLiteral("Repbook");
    QTest::newRow("both") << QStringLiteral("Anna") << QStringLiteral("Berg")
                          << QStringLiteral("Repbook - Anna Berg");
    QTest::newRow("first only") << QStringLiteral("Anna") << QString()
                                << QStringLiteral("Repbook - Anna");
    QTest::newRow("last only") << QString() << QStringLiteral("Berg") << QStringLiteral("Repbook");
}

void TestRepbookDlg::caption()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, caption);

    QCOMPARE(CRepbookDlg::Caption(first, last), caption);
    auto window = OpenMarch();
    QCOMPARE(window->windowTitle(), QStringLiteral("Repbook"));
    // Every refresh reads the names again.
    m_settings.Write(SettingsKeys::FirstName, first);
    m_settings.Write(SettingsKeys::LastName, last);
    window->ExecuteCommand(CommandId::Refresh);
    QCOMPARE(window->windowTitle(), caption);
}

void TestRepbookDlg::exitAnsweredNo()
{
    AddDays(*m_database, {{Date(2007, 3, 5), "notes", {"Legs"}}});
    auto window = OpenMarch();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    MessageBox::setNextAnswers({QMessageBox::No});
    window->close();

    QVERIFY(window->isVisible());
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Do you want to exit application?"));
    QCOMPARE(shown.at(0).icon, QMessageBox::Question);
    QCOMPARE(shown.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
    // Nothing written: no diary file, no column widths.
    QCOMPARE(DatabaseFolderEntries(), QStringList());
    QCOMPARE(m_settings.GetProfileInt(QStringLiteral("Columns"), QStringLiteral("Monday"), -7), -7);
}

void TestRepbookDlg::exitAnsweredYes()
{
    AddDays(*m_database, {{Date(2007, 3, 5), "notes", {"Legs"}}});
    auto window = OpenMarch();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    m_database->FindDay(Date(2007, 3, 5))->SetNotes(QStringLiteral("changed before exit"));
    MessageBox::setNextAnswers({QMessageBox::Yes});
    window->ExecuteCommand(CommandId::Exit);

    QVERIFY(!window->isVisible());
    QCOMPARE(MessageBox::takeShown().size(), 1);
    DiaryDatabase saved;
    QVERIFY(saved.Open(DataFolder::DatabasePath()));
    QCOMPARE(saved.GetDayCount(), 1);
    QCOMPARE(saved.GetDay(0)->GetNotes(), QStringLiteral("changed before exit"));
    QCOMPARE(saved.GetDay(0)->GetWorkout(0)->GetName(), QStringLiteral("Legs"));
    for (int weekday = 0; weekday < 7; ++weekday) {
        QCOMPARE(m_settings.Read(SettingsKeys::WeekdayColumns[weekday]),
                 window->Grid()->GetColumnWidth(weekday + 1));
        QVERIFY(window->Grid()->GetColumnWidth(weekday + 1) > 10);
    }
}

void TestRepbookDlg::sizeRememberedOnExit()
{
    auto window = OpenMarch();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->size().expandedTo(QSize(720, 560)), window->size());
    window->resize(760, 580);
    QTRY_COMPARE(window->size(), QSize(760, 580));
    // The stored size is the outer one, frame included.
    const QSize outer = window->frameGeometry().size();
    MessageBox::setNextAnswers({QMessageBox::Yes});
    window->ExecuteCommand(CommandId::Exit);
    QCOMPARE(MessageBox::takeShown().size(), 1);
    const QString section = SettingsKeys::DialogSection(CRepbookDlg::DialogId);
    QCOMPARE(section, QStringLiteral("66"));
    QCOMPARE(m_settings.GetProfileInt(section, QLatin1String(SettingsKeys::WindowWidth), 0),
             outer.width());
    QCOMPARE(m_settings.GetProfileInt(section, QLatin1String(SettingsKeys::WindowHeight), 0),
             outer.height());
    QCOMPARE(m_settings.GetProfileInt(section, QLatin1String(SettingsKeys::WindowMaximized), -1),
             0);

    auto reopened = OpenMarch();
    reopened->show();
    QVERIFY(QTest::qWaitForWindowExposed(reopened.get()));
    QTRY_COMPARE(reopened->size(), QSize(760, 580));
}

void TestRepbookDlg::returnAndEscapeNeverClose()
{
    auto window = OpenMarch();
    ShowAndActivate(*window);
    // Before the range: Return opens no day there, so no dialog waits for an answer.
    window->SelectDay(1, 1);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(window->Grid(), key);
        QTest::keyClick(window->RangeBox(), key);
        QTest::keyClick(window.get(), key);
    }
    window->accept();
    QVERIFY(window->isVisible());
    QCOMPARE(window->result(), 0);
    QCOMPARE(MessageBox::takeShown().size(), 0);
}

void TestRepbookDlg::keysReachTheirCommands()
{
    AddDays(*m_database, {{Date(2007, 3, 3), {}, {"Legs"}}, {Date(2007, 3, 28), {}, {"Chest"}}});
    auto window = OpenMarch();
    ShowAndActivate(*window);
    CGridCtrl *grid = window->Grid();

    QTest::keyClick(grid, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), (CCellID {5, 3}));
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), (CCellID {1, 6}));
    // The notes pane would take Ctrl+End for itself; the command comes first.
    window->NotesPane()->setFocus();
    QTest::keyClick(window->NotesPane(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), (CCellID {5, 3}));
    window->NotesPane()->setFocus();
    QTest::keyClick(window->NotesPane(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(grid->GetSelectedCellRange(), (CCellRange {1, 1, 5, 7}));
    QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), (CCellID {4, 2}));
    QWidget *calendarView = window->MiniCalendar()->findChild<QAbstractItemView *>();
    calendarView->setFocus();
    QTest::keyClick(calendarView, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), (CCellID {5, 3}));
    calendarView->setFocus();
    QTest::keyClick(calendarView, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), (CCellID {1, 6}));
    window->RangeBox()->setFocus();
    QTest::keyClick(window->RangeBox(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->GetFocusCell(), (CCellID {5, 3}));
}

void TestRepbookDlg::commandsEnabled()
{
    auto window = OpenMarch();
    // Undo and Redo wait for a step of the history.
    for (int id : window->Commands()->CommandIds())
        QVERIFY2(window->Commands()->Action(id)->isEnabled() !=
                     (id == CommandId::Undo || id == CommandId::Redo),
                 qPrintable(QString::number(id)));

    const QStringList buttons {QStringLiteral("View"),   QStringLiteral("Add"),
                               QStringLiteral("Remove"), QStringLiteral("Move"),
                               QStringLiteral("First"),  QStringLiteral("Previous"),
                               QStringLiteral("Next"),   QStringLiteral("Last"),
                               QStringLiteral("Editor"), QStringLiteral("Notes")};
    for (const QString &text : buttons)
        QVERIFY2(ButtonWithText(window.get(), text)->isEnabled(), qPrintable(text));

    // A button sends its command.
    AddDays(*m_database, {{Date(2007, 3, 3), {}, {"Legs"}}});
    window->SetRange(Date(2007, 3, 1), 31, CRepbookDlg::KeepScroll);
    ButtonWithText(window.get(), QStringLiteral("First"))->click();
    QCOMPARE(window->Grid()->GetFocusCell(), (CCellID {1, 6}));
}

void TestRepbookDlg::menuTexts_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("key");

    QTest::newRow("print preview")
        << int(CommandId::PrintPreview) << QStringLiteral("P&rint preview") << QKeySequence();
    QTest::newRow("print") << int(CommandId::Print) << QStringLiteral("&Print\tCtrl + P")
                           << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("exit") << int(CommandId::Exit) << QStringLiteral("E&xit") << QKeySequence();
    QTest::newRow("view") << int(CommandId::View) << QStringLiteral("View...\tReturn")
                          << QKeySequence(Qt::Key_Return);
    QTest::newRow("notes") << int(CommandId::Notes) << QStringLiteral("Notes...\tCtrl + N")
                           << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("add") << int(CommandId::AddWorkout) << QStringLiteral("&Add workout...\tIns")
                         << QKeySequence(Qt::Key_Insert);
    QTest::newRow("move") << int(CommandId::MoveSelected) << QStringLiteral("&Move selected")
                          << QKeySequence();
    QTest::newRow("remove") << int(CommandId::RemoveSelected)
                            << QStringLiteral("&Remove selected\tDel")
                            << QKeySequence(Qt::Key_Delete);
    QTest::newRow("today") << int(CommandId::Today) << QStringLiteral("Today\tCtrl + Return")
                           << QKeySequence(QStringLiteral("Ctrl+Return"));
    QTest::newRow("first") << int(CommandId::FirstDay) << QStringLiteral("First day\tCtrl + Home")
                           << QKeySequence(QStringLiteral("Ctrl+Home"));
    QTest::newRow("previous") << int(CommandId::PreviousDay)
                              << QStringLiteral("Previous day\tCtrl + Left")
                              << QKeySequence(QStringLiteral("Ctrl+Left"));
    QTest::newRow("next") << int(CommandId::NextDay) << QStringLiteral("Next day\tCtrl + Right")
                          << QKeySequence(QStringLiteral("Ctrl+Right"));
    QTest::newRow("last") << int(CommandId::LastDay) << QStringLiteral("Last day\tCtrl + End")
                          << QKeySequence(QStringLiteral("Ctrl+End"));
    QTest::newRow("refresh") << int(CommandId::Refresh) << QStringLiteral("&Refresh\tF5")
                             << QKeySequence(Qt::Key_F5);
    QTest::newRow("set range") << int(CommandId::SetRange) << QStringLiteral("Set range...")
                               << QKeySequence();
    QTest::newRow("selection to range")
        << int(CommandId::SelectionToRange) << QStringLiteral("&Selection to range\tCtrl + R")
        << QKeySequence(QStringLiteral("Ctrl+R"));
    QTest::newRow("editor") << int(CommandId::Editor) << QStringLiteral("&Editor...\tCtrl + E")
                            << QKeySequence(QStringLiteral("Ctrl+E"));
    QTest::newRow("apply") << int(CommandId::ApplyProgram)
                           << QStringLiteral("Apply program...\tCtrl + Space")
                           << QKeySequence(QStringLiteral("Ctrl+Space"));
    QTest::newRow("user") << int(CommandId::User) << QStringLiteral("User...") << QKeySequence();
    QTest::newRow("options") << int(CommandId::Options) << QStringLiteral("Options...")
                             << QKeySequence();
    QTest::newRow("about") << int(CommandId::About) << QStringLiteral("&About Repbook...")
                           << QKeySequence();
    QTest::newRow("select all") << int(CommandId::SelectAll) << QString()
                                << QKeySequence(QStringLiteral("Ctrl+A"));
    QTest::newRow("escape") << int(CommandId::Escape) << QString() << QKeySequence(Qt::Key_Escape);
}

void TestRepbookDlg::menuTexts()
{
    QFETCH(int, command);
    QFETCH(QString, text);
    QFETCH(QKeySequence, key);

    auto window = OpenMarch();
    const QAction *action = window->Commands()->Action(command);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), key);
    // Items with a text sit in the menu bar; the others are keys only.
    const QList<QObject *> holders = action->associatedObjects();
    const bool inMenu = std::any_of(holders.begin(), holders.end(), [](QObject *holder) {
        return qobject_cast<QMenu *>(holder) != nullptr;
    });
    QCOMPARE(inMenu, !text.isEmpty());
}

REPBOOK_TEST_MAIN(TestRepbookDlg)

#include "tst_repbookdlg.moc"
