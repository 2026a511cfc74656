#include "diary/CalendarView.h"

#include "diary/DayPreview.h"
#include "editing/CWorkoutDayCell.h"
#include "editing/DayCellData.h"
#include "images/StatusImages.h"
#include "model/Clock.h"
#include "model/DiaryDatabase.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"

#include <QCoreApplication>

namespace {

constexpr int Weekdays = CalendarRange::WeekdayCount;

} // namespace

CalendarView::CalendarView(CGridCtrl *grid, const DiaryDatabase &database, SettingsStore &settings,
                           MainMenu &commands, DayPreview &preview)
    : m_grid(grid)
    , m_database(database)
    , m_preview(preview)
    , m_columns(grid, settings, commands)
{
    m_grid->SetEditable(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The arrow keys move among the days; Tab leaves the calendar.
    m_grid->setTabKeyNavigation(false);
    m_grid->setAccessibleName(QCoreApplication::translate("CRepbookDlg", "Training calendar"));
    SetImageSet(settings.Read(SettingsKeys::Image) <= 0);
    m_grid->RegisterCellClass(DayCellType, std::make_shared<CWorkoutDayCell>(this, false));
}

CalendarView::~CalendarView() = default;

// ---- Cells and days --------------------------------------------------------------------------

void CalendarView::RebuildGrid()
{
    m_grid->setUpdatesEnabled(false);
    m_grid->DeleteAllItems();
    m_columns.AddColumns();
    const DateValue today = Clock::TodayValue();
    for (int rowIndex = 1; rowIndex <= m_range.RowCount(); ++rowIndex) {
        const int row = m_grid->InsertRow();
        for (int col = 1; col <= Weekdays; ++col) {
            m_grid->SetCellType(row, col, DayCellType);
            m_grid->SetItemText(row, col, CalendarRange::DayLabel(m_range.DateAt(row, col), today));
        }
    }
    m_grid->SetColumnWidth(0, 0);
    m_grid->setUpdatesEnabled(true);
}

void CalendarView::BindCellDays()
{
    // One snapshot lookup for all cells keeps a long range linear in its cells.
    const DiaryDatabase::DateIndex days = m_database.MakeDateIndex();
    for (int row = 1; row <= m_range.RowCount(); ++row) {
        for (int col = 1; col <= Weekdays; ++col) {
            const bool inRange = m_range.IsInRange(row, col);
            BindCell(row, col, inRange ? days.Find(m_range.DateAt(row, col)) : nullptr);
        }
    }
}

void CalendarView::BindCell(int row, int col, TrainingDay *day)
{
    m_grid->SetItemData(row, col, CellDataFromDay(day));
}

void CalendarView::SetCellDay(int row, int col, TrainingDay *day)
{
    if (!IsInRange(row, col))
        return;
    BindCell(row, col, day);
    m_grid->RedrawCell(row, col);
}

bool CalendarView::CellHoldsDay(int row, int col) const
{
    return DayFromCellData(m_grid->GetItemData(row, col)) != nullptr;
}

void CalendarView::AttachDay(int row, int col, TrainingDay *day)
{
    BindCell(row, col, day);
    m_grid->EnsureVisible(row, col);
    m_grid->RedrawCell(row, col);
    m_grid->viewport()->repaint();
}

// ---- Lookups ---------------------------------------------------------------------------------

DateValue CalendarView::DateAt(int row, int col) const
{
    return m_range.DateAt(row, col);
}

CalendarCell CalendarView::CellOf(const DateValue &date) const
{
    return m_range.CellOf(date);
}

bool CalendarView::IsInRange(int row, int col) const
{
    return m_range.IsInRange(row, col);
}

TrainingDay *CalendarView::DayAt(int row, int col) const
{
    if (!IsInRange(row, col))
        return nullptr;
    return DayFromCellData(m_grid->GetItemData(row, col));
}

CalendarCell CalendarView::FocusCell() const
{
    const CCellID focus = m_grid->GetFocusCell();
    return {focus.row, focus.col};
}

QList<const TrainingDay *> CalendarView::SelectedDays() const
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

// ---- Selection and moves ---------------------------------------------------------------------

void CalendarView::SelectDay(int row, int col)
{
    m_grid->SetSelectedRange(row, col, row, col);
    m_grid->SetFocusCell(row, col);
    m_grid->EnsureVisible(row, col);
    // The workout area follows at once: the cell's day, or the hint for a cell without one.
    ShowSelectionInPreview();
    m_preview.ShowNotesOf(DayAt(row, col));
}

void CalendarView::SelectCell(const CalendarCell &cell)
{
    if (cell.IsValid())
        SelectDay(cell.row, cell.col);
}

void CalendarView::SelectAllDays()
{
    if (m_range.RowCount() > 0)
        m_grid->SetSelectedRange(1, 1, m_range.RowCount(), Weekdays);
}

CalendarNavigation CalendarView::Navigation() const
{
    return CalendarNavigation(
        m_range.RowCount(), [this](int row, int col) { return IsInRange(row, col); },
        [this](int row, int col) { return DayAt(row, col) != nullptr; });
}

void CalendarView::GoToFirstDay()
{
    SelectCell(Navigation().First());
}

void CalendarView::GoToLastDay()
{
    SelectCell(Navigation().Last());
}

void CalendarView::GoToNextDay()
{
    SelectCell(Navigation().Next(FocusCell()));
}

void CalendarView::GoToPreviousDay()
{
    SelectCell(Navigation().Previous(FocusCell()));
}

void CalendarView::GoToToday()
{
    const CalendarCell cell = CellOf(Clock::TodayValue());
    if (cell.IsValid())
        SelectDay(cell.row, cell.col);
    else if (m_range.RowCount() > 0)
        SelectDay(1, 1);
}

void CalendarView::ShowSelectionInPreview()
{
    TrainingDay *day = nullptr;
    int hint = 0;
    const CCellRange selection = m_grid->GetSelectedCellRange();
    const bool oneCell = selection.IsValid() && selection.minRow == selection.maxRow &&
        selection.minCol == selection.maxCol;
    if (oneCell) {
        const CalendarCell focus = FocusCell();
        if (IsInRange(focus.row, focus.col)) {
            day = DayAt(focus.row, focus.col);
            hint = day ? 0 : DayPreview::HintNoWorkouts;
            // The notes pane follows the selected day too, also at start.
            m_preview.ShowNotesOf(day);
            m_grid->EnsureVisible(focus.row, focus.col);
        } else {
            hint = DayPreview::HintOutsideRange;
        }
    }
    m_preview.Show(day, hint, UsesShields());
}

// ---- Layout and images -----------------------------------------------------------------------

void CalendarView::UpdateLayout()
{
    m_columns.UpdateRowHeights(m_range.RowCount());
    m_columns.UpdateMenuMarks();
    m_columns.Fit();
}

bool CalendarView::UsesShields() const
{
    return m_images->shields();
}

void CalendarView::SetImageSet(bool shields)
{
    m_images = std::make_unique<StatusImageSet>(shields, StatusImageSize::Large32);
}

const StatusImageSet &CalendarView::DayCellImages() const
{
    return *m_images;
}

QFont CalendarView::DayCellFont() const
{
    // The window's font, which the grid lives in.
    return m_grid->window()->font();
}
