#pragma once

#include "model/WeightUnit.h"

#include <array>

class CGridCtrl;
class QAction;
class QFont;
class QMenu;
class QPoint;
class QWidget;

// The columns of the workout grid (CDayTabCtrl): the cell class of each column and the room its
// in-place editor needs, the column menu whose ticks show and hide columns, the stored widths,
// and the layout that sizes the shown columns to their contents and fills the grid's width.
class ExerciseColumnLayout
{
public:
    // The column menu is a child of menuParent.
    ExerciseColumnLayout(CGridCtrl *grid, QWidget *menuParent);

    // The cell type of a column's cells (0: plain text).
    static int CellTypeOf(int column);
    // Registers the cell classes of the columns with the grid for weights in unit; font and bold
    // are the fonts the columns' cells are drawn in.
    void RegisterCellClasses(const QFont &font, const QFont &bold, WeightUnit unit);

    QMenu *Menu() const { return m_menu; }
    // The ticks and widths as stored.
    void ReadTicks();
    void StoreWidths();
    // Widths from the menu's ticks, the visible columns sized to their contents; with "Note"
    // shown (or a single column to read) the last visible column fills the width.
    void Layout();
    // Hides a shown column (while at least two of the columns after the status column are in
    // view) or shows a hidden one, and stores the widths.
    void Toggle(int column);
    // The column menu at the position; its choice toggles the column.
    void ShowMenu(const QPoint &globalPos);

private:
    int LayoutWidth() const;
    bool HasColumns() const;

    CGridCtrl *m_grid;
    QMenu *m_menu;
    std::array<QAction *, 8> m_actions {};
    std::array<int, 8> m_minimumWidths {}; // room for a column's in-place editor
};
