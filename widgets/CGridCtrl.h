#pragma once

#include "widgets/CCellID.h"
#include "widgets/CCellRange.h"
#include "widgets/CGridCell.h"
#include "widgets/CGridCellContext.h"
#include "widgets/CGridTable.h"
#include "widgets/GridCellClasses.h"
#include "widgets/GridEditing.h"
#include "widgets/GridSelection.h"

#include <memory>

class CGridDelegate;

// A table of cells addressed in grid coordinates (CGridTable), which count the fixed cells: with
// one fixed row, row 0 is the heading row (shown as the horizontal header) and rows 1..N hold the
// data; with one fixed column, column 0 is a fixed column drawn like a heading (it may be hidden
// by giving it width 0) and never takes the selection or the focus. Each cell has a type; the
// cell class registered for it draws, measures and edits the cell through one delegate, so no
// cell owns a widget and large grids are built and painted quickly. This class adds the cell
// classes, the selection and focus, in-place editing and the mouse and keyboard to the cells.
//
// A column width of 0 hides the column. The grid is editable by default; editing starts with F2,
// typing or a double click, Enter commits and Escape cancels.
class CGridCtrl : public CGridTable
{
    Q_OBJECT

public:
    explicit CGridCtrl(QWidget *parent = nullptr);
    ~CGridCtrl() override;

    void DeleteAllItems(); // every row and column; the fixed counts stay

    // Cell classes: registered once, shared by every cell of their type. Type 0 is the plain
    // cell; a cell whose type has no class is drawn as a plain cell.
    void RegisterCellClass(int typeId, std::shared_ptr<CGridCell> cellClass);
    const CGridCell &CellClassFor(int row, int col) const;

    // Selection and focus.
    // The heading row takes the selection only when a range asked for includes it; it is then
    // drawn highlighted and its cells count as selected until the selection changes.
    CCellRange GetSelectedCellRange() const;
    bool IsCellSelected(int row, int col) const;
    void SetSelectedRange(const CCellRange &range);
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol);
    void ClearSelection();
    void SetFocusCell(int row, int col);
    void SetFocusCell(const CCellID &cell) { SetFocusCell(cell.row, cell.col); }
    CCellID GetFocusCell() const;
    void SetListMode(bool on = true); // whole rows are selected
    bool GetListMode() const;

    // In-place editing.
    void SetEditable(bool on = true) { m_editing.SetEditable(on); }
    bool IsEditable() const { return m_editing.IsEditable(); }
    bool IsCellEditable(int row, int col) const { return m_editing.IsCellEditable(row, col); }
    // Opens the cell's editor when editing is allowed.
    bool EditCell(int row, int col) { return m_editing.EditCell(row, col); }
    bool IsEditing() const { return m_editing.IsEditing(); }
    // Ends an open edit: the editor's text goes into the cell unless cancelled. False when no
    // edit was open.
    bool EndEditing(bool commit = true) { return m_editing.End(commit); }
    CCellID GetEditingCell() const { return m_editing.Cell(); }
    // Enter on an editable cell opens its editor, as F2 does (off by default).
    void SetEnterEdits(bool on = true) { m_editing.SetEnterEdits(on); }

signals:
    // The focus cell after the user changed the focus or the selection by mouse or keyboard.
    void selectionChangedTo(int row, int col);
    // Cell signals carry grid coordinates. A right click on the heading row gives row 0; the
    // heading row sends no double clicks.
    void cellDoubleClicked(int row, int col);
    void cellRightClicked(int row, int col, QPoint globalPos);
    void editBegun(int row, int col);
    void editEnded(int row, int col);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void OnHeaderContextMenu(const QPoint &pos);

    // The collaborators reach the view's protected parts through the grid.
    friend class CGridDelegate;
    friend class GridEditing;
    friend class GridSelection;

    CGridDelegate *m_delegate;
    GridCellClasses m_cellClasses;
    GridSelection m_selection;
    GridEditing m_editing;
};
