#include "widgets/GridCellGeometry.h"

#include "widgets/CGridTable.h"

#include <QHeaderView>

GridCellGeometry::GridCellGeometry(CGridTable &table)
    : m_table(table)
{
}

QRect GridCellGeometry::CellRect(int row, int col) const
{
    if (!m_table.IsValid(row, col))
        return QRect();
    if (row < m_table.m_fixedRows) {
        const QHeaderView *heading = m_table.horizontalHeader();
        return QRect(heading->sectionViewportPosition(col), -heading->height(),
                     heading->sectionSize(col), heading->height());
    }
    return m_table.visualRect(m_table.IndexOf(row, col));
}

CCellID GridCellGeometry::CellAt(const QPoint &viewportPos) const
{
    return m_table.CellOfIndex(m_table.indexAt(viewportPos));
}

void GridCellGeometry::EnsureVisible(int row, int col)
{
    if (!m_table.IsValid(row, col) || m_table.rowCount() == 0)
        return;
    int tableRow = m_table.TableRow(row);
    if (row < m_table.m_fixedRows) {
        // The heading row never scrolls away: only bring the column into view.
        tableRow = qMax(0, m_table.rowAt(0));
    }
    m_table.scrollTo(m_table.model()->index(tableRow, col), QAbstractItemView::EnsureVisible);
}

bool GridCellGeometry::IsCellVisible(int row, int col) const
{
    if (!m_table.IsValid(row, col) || m_table.isColumnHidden(col))
        return false;
    const QWidget *viewport = m_table.viewport();
    const int x = m_table.columnViewportPosition(col);
    if (x + m_table.columnWidth(col) <= 0 || x >= viewport->width())
        return false;
    if (row < m_table.m_fixedRows)
        return !m_table.horizontalHeader()->isHidden();
    const int tableRow = m_table.TableRow(row);
    if (m_table.isRowHidden(tableRow))
        return false;
    const int y = m_table.rowViewportPosition(tableRow);
    return y + m_table.rowHeight(tableRow) > 0 && y < viewport->height();
}
