#include "diary/CRepbookDlg.h"

#include "diary/ApplyingLock.h"
#include "diary/CAboutDlg.h"
#include "diary/CDisplayDlg.h"
#include "diary/COptionsSheet.h"
#include "diary/CUserDataDlg.h"
#include "diary/CalendarNavigation.h"
#include "diary/CommandIds.h"
#include "diary/ConflictsWindow.h"
#include "diary/DayOperations.h"
#include "diary/DiaryExchange.h"
#include "diary/DiaryFolderFlow.h"
#include "diary/DiaryHistory.h"
#include "diary/DiarySaving.h"
#include "diary/FindWindow.h"
#include "diary/MainMenu.h"
#include "diary/ProgressWindow.h"
#include "diary/RestoreFlow.h"
#include "diary/WindowHistory.h"
#include "editing/ApplyProgramFlow.h"
#include "editing/CCommentDlg.h"
#include "editing/CDayPrinter.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEditorDlg.h"
#include "editing/CWorkoutDayCell.h"
#include "editing/DayCellData.h"
#include "images/StatusImages.h"
#include "model/Clock.h"
#include "model/DiaryDatabase.h"
#include "model/TrainingDay.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"
#include "widgets/SessionEnd.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int Weekdays = CalendarRange::WeekdayCount;
// Width a weekday column is given when the column menu shows it; FitColumns then shares the
// grid among the shown columns, so only zero or not zero matters.
constexpr int ShownColumnWidth = SettingsKeys::DefaultColumnWidth;
constexpr QSize DesignedWindowSize(720, 560);
// Without a stored size the window opens large enough to read a month's labels and workouts.
constexpr QSize FirstOpenWindowSize(1240, 900);

} // namespace

CRepbookDlg::CRepbookDlg(SharedDiaryFile &file, QWidget *parent)
    : CResizingDialog(DialogId, parent)
    , m_file(file)
    , m_database(file.Database())
{
    m_commands = new MainMenu(this);
    m_dayOperations = std::make_unique<DayOperations>(*this, m_database);
    m_exchange = std::make_unique<DiaryExchange>(this, m_database);
    m_progress = new ProgressWindow(*this, m_database);
    BuildLayout();

    m_images = std::make_unique<StatusImageSet>(m_settings.Read(SettingsKeys::Image) <= 0,
                                                StatusImageSize::Large32);
    m_applyDelay = m_settings.Read(SettingsKeys::Delay) != 0;
    m_grid->RegisterCellClass(DayCellType, std::make_shared<CWorkoutDayCell>(this, false));

    ConnectSignals();
    RestoreRange();
    // The first-run user data dialog opens once the window shows (OfferUserData).
    Refresh(KeepScroll);

    m_saving = new DiarySaving(file, this,
                               {.isBusy = [this] { return IsBusy(); },
                                .commitEdits = [this] { CommitWorkoutAreaEdits(); },
                                .daysChanged = [this] { ShowDaysFromDisk(); }});
    m_history = WindowHistory::Create(
        *this, m_database, [this] { return IsBusy(); }, [this] { ShowDaysFromDisk(); });
    connect(m_history, &DiaryHistory::Changed, m_saving, &DiarySaving::SaveSoon);
    auto *sessionEnd = new SessionEnd(this);
    connect(sessionEnd, &SessionEnd::SaveRequested, m_saving, &DiarySaving::SaveQuietly);
    connect(sessionEnd, &SessionEnd::Ending, this, &CRepbookDlg::EndSession);
}

CRepbookDlg::~CRepbookDlg() = default;

