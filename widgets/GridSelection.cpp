#include "widgets/GridSelection.h"

#include "widgets/CGridCtrl.h"

#include <QHeaderView>

GridSelection::GridSelection(CGridCtrl &grid)
    : m_grid(grid)
{
}

int GridSelection::FirstFreeColumn() const
{
    const int fixedCols = m_grid.m_fixedCols;
    for (int col = fixedCols; col < m_grid.columnCount(); ++col) {
        if (!m_grid.isColumnHidden(col))
            return col;
    }
    return fixedCols < m_grid.columnCount() ? fixedCols : -1;
}

CCellRange GridSelection::SelectedRange() const
{
    CCellRange range;
    const QItemSelectionModel *model = m_grid.selectionModel();
    if (!model)
        return range;
    const QItemSelection selection = model->selection();
    for (const QItemSelectionRange &part : selection) {
        const int left = qMax(part.left(), m_grid.m_fixedCols);
        if (part.isValid() && left <= part.right())
            range = range.Joined({part.top() + m_grid.m_fixedRows, left,
                                  part.bottom() + m_grid.m_fixedRows, part.right()});
    }
    return range.Joined(m_heading);
}

bool GridSelection::IsSelected(int row, int col) const
{
    if (row < m_grid.m_fixedRows && col >= m_grid.m_fixedCols)
        return m_heading.Contains(row, col);
    if (m_grid.IsCellFixed(row, col) || !m_grid.selectionModel())
        return false;
    const QModelIndex index = m_grid.IndexOf(row, col);
    return index.isValid() && m_grid.selectionModel()->isSelected(index);
}

void GridSelection::Select(const CCellRange &range, QItemSelectionModel::SelectionFlags flags)
{
    // Fixed cells take no place in the item selection; the heading row is kept on its own.
    const int fixedRows = m_grid.m_fixedRows;
    const int fixedCols = m_grid.m_fixedCols;
    const int lastColumn = m_grid.columnCount() - 1;
    CCellRange heading = flags.testFlag(QItemSelectionModel::Clear) ? CCellRange {} : m_heading;
    const int firstRow = qMax(range.minRow, fixedRows);
    const int lastRow = qMin(range.maxRow, m_grid.GetRowCount() - 1);
    const int firstCol = qMax(range.minCol, fixedCols);
    const int lastCol = qMin(range.maxCol, lastColumn);
    if (range.minRow < 0 || range.minCol < 0 || firstRow > lastRow || firstCol > lastCol) {
        if (flags.testFlag(QItemSelectionModel::Clear))
            m_grid.clearSelection();
    } else {
        const QItemSelection selection(m_grid.IndexOf(firstRow, firstCol),
                                       m_grid.IndexOf(lastRow, lastCol));
        if (m_grid.GetListMode())
            flags |= QItemSelectionModel::Rows;
        m_grid.selectionModel()->select(selection, flags);
    }
    if (range.minRow >= 0 && range.minRow < fixedRows && range.maxRow >= 0 && firstCol <= lastCol) {
        heading = heading.Joined(m_grid.GetListMode() ? CCellRange {0, fixedCols, 0, lastColumn}
                                                      : CCellRange {0, firstCol, 0, lastCol});
    }
    SetHeading(heading);
}

void GridSelection::Clear()
{
    m_grid.clearSelection();
    SetHeading({});
}

void GridSelection::SetHeading(const CCellRange &columns)
{
    const bool on = columns.IsValid();
    const bool changed = on != m_heading.IsValid();
    m_heading = columns;
    if (!changed)
        return;
    // The heading sections take the selection colours; their own colours still win.
    QPalette palette;
    if (on) {
        palette.setColor(QPalette::Button, m_grid.palette().color(QPalette::Highlight));
        palette.setColor(QPalette::ButtonText, m_grid.palette().color(QPalette::HighlightedText));
    }
    m_grid.horizontalHeader()->setPalette(palette);
}

void GridSelection::SetFocusCell(int row, int col)
{
    if (row < 0 || col < 0) {
        m_grid.selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    // A focus cell asked for among the fixed cells lands on the first cell beside them.
    if (row < m_grid.m_fixedRows)
        row = m_grid.m_fixedRows;
    if (col < m_grid.m_fixedCols)
        col = FirstFreeColumn();
    m_grid.selectionModel()->setCurrentIndex(m_grid.IndexOf(row, col),
                                             QItemSelectionModel::NoUpdate);
}

CCellID GridSelection::FocusCell() const
{
    return m_grid.CellOfIndex(m_grid.currentIndex());
}

GridSelection::State GridSelection::Current() const
{
    const QItemSelectionModel *model = m_grid.selectionModel();
    return {FocusCell(), model ? model->selection() : QItemSelection()};
}

void GridSelection::EmitIfChanged(const State &before) const
{
    const State after = Current();
    if (after.focus == before.focus && after.selection == before.selection)
        return;
    emit m_grid.selectionChangedTo(after.focus.row, after.focus.col);
}
