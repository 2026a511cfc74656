#pragma once

#include "diary/CalendarRange.h"

#include <functional>
#include <optional>
#include <utility>

// Movement between the day cells of the calendar in reading order: row by row from row 1, and
// within a row from column 1 to 7. A day cell is a cell of the range that holds a day; the
// owner answers both questions, so this class knows nothing of grids or the database.
class CalendarNavigation
{
public:
    using CellQuery = std::function<bool(int row, int col)>;

    CalendarNavigation(int rowCount, CellQuery isInRange, CellQuery holdsDay);

    // The first or last day cell; an invalid cell when the range holds no day.
    CalendarCell First() const;
    CalendarCell Last() const;
    // The day cell after (before) focus; from a focus outside the range, or past the last
    // (first) day cell, the search starts over at the first (last) day cell.
    CalendarCell Next(const CalendarCell &focus) const;
    CalendarCell Previous(const CalendarCell &focus) const;

    // The first and last cells in reading order inside the rectangle minRow..maxRow,
    // minCol..maxCol that isSelected accepts; nothing when none does.
    static std::optional<std::pair<CalendarCell, CalendarCell>>
    SelectedEnds(int minRow, int minCol, int maxRow, int maxCol, const CellQuery &isSelected);

private:
    bool IsDayCell(int row, int col) const;
    // Reading-order position of a cell, so cells can be compared and walked as one sequence.
    int Position(const CalendarCell &cell) const;
    CalendarCell CellAt(int position) const;
    CalendarCell Search(int from, int step) const;

    int m_rowCount;
    CellQuery m_isInRange;
    CellQuery m_holdsDay;
};