void CRepbookDlg::BuildLayout()
{
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(4);
    for (CPictureButton *button : m_commands->CreateButtons(this))
        buttonRow->addWidget(button);
    buttonRow->addStretch(1);

    m_notesPane = new QPlainTextEdit(this);
    m_notesPane->setReadOnly(true);
    m_notesPane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab reaches the note too; it passes Tab on, being read-only.
    m_notesPane->setTabChangesFocus(true);
    m_notesPane->setAccessibleName(tr("Day note"));
    m_notesPane->setAccessibleDescription(tr("No note"));
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    m_notesPane->setFont(bold);

    m_grid = new CGridCtrl(this);
    m_grid->SetEditable(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->installEventFilter(this);
    // The arrow keys move among the days; Tab leaves the calendar.
    m_grid->setTabKeyNavigation(false);
    m_grid->setAccessibleName(tr("Training calendar"));

    m_rangeBox = new QComboBox(this);
    m_rangeBox->addItems(CalendarRange::PresetTexts());
    m_rangeBox->setAccessibleName(tr("Range"));

    m_miniCalendar = new CFPSMiniCalendarCtrl(this);
    m_miniCalendar->setAccessibleName(tr("Calendar"));
    m_miniCalendar->SetSpecialDatesMeaning(tr("dates in the range"));

    // The left column is as narrow as the mini calendar allows; the grid takes the rest.
    const int leftWidth = m_miniCalendar->minimumSizeHint().width();
    m_notesPane->setFixedWidth(leftWidth);
    m_rangeBox->setFixedWidth(leftWidth);

    // The day's workouts are shown, not edited, here; the menus of the grid stay.
    m_workoutArea = new CDayTabCtrl(this);
    m_workoutArea->setAccessibleName(tr("Workout area"));
    m_workoutArea->GetGrid()->SetEditable(false);
    m_workoutArea->GetGrid()->setTabKeyNavigation(false);
    // The calendar above takes the height; the area keeps what the column beside it needs.
    m_workoutArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_workoutArea->setMinimumHeight(150);

    auto *leftBottom = new QVBoxLayout;
    leftBottom->setSpacing(6);
    leftBottom->addWidget(m_rangeBox);
    leftBottom->addWidget(m_miniCalendar);

    auto *body = new QGridLayout;
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(8);
    body->addWidget(m_notesPane, 0, 0);
    body->addWidget(m_grid, 0, 1);
    body->addLayout(leftBottom, 1, 0);
    body->addWidget(m_workoutArea, 1, 1);
    body->setColumnStretch(1, 1);
    body->setRowStretch(0, 1);

    auto *top = new QVBoxLayout(this);
    top->setMenuBar(m_commands->MenuBar());
    top->addLayout(buttonRow);
    top->addLayout(body, 1);

    SetDesignedSize(DesignedWindowSize);
    SetFirstOpenSize(FirstOpenWindowSize);
}

void CRepbookDlg::ConnectSignals()
{
    connect(m_commands, &MainMenu::commandTriggered, this, &CRepbookDlg::ExecuteCommand);
    connect(m_grid, &CGridCtrl::selectionChangedTo, this, &CRepbookDlg::OnGridSelectionChanged);
    connect(m_grid, &CGridCtrl::cellDoubleClicked, this,
            [this] { ExecuteCommand(CommandId::View); });
    connect(m_grid, &CGridCtrl::cellRightClicked, this, &CRepbookDlg::OnGridRightClicked);
    connect(m_workoutArea, &CDayTabCtrl::hintDoubleClicked, this, &CRepbookDlg::OnWorkoutAreaHint);
    connect(m_rangeBox, &QComboBox::activated, this, &CRepbookDlg::ChooseRangePreset);
    connect(m_miniCalendar, &CFPSMiniCalendarCtrl::dateClicked, this,
            &CRepbookDlg::ChooseStartDate);
}

// ---- Display range ---------------------------------------------------------------------------

void CRepbookDlg::RestoreRange()
{
    // An unreadable stored range falls back to today and the default length instead of leaving
    // the calendar empty.
    const QString storedStart = m_settings.Read(SettingsKeys::RangeStartDate);
    DateValue start =
        storedStart.isEmpty() ? Clock::TodayValue() : CalendarRange::ParseStartDate(storedStart);
    if (!start.IsValid())
        start = Clock::TodayValue();
    int days = m_settings.Read(SettingsKeys::RangeDays);
    if (!CalendarRange(start, days).IsValid())
        days = SettingsKeys::RangeDays.defaultValue;

    const QDate shown = start.ToQDate();
    m_miniCalendar->SetCurrentDate(shown);
    m_miniCalendar->SetSelectedDates(shown, shown);
    m_miniCalendar->SetMonthShown(shown.month(), shown.year());
    m_miniCalendar->SetSpecialDateCallback(
        [this](const QDate &date) { return IsSpecialDate(date); });

    m_rangeBox->setCurrentIndex(CalendarRange::PresetIndexForDays(days));
    SetRange(start, days, ScrollToTop);
    GoToToday();
}

bool CRepbookDlg::SetRange(const DateValue &start, int days, int scroll)
{
    const CalendarRange range(start, days);
    if (!range.IsValid())
        return false;
    m_range = range;
    // The month calendar shows the month the range starts in, also when the range moves to a
    // date chosen elsewhere (an import, Find, the Progress window).
    const QDate shown = start.ToQDate();
    m_miniCalendar->SetMonthShown(shown.month(), shown.year());
    // On Linux a combo box is read by its current entry; the description tells the range.
    const QLocale english(QLocale::English);
    const QString format = QStringLiteral("d MMMM yyyy");
    m_rangeBox->setAccessibleDescription(tr("Range of the calendar: %1 to %2")
                                             .arg(english.toString(range.Start().ToQDate(), format),
                                                  english.toString(range.End().ToQDate(), format)));
    // Each write goes to disk at once, so only what changed is written.
    const QString startText = CalendarRange::FormatStartDate(start);
    if (m_settings.Read(SettingsKeys::RangeStartDate) != startText)
        m_settings.Write(SettingsKeys::RangeStartDate, startText);
    if (m_settings.Read(SettingsKeys::RangeDays) != days)
        m_settings.Write(SettingsKeys::RangeDays, days);
    RebuildGrid();
    Refresh(scroll);
    return true;
}

void CRepbookDlg::RebuildGrid()
{
    m_grid->setUpdatesEnabled(false);
    m_grid->DeleteAllItems();
    m_grid->InsertColumn(QString(), Qt::AlignCenter);
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        const int col = m_grid->InsertColumn(CalendarRange::WeekdayName(weekday),
                                             Qt::AlignHCenter | Qt::AlignVCenter);
        m_grid->SetColumnWidth(col, m_settings.Read(SettingsKeys::WeekdayColumns[weekday]));
    }
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(1);

    const DateValue today = Clock::TodayValue();
    for (int rowIndex = 1; rowIndex <= m_range.RowCount(); ++rowIndex) {
        const int row = m_grid->InsertRow(QString());
        for (int col = 1; col <= Weekdays; ++col) {
            m_grid->SetCellType(row, col, DayCellType);
            m_grid->SetItemText(row, col, CalendarRange::DayLabel(m_range.DateAt(row, col), today));
        }
    }
    BindCellDays();
    m_grid->SetColumnWidth(0, 0);
    m_grid->setUpdatesEnabled(true);
}

