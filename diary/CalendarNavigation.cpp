#include "diary/CalendarNavigation.h"

namespace {

constexpr int Columns = CalendarRange::WeekdayCount;

} // namespace

CalendarNavigation::CalendarNavigation(int rowCount, CellQuery isInRange, CellQuery holdsDay)
    : m_rowCount(rowCount)
    , m_isInRange(std::move(isInRange))
    , m_holdsDay(std::move(holdsDay))
{
}

CalendarCell CalendarNavigation::First() const
{
    return Search(0, 1);
}

CalendarCell CalendarNavigation::Last() const
{
    return Search(m_rowCount * Columns - 1, -1);
}

CalendarCell CalendarNavigation::Next(const CalendarCell &focus) const
{
    if (!m_isInRange(focus.row, focus.col))
        return First();
    const CalendarCell next = Search(Position(focus) + 1, 1);
    return next.IsValid() ? next : First();
}

CalendarCell CalendarNavigation::Previous(const CalendarCell &focus) const
{
    if (!m_isInRange(focus.row, focus.col))
        return Last();
    const CalendarCell previous = Search(Position(focus) - 1, -1);
    return previous.IsValid() ? previous : Last();
}

std::optional<std::pair<CalendarCell, CalendarCell>>
CalendarNavigation::SelectedEnds(int minRow, int minCol, int maxRow, int maxCol,
                                 const CellQuery &isSelected)
{
    std::optional<std::pair<CalendarCell, CalendarCell>> ends;
    for (int row = minRow; row <= maxRow; ++row) {
        for (int col = minCol; col <= maxCol; ++col) {
            if (!isSelected(row, col))
                continue;
            if (!ends)
                ends.emplace(CalendarCell {row, col}, CalendarCell {row, col});
            else
                ends->second = {row, col};
        }
    }
    return ends;
}

bool CalendarNavigation::IsDayCell(int row, int col) const
{
    return m_isInRange(row, col) && m_holdsDay(row, col);
}

int CalendarNavigation::Position(const CalendarCell &cell) const
{
    return (cell.row - 1) * Columns + (cell.col - 1);
}

CalendarCell CalendarNavigation::CellAt(int position) const
{
    return {position / Columns + 1, position % Columns + 1};
}

CalendarCell CalendarNavigation::Search(int from, int step) const
{
    const int count = m_rowCount * Columns;
    for (int position = from; position >= 0 && position < count; position += step) {
        const CalendarCell cell = CellAt(position);
        if (IsDayCell(cell.row, cell.col))
            return cell;
    }
    return {};
}
