#pragma once

#include "widgets/CCellID.h"

#include <QPoint>
#include <QRect>

class CGridTable;

// Where a grid's cells (CGridTable, grid coordinates) are in its viewport: a cell's rectangle,
// the cell at a point, whether a cell shows, and scrolling one into view. The heading row is the
// horizontal header above the viewport and never scrolls away.
class GridCellGeometry
{
public:
    explicit GridCellGeometry(CGridTable &table);

    QRect CellRect(int row, int col) const; // empty when unknown
    CCellID CellAt(const QPoint &viewportPos) const;
    bool IsCellVisible(int row, int col) const;
    void EnsureVisible(int row, int col);

private:
    CGridTable &m_table;
};