void CRepbookDlg::BindCellDays()
{
    // One snapshot lookup for all cells keeps a long range linear in its cells.
    const DiaryDatabase::DateIndex days = m_database.MakeDateIndex();
    for (int row = 1; row <= m_range.RowCount(); ++row) {
        for (int col = 1; col <= Weekdays; ++col) {
            const bool inRange = m_range.IsInRange(row, col);
            m_grid->SetItemData(
                row, col, CellDataFromDay(inRange ? days.Find(m_range.DateAt(row, col)) : nullptr));
        }
    }
}

DateValue CRepbookDlg::DateAt(int row, int col) const
{
    return m_range.DateAt(row, col);
}

CalendarCell CRepbookDlg::CellOf(const DateValue &date) const
{
    return m_range.CellOf(date);
}

bool CRepbookDlg::IsInRange(int row, int col) const
{
    return m_range.IsInRange(row, col);
}

TrainingDay *CRepbookDlg::DayAt(int row, int col) const
{
    if (!IsInRange(row, col))
        return nullptr;
    return DayFromCellData(m_grid->GetItemData(row, col));
}

void CRepbookDlg::Refresh(int scroll)
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    // The diary's days may have been replaced since the cells were bound (the start-up read
    // hands its days over after the window is built), so every refresh binds them again.
    BindCellDays();
    UpdateRowHeights();
    UpdateColumnMenuMarks();
    FitColumns();
    if (scroll == ScrollToTop)
        m_grid->scrollToTop();
    UpdateWorkoutArea();
    setWindowTitle(
        Caption(m_settings.Read(SettingsKeys::FirstName), m_settings.Read(SettingsKeys::LastName)));
    m_miniCalendar->Redraw();
    m_grid->setFocus();
    m_refreshing = false;
    emit diaryChanged();
}

