#pragma once

#include "widgets/CCellID.h"
#include "widgets/CCellRange.h"

#include <QItemSelection>
#include <QItemSelectionModel>

class CGridCtrl;

// The selection and the focus cell of a grid (CGridCtrl), in grid coordinates. The data cells'
// selection is the table's item selection; the heading row keeps its own selected range, which
// it takes only when a range asked for includes it and loses when the item selection changes.
// The fixed column never takes the selection or the focus.
class GridSelection
{
public:
    // What the user's mouse or key may change; compared before and after to tell the grid's
    // listeners.
    struct State
    {
        CCellID focus;
        QItemSelection selection;
    };

    explicit GridSelection(CGridCtrl &grid);

    CCellRange SelectedRange() const;
    bool IsSelected(int row, int col) const;
    // Selects the range with flags (ClearAndSelect or Select), the heading row included.
    void Select(const CCellRange &range, QItemSelectionModel::SelectionFlags flags);
    void Clear();
    // The selected cells of the heading row; an invalid range: none.
    void SetHeading(const CCellRange &columns);
    void SetFocusCell(int row, int col);
    CCellID FocusCell() const;
    // The first column that is neither fixed nor hidden, or -1.
    int FirstFreeColumn() const;

    State Current() const;
    // Tells the grid's listeners of the focus cell when it or the selection differs from before.
    void EmitIfChanged(const State &before) const;

private:
    CGridCtrl &m_grid;
    CCellRange m_heading;
};
