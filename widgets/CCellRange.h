#pragma once

#include "widgets/CCellID.h"

#include <QtGlobal>

// A rectangle of cells of a CGridCtrl in grid coordinates, both corners included.
struct CCellRange
{
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    bool IsValid() const
    {
        return minRow >= 0 && minCol >= 0 && maxRow >= minRow && maxCol >= minCol;
    }
    bool Contains(int row, int col) const
    {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    int RowCount() const { return IsValid() ? maxRow - minRow + 1 : 0; }
    int ColumnCount() const { return IsValid() ? maxCol - minCol + 1 : 0; }
    CCellID TopLeft() const { return {minRow, minCol}; }
    // The smallest range holding both; an invalid range adds nothing.
    CCellRange Joined(const CCellRange &other) const
    {
        if (!other.IsValid())
            return *this;
        if (!IsValid())
            return other;
        return {qMin(minRow, other.minRow), qMin(minCol, other.minCol), qMax(maxRow, other.maxRow),
                qMax(maxCol, other.maxCol)};
    }
    friend bool operator==(const CCellRange &, const CCellRange &) = default;
};