void CRepbookDlg::UpdateRowHeights()
{
    // The week rows are as high as 0.8 of a column is wide. Whether the rows need a scroll bar
    // is decided here once, so the bar cannot come and go as the row heights follow the width.
    const int rows = m_range.RowCount();
    const int fullWidth = m_grid->width() - 2 * m_grid->frameWidth();
    const int available = m_grid->height() - 2 * m_grid->frameWidth() -
        m_grid->horizontalHeader()->sizeHint().height();
    int height = CalendarRange::WeekRowHeight(fullWidth);
    const bool needsScrollBar = rows * height > available;
    m_grid->setVerticalScrollBarPolicy(needsScrollBar ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    height = CalendarRange::WeekRowHeight(GridClientWidth());
    for (int row = 1; row <= rows; ++row)
        m_grid->SetRowHeight(row, height);
}

int CRepbookDlg::GridClientWidth() const
{
    int width = m_grid->width() - 2 * m_grid->frameWidth();
    if (m_grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        width -= m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    return qMax(0, width);
}

void CRepbookDlg::UpdateColumnMenuMarks()
{
    for (int weekday = 0; weekday < Weekdays; ++weekday)
        m_commands->ColumnAction(weekday)->setChecked(m_grid->GetColumnWidth(weekday + 1) != 0);
}

void CRepbookDlg::FitColumns()
{
    if (m_grid->GetColumnCount() <= Weekdays)
        return;
    m_grid->SetColumnWidth(0, 0);
    const int clientWidth = GridClientWidth();
    int shown = 0;
    int lastShown = 1;
    for (int col = 1; col <= Weekdays; ++col) {
        if (m_grid->GetColumnWidth(col) > 0) {
            ++shown;
            lastShown = col;
        }
    }
    if (shown == 0) {
        m_grid->SetColumnWidth(1, clientWidth);
        m_commands->ColumnAction(0)->setChecked(true);
    } else {
        const int width = clientWidth / shown;
        for (int col = 1; col <= Weekdays; ++col) {
            if (m_grid->GetColumnWidth(col) > 0)
                m_grid->SetColumnWidth(col, width);
        }
        // The pixels the division leaves go to the last shown column, so no gap remains.
        m_grid->SetColumnWidth(lastShown, width + clientWidth % shown);
    }
    UpdateColumnHeadings();
    m_grid->viewport()->update();
}

void CRepbookDlg::UpdateColumnHeadings()
{
    // When a weekday's name does not fit its column, every heading takes the short name.
    QFont headingFont = m_grid->horizontalHeader()->font();
    headingFont.setBold(true);
    const QFontMetrics metrics(headingFont);
    const int margins = 2 * m_grid->style()->pixelMetric(QStyle::PM_HeaderMargin);
    bool fit = true;
    for (int weekday = 0; weekday < Weekdays && fit; ++weekday) {
        const int width = m_grid->GetColumnWidth(weekday + 1);
        fit = width == 0 ||
            metrics.horizontalAdvance(CalendarRange::WeekdayName(weekday)) + margins <= width;
    }
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        m_grid->SetItemText(0, weekday + 1,
                            fit ? CalendarRange::WeekdayName(weekday)
                                : CalendarRange::WeekdayShortName(weekday));
    }
}

void CRepbookDlg::UpdateWorkoutArea()
{
    m_workoutAreaDay = nullptr;
    m_workoutAreaHint = 0;
    const CCellRange selection = m_grid->GetSelectedCellRange();
    const bool oneCell = selection.IsValid() && selection.minRow == selection.maxRow &&
        selection.minCol == selection.maxCol;
    if (!oneCell) {
        ShowInWorkoutArea();
        return;
    }
    const CalendarCell focus = FocusCell();
    if (IsInRange(focus.row, focus.col)) {
        m_workoutAreaDay = DayAt(focus.row, focus.col);
        m_workoutAreaHint = m_workoutAreaDay ? 0 : HintNoWorkouts;
        // The notes pane follows the selected day too, also at start.
        ShowNotesOf(m_workoutAreaDay);
        m_grid->EnsureVisible(focus.row, focus.col);
    } else {
        m_workoutAreaHint = HintOutsideRange;
    }
    ShowInWorkoutArea();
}

void CRepbookDlg::ShowInWorkoutArea()
{
    // The tabs are rebuilt only when the day or the images change, so the page shown stays.
    const bool shields = UsesShields();
    if (m_workoutArea->GetDay() != m_workoutAreaDay || m_workoutAreaShields != shields) {
        m_workoutAreaShields = shields;
        m_workoutArea->SetImageSet(shields);
        m_workoutArea->SetDay(m_workoutAreaDay);
    }
    m_workoutArea->SetHint(m_workoutAreaHint);
}

void CRepbookDlg::OnWorkoutAreaHint(int hintId)
{
    if (hintId == HintNoWorkouts)
        ExecuteCommand(CommandId::AddWorkout);
    else if (hintId == HintViewDay)
        ExecuteCommand(CommandId::View);
}

bool CRepbookDlg::IsSpecialDate(const QDate &date) const
{
    const QString storedStart = m_settings.Read(SettingsKeys::RangeStartDate);
    if (storedStart.isEmpty())
        return false;
    const DateValue start = CalendarRange::ParseStartDate(storedStart);
    const int days = m_settings.Read(SettingsKeys::RangeDaysHighlight);
    const DateValue value = DateValue::FromQDate(date);
    return start.IsValid() && value >= start && value <= start.AddDays(days);
}

void CRepbookDlg::ChooseRangePreset(int presetIndex)
{
    if (m_applying) {
        m_rangeBox->setCurrentIndex(CalendarRange::PresetIndexForDays(m_range.Days()));
        return;
    }
    if (presetIndex == CalendarRange::CustomPresetIndex) {
        OpenRangeDialog();
        return;
    }
    SetRange(m_range.Start(), CalendarRange::PresetDays(presetIndex), KeepScroll);
}

void CRepbookDlg::OpenRangeDialog()
{
    m_rangeBox->setCurrentIndex(CalendarRange::CustomPresetIndex);
    CDisplayDlg dialog(this);
    dialog.SetStart(m_range.Start());
    dialog.SetDays(m_range.Days());
    if (dialog.exec() == QDialog::Accepted &&
        SetRange(dialog.GetStart(), dialog.GetDays(), KeepScroll))
        return;
    // Nothing changed: the box names the range shown again.
    m_rangeBox->setCurrentIndex(CalendarRange::PresetIndexForDays(m_range.Days()));
}

void CRepbookDlg::ChooseStartDate(const QDate &date)
{
    if (m_applying)
        return;
    SetRange(DateValue::FromQDate(date), m_range.Days(), KeepScroll);
}

void CRepbookDlg::SelectionToRange()
{
    const CCellRange selection = m_grid->GetSelectedCellRange();
    if (!selection.IsValid())
        return;
    const auto ends = CalendarNavigation::SelectedEnds(
        qMax(1, selection.minRow), qMax(1, selection.minCol), selection.maxRow, selection.maxCol,
        [this](int row, int col) { return m_grid->IsCellSelected(row, col); });
    if (!ends)
        return;
    const std::optional<CalendarRange> range = CalendarRange::SelectionToRange(
        DateAt(ends->first.row, ends->first.col), DateAt(ends->second.row, ends->second.col));
    if (!range)
        return;
    SetRange(range->Start(), range->Days(), KeepScroll);
    GoToToday();
    m_rangeBox->setCurrentIndex(CalendarRange::CustomPresetIndex);
}

// ---- Columns -------------------------------------------------------------------------------

void CRepbookDlg::OnGridRightClicked(int row, int col, const QPoint &globalPos)
{
    if (!m_grid->IsCellFixed(row, col) || row != 0)
        return;
    const QAction *chosen = m_commands->ColumnMenu()->exec(globalPos);
    if (!chosen)
        return;
    ChooseColumnMenuItem(chosen->data().toInt() - CommandId::ColumnMonday);
}

void CRepbookDlg::ChooseColumnMenuItem(int weekdayIndex)
{
    if (weekdayIndex < 0 || weekdayIndex >= Weekdays || m_grid->GetColumnCount() <= Weekdays)
        return;
    bool shown[Weekdays];
    int shownCount = 0;
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        shown[weekday] = m_grid->GetColumnWidth(weekday + 1) != 0;
        shownCount += shown[weekday] ? 1 : 0;
    }
    // The last shown weekday stays.
    if (!shown[weekdayIndex])
        shown[weekdayIndex] = true;
    else if (shownCount >= 2)
        shown[weekdayIndex] = false;

    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        const int width = shown[weekday] ? ShownColumnWidth : 0;
        m_grid->SetColumnWidth(weekday + 1, width);
        m_settings.Write(SettingsKeys::WeekdayColumns[weekday], width);
        m_commands->ColumnAction(weekday)->setChecked(shown[weekday]);
    }
    FitColumns();
}

