#pragma once

#include "diary/CalendarColumns.h"
#include "diary/CalendarNavigation.h"
#include "diary/CalendarRange.h"
#include "editing/IDayCellOwner.h"
#include "model/IProgramApplyTarget.h"

#include <QList>

#include <memory>

class CGridCtrl;
class DayPreview;
class DiaryDatabase;
class MainMenu;
class SettingsStore;
class StatusImageSet;
class TrainingDay;

// The calendar of the display range: week rows of weekday cells in the grid, each cell bound to
// the diary's day of its date; the lookups between cells, dates and days; the selection and the
// moves from day to day; and the day preview, which follows the selection. Cells only refer to
// days, which the database owns, and BindCellDays is the one place that binds them all.
class CalendarView : public IDayCellOwner, public IProgramApplyTarget
{
public:
    static constexpr int DayCellType = 1;
    // Scroll requests of a new range or a refresh.
    static constexpr int KeepScroll = -1;
    static constexpr int ScrollToTop = 0;

    CalendarView(CGridCtrl *grid, const DiaryDatabase &database, SettingsStore &settings,
                 MainMenu &commands, DayPreview &preview);
    ~CalendarView() override;

    // The range: taking a new one, and building its week rows (RebuildGrid leaves the cells
    // without days until BindCellDays).
    void SetRange(const CalendarRange &range) { m_range = range; }
    const CalendarRange &Range() const { return m_range; }
    void RebuildGrid();
    // Binds every cell of the range to the day of its date, and cells outside it to none.
    void BindCellDays();
    // Binds one cell in the range to a day (or none) and redraws it.
    void SetCellDay(int row, int col, TrainingDay *day);

    // Lookups.
    DateValue DateAt(int row, int col) const override;
    CalendarCell CellOf(const DateValue &date) const;
    bool IsInRange(int row, int col) const override;
    TrainingDay *DayAt(int row, int col) const;
    CalendarCell FocusCell() const;
    QList<const TrainingDay *> SelectedDays() const;

    // Selection and moves.
    void SelectDay(int row, int col);
    void SelectCell(const CalendarCell &cell);
    void SelectAllDays();
    void GoToFirstDay();
    void GoToLastDay();
    void GoToNextDay();
    void GoToPreviousDay();
    void GoToToday();
    // The preview shows the focused day when one cell is selected, else nothing.
    void ShowSelectionInPreview();

    // Rows and columns.
    void UpdateLayout();
    CalendarColumns &Columns() { return m_columns; }

    // The status images of the cells and of the preview: shields or flags.
    bool UsesShields() const;
    void SetImageSet(bool shields);

    CGridCtrl *Grid() const { return m_grid; }

    // IDayCellOwner
    const StatusImageSet &DayCellImages() const override;
    QFont DayCellFont() const override;

    // IProgramApplyTarget
    bool CellHoldsDay(int row, int col) const override;
    void AttachDay(int row, int col, TrainingDay *day) override;

private:
    CalendarNavigation Navigation() const;
    void BindCell(int row, int col, TrainingDay *day);

    CGridCtrl *m_grid;
    const DiaryDatabase &m_database;
    DayPreview &m_preview;
    CalendarColumns m_columns;
    CalendarRange m_range;
    std::unique_ptr<StatusImageSet> m_images;
};