void CRepbookDlg::StoreWeekdayColumnWidths()
{
    if (m_grid->GetColumnCount() <= Weekdays)
        return;
    for (int weekday = 0; weekday < Weekdays; ++weekday) {
        m_settings.Write(SettingsKeys::WeekdayColumns[weekday],
                         m_grid->GetColumnWidth(weekday + 1));
    }
}

// ---- Selection and navigation ----------------------------------------------------------------

CalendarCell CRepbookDlg::FocusCell() const
{
    const CCellID focus = m_grid->GetFocusCell();
    return {focus.row, focus.col};
}

void CRepbookDlg::SelectDay(int row, int col)
{
    m_grid->SetSelectedRange(row, col, row, col);
    m_grid->SetFocusCell(row, col);
    m_grid->EnsureVisible(row, col);
    // The workout area follows at once: the cell's day, or the hint for a cell without one.
    UpdateWorkoutArea();
    ShowNotesOf(DayAt(row, col));
}

void CRepbookDlg::ShowDate(const QDate &date)
{
    // Never while a dialog or a program application holds days; a pending move is not aimed here.
    if (IsBusy())
        return;
    m_dayOperations->CancelMove();
    const DateValue value = DateValue::FromQDate(date);
    if (!CellOf(value).IsValid())
        SetRange(value, m_range.Days(), ScrollToTop);
    SelectCell(CellOf(value));
    Refresh(KeepScroll);
    activateWindow();
}

void CRepbookDlg::SelectCell(const CalendarCell &cell)
{
    if (cell.IsValid())
        SelectDay(cell.row, cell.col);
}

void CRepbookDlg::ShowNotesOf(const TrainingDay *day)
{
    const QString notes = day ? day->GetNotes() : QString();
    m_notesPane->setAccessibleDescription(notes.isEmpty() ? tr("No note") : notes);
    if (!day) {
        m_notesPane->clear();
        return;
    }
    m_notesPane->setPlainText(notes.isEmpty() ? NotesHint() : notes);
}

void CRepbookDlg::OnGridSelectionChanged(int row, int col)
{
    if (row >= 0 && col >= 0) {
        bool moved = false;
        if (m_dayOperations->IsMovePending() && IsInRange(row, col)) {
            const DateValue from = m_dayOperations->PendingMoveSource()->GetDate();
            m_history->Record(
                [this, from] {
                    return m_dayOperations->LastMoveKind() + QLatin1Char(' ') +
                        DiaryHistory::DatesText({from});
                },
                {from, DateAt(row, col)}, [&] { moved = m_dayOperations->MoveTo(row, col); });
        }
        if (!moved && IsInRange(row, col))
            ShowNotesOf(DayAt(row, col));
        m_grid->SetFocusCell(row, col);
    }
    m_dayOperations->CancelMove();
    Refresh(KeepScroll);
}

CalendarNavigation CRepbookDlg::Navigation() const
{
    return CalendarNavigation(
        m_range.RowCount(), [this](int row, int col) { return IsInRange(row, col); },
        [this](int row, int col) { return DayAt(row, col) != nullptr; });
}

void CRepbookDlg::GoToFirstDay()
{
    SelectCell(Navigation().First());
}

void CRepbookDlg::GoToLastDay()
{
    SelectCell(Navigation().Last());
}

void CRepbookDlg::GoToNextDay()
{
    SelectCell(Navigation().Next(FocusCell()));
}

void CRepbookDlg::GoToPreviousDay()
{
    SelectCell(Navigation().Previous(FocusCell()));
}

void CRepbookDlg::GoToToday()
{
    const CalendarCell cell = CellOf(Clock::TodayValue());
    if (cell.IsValid())
        SelectDay(cell.row, cell.col);
    else if (m_range.RowCount() > 0)
        SelectDay(1, 1);
}

void CRepbookDlg::SelectAllDays()
{
    if (m_range.RowCount() > 0)
        m_grid->SetSelectedRange(1, 1, m_range.RowCount(), Weekdays);
}

// ---- Commands --------------------------------------------------------------------------------

void CRepbookDlg::ExecuteCommand(int commandId)
{
    const QAction *action = m_commands->Action(commandId);
    if (!action || !action->isEnabled())
        return;
    switch (commandId) {
    case CommandId::Exit:
        CloseWindow();
        break;
    case CommandId::ImportFile:
        if (const auto added = m_exchange->Import([this](const std::function<void()> &change) {
                m_history->RecordAny(QStringLiteral("Import"), change);
            })) {
            Refresh(KeepScroll);
            m_saving->SaveNow();
            // The calendar shows the newest day that received something, and says what came.
            if (added->last.IsValid())
                ShowDate(added->last.ToQDate());
            MessageBox::Information(this, DiaryImport::AddedText(*added));
        }
        break;
    case CommandId::ExportFile:
        m_exchange->Export(SelectedDays());
        break;
    case CommandId::Notes:
        WindowHistory::OnFocus(*m_history, *this, QStringLiteral("Notes"), [this] { EditNotes(); });
        break;
    case CommandId::Undo:
        m_history->Undo();
        break;
    case CommandId::Redo:
        m_history->Redo();
        break;
    case CommandId::RestoreBackup:
        RestoreFlow::Run(this, m_file, *m_history);
        break;
    case CommandId::Today:
        GoToToday();
        break;
    case CommandId::FirstDay:
        GoToFirstDay();
        break;
    case CommandId::PreviousDay:
        GoToPreviousDay();
        break;
    case CommandId::NextDay:
        GoToNextDay();
        break;
    case CommandId::LastDay:
        GoToLastDay();
        break;
    case CommandId::Refresh:
        Refresh(KeepScroll);
        break;
    case CommandId::SetRange:
        OpenRangeDialog();
        break;
    case CommandId::SelectionToRange:
        SelectionToRange();
        break;
    case CommandId::SelectAll:
        SelectAllDays();
        break;
    case CommandId::User:
        EditUserData(false);
        break;
    case CommandId::Options:
        EditOptions();
        break;
    case CommandId::About:
        CAboutDlg(this).exec();
        break;
    case CommandId::Print:
        PrintSelection(false);
        break;
    case CommandId::PrintPreview:
        PrintSelection(true);
        break;
    case CommandId::View:
        ViewDay();
        break;
    case CommandId::AddWorkout:
        AddWorkoutToDay();
        break;
    case CommandId::RemoveSelected:
        WindowHistory::OnSelection(*m_history, *this, QStringLiteral("Remove"),
                                   [this] { m_dayOperations->Remove(); });
        break;
    case CommandId::MoveSelected:
        m_dayOperations->StartMove();
        break;
    case CommandId::Editor:
        OpenEditor();
        break;
    case CommandId::ApplyProgram:
        ApplyProgram(QString());
        break;
    case CommandId::Progress:
        m_progress->Open();
        break;
    case CommandId::Find:
        FindWindow::Open(*this, m_database);
        break;
    case CommandId::Conflicts:
        ConflictsWindow::Open(*this, m_file);
        break;
    case CommandId::Escape:
        // Stops a program being applied and forgets a move waiting for its target.
        m_stopApplying = true;
        m_dayOperations->CancelMove();
        break;
    default:
        break;
    }
}

void CRepbookDlg::AddWorkoutToDay()
{
    WindowHistory::OnFocus(*m_history, *this, QStringLiteral("Add workout"),
                           [this] { m_dayOperations->AddWorkoutToDay(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::ViewDay()
{
    WindowHistory::OnFocus(*m_history, *this, QStringLiteral("Edit"),
                           [this] { m_dayOperations->ViewDay(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::RemoveSelectedDays()
{
    WindowHistory::OnSelection(*m_history, *this, QStringLiteral("Remove"),
                               [this] { m_dayOperations->RemoveSelectedDays(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::RemoveFocusedDay()
{
    WindowHistory::OnFocus(*m_history, *this, QStringLiteral("Remove"),
                           [this] { m_dayOperations->RemoveFocusedDay(); });
    Refresh(KeepScroll);
}

void CRepbookDlg::OpenEditor()
{
    CEditorDlg editor(this, this);
    editor.exec();
    const QString fileName = editor.GetFileName();
    if (fileName.isEmpty())
        return;
    if (MessageBox::Question(
            this,
            QStringLiteral("Do you want to apply the last edited program to selected range?")) ==
        QMessageBox::Yes)
        ApplyProgram(fileName);
}

void CRepbookDlg::ApplyProgram(const QString &fileName)
{
    if (m_applying)
        return;
    ApplyProgramFlow::Request request;
    request.fileName = fileName;
    request.start = m_range.Start();
    request.days = m_range.Days();
    request.delay = m_applyDelay;
    m_dayOperations->CancelMove();
    {
        const QScopedValueRollback<bool> applying(m_applying, true);
        const ApplyingLock lock(*m_commands, {m_rangeBox, m_miniCalendar});
        const QList<DateValue> range = WindowHistory::RangeDates(request.start, request.days);
        m_history->Record(QStringLiteral("Apply program"), range, [&] {
            ApplyProgramFlow::Run(this, request, m_database, *this, m_stopApplying,
                                  [] { QCoreApplication::processEvents(); });
        });
    }
    m_stopApplying = true;
    Refresh(KeepScroll);
    if (std::exchange(m_closeAfterApplying, false))
        CloseWindow();
}

bool CRepbookDlg::CellHoldsDay(int row, int col) const
{
    return DayFromCellData(m_grid->GetItemData(row, col)) != nullptr;
}

void CRepbookDlg::AttachDay(int row, int col, TrainingDay *day)
{
    m_grid->SetItemData(row, col, CellDataFromDay(day));
    m_grid->EnsureVisible(row, col);
    m_grid->RedrawCell(row, col);
    m_grid->viewport()->repaint();
}

void CRepbookDlg::EditNotes()
{
    const CalendarCell focus = FocusCell();
    TrainingDay *day = DayAt(focus.row, focus.col);
    if (!day) {
        MessageBox::Information(this, QStringLiteral("To add notes select day first."));
        return;
    }
    CCommentDlg dialog(this);
    dialog.SetText(day->GetNotes());
    if (dialog.exec() != QDialog::Accepted)
        return;
    day->SetNotes(dialog.GetText());
    ShowNotesOf(day);
}

void CRepbookDlg::OfferUserData()
{
    if (m_settings.Read(SettingsKeys::Filled) == 0)
        EditUserData(true);
}

void CRepbookDlg::EditUserData(bool firstRun)
{
    if (CUserDataDlg::Edit(this, m_settings, firstRun))
        Refresh(KeepScroll);
}

bool CRepbookDlg::UsesShields() const
{
    return m_images->shields();
}

void CRepbookDlg::EditOptions()
{
    bool useShields = UsesShields();
    const auto chooseFolder = [this] {
        if (DiaryFolderFlow::Choose(this, m_file, m_settings))
            ShowDaysFromDisk();
    };
    if (!COptionsSheet::Edit(this, m_settings, useShields, m_applyDelay, chooseFolder))
        return;
    m_images = std::make_unique<StatusImageSet>(useShields, StatusImageSize::Large32);
    m_workoutArea->FollowWeightUnit();
    Refresh(KeepScroll);
    m_grid->viewport()->update();
}

QList<const TrainingDay *> CRepbookDlg::SelectedDays() const
{
    QList<const TrainingDay *> days;
    const CCellRange selected = m_grid->GetSelectedCellRange();
    if (!selected.IsValid()) {
        const CalendarCell focus = FocusCell();
        if (const TrainingDay *day = DayAt(focus.row, focus.col))
            days.append(day);
        return days;
    }
    for (int row = selected.minRow; row <= selected.maxRow; ++row) {
        for (int col = selected.minCol; col <= selected.maxCol; ++col) {
            const TrainingDay *day = m_grid->IsCellSelected(row, col) ? DayAt(row, col) : nullptr;
            if (day)
                days.append(day);
        }
    }
    return days;
}

void CRepbookDlg::PrintSelection(bool preview)
{
    if (!m_printer)
        m_printer = std::make_unique<CDayPrinter>(this);
    const QList<const TrainingDay *> days = SelectedDays();
    if (preview)
        m_printer->Preview(days);
    else
        m_printer->Print(days);
}

QString CRepbookDlg::Caption(const QString &firstName, const QString &lastName)
{
    QString caption = QStringLiteral("Repbook");
    if (firstName.isEmpty())
        return caption;
    caption += QStringLiteral(" - ") + firstName;
    if (!lastName.isEmpty())
        caption += QLatin1Char(' ') + lastName;
    return caption;
}

QString CRepbookDlg::NotesHint()
{
    return QStringLiteral("To add notes to selected day press \"Notes\" button.");
}

const StatusImageSet &CRepbookDlg::DayCellImages() const
{
    return *m_images;
}

QFont CRepbookDlg::DayCellFont() const
{
    return font();
}

// ---- Saving and closing ----------------------------------------------------------------------

bool CRepbookDlg::IsBusy() const
{
    const QWidget *modal = QApplication::activeModalWidget();
    return (modal && modal != this) || QApplication::activePopupWidget() || IsApplying() ||
        m_refreshing || m_workoutArea->GetGrid()->IsEditing();
}

void CRepbookDlg::CommitWorkoutAreaEdits()
{
    // Edits still in the workout area's grid count as changes of the diary from here on.
    m_workoutArea->WriteBack();
}

void CRepbookDlg::ShowDaysFromDisk()
{
    if (const TrainingDay *source = m_dayOperations->PendingMoveSource()) {
        bool stillThere = false;
        for (int i = 0; i < m_database.GetDayCount() && !stillThere; ++i)
            stillThere = m_database.GetDay(i) == source;
        if (!stillThere)
            m_dayOperations->CancelMove();
    }
    BindCellDays();
    UpdateWorkoutArea();
    // The same day object may hold other workouts now.
    if (m_workoutArea->GetDay())
        m_workoutArea->RebuildTabs();
    const CalendarCell focus = FocusCell();
    if (IsInRange(focus.row, focus.col))
        ShowNotesOf(DayAt(focus.row, focus.col));
    m_grid->viewport()->update();
    m_miniCalendar->Redraw();
    emit diaryChanged();
}

void CRepbookDlg::CloseWindow()
{
    if (m_applying) {
        // The walk stops first; the question comes once it has ended (ApplyProgram).
        m_stopApplying = true;
        m_closeAfterApplying = true;
        return;
    }
    if (MessageBox::Question(this, QStringLiteral("Do you want to exit application?")) !=
        QMessageBox::Yes)
        return;
    if (!m_saving->SaveBeforeExit())
        return;
    StoreWeekdayColumnWidths();
    m_saving->Stop();
    done(QDialog::Accepted);
}

void CRepbookDlg::EndSession()
{
    // As Exit does, without its questions: nobody is there to answer them.
    m_saving->SaveQuietly();
    m_saving->Stop();
    StoreWeekdayColumnWidths();
    // Every event loop ends, open dialogs' included, and with the main window's the program.
    QCoreApplication::exit(0);
}

void CRepbookDlg::accept()
{
    // The dialog's default action opens the focused day.
    ExecuteCommand(CommandId::View);
}

void CRepbookDlg::reject()
{
    // The close box and every other close request go the confirmed way.
    CloseWindow();
}

void CRepbookDlg::keyPressEvent(QKeyEvent *event)
{
    // Return and Escape belong to their commands; they never reach the dialog's default
    // handling, which would close the window.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        CResizingDialog::keyPressEvent(event);
    }
}

bool CRepbookDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::Resize && m_range.IsValid() &&
        m_range.Days() > 0)
        Refresh(KeepScroll);
    return CResizingDialog::eventFilter(watched, event);
}
