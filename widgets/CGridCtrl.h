#pragma once

#include "widgets/CCellID.h"
#include "widgets/CCellRange.h"
#include "widgets/CGridCell.h"
#include "widgets/CGridCellContext.h"

#include <QHash>
#include <QItemSelection>
#include <QList>
#include <QPointer>
#include <QTableWidget>

#include <memory>

class CGridDelegate;

// A table of cells addressed in grid coordinates, which count the fixed cells: with one fixed
// row, row 0 is the heading row (shown as the horizontal header) and rows 1..N hold the data;
// with one fixed column, column 0 is a fixed column drawn like a heading (it may be hidden by
// giving it width 0) and never takes the selection or the focus. Each cell has a type; the cell
// class registered for it draws, measures and edits the cell through one delegate, so no cell
// owns a widget and large grids are built and painted quickly.
//
// A column width of 0 hides the column. The grid is editable by default; editing starts with F2,
// typing or a double click, Enter commits and Escape cancels.
class CGridCtrl : public QTableWidget
{
    Q_OBJECT

public:
    // Roles under which a cell keeps what the plain cell class draws.
    enum CellRole : int {
        ItemDataRole = Qt::UserRole,
        ImageRole = Qt::UserRole + 1, // const QPixmap *, not owned
        CellTypeRole = Qt::UserRole + 2,
        SpinRangeRole = Qt::UserRole + 3, // a spin cell's own range (see CSpinGridCell)
        FirstFreeRole = Qt::UserRole + 16, // roles from here on are free for cell classes
    };

    explicit CGridCtrl(QWidget *parent = nullptr);
    ~CGridCtrl() override;

    // Layout.
    void SetFixedRowCount(int count); // 0 or 1
    void SetFixedColumnCount(int count); // 0 or 1
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedCols; }
    void DeleteAllItems(); // every row and column; the fixed counts stay
    int InsertColumn(const QString &heading, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                     int col = -1);
    int InsertRow(const QString &heading = QString(), int row = -1);
    bool DeleteColumn(int col);
    bool DeleteRow(int row);
    int GetRowCount() const { return rowCount() + m_fixedRows; }
    int GetColumnCount() const { return columnCount(); }
    void SetColumnWidth(int col, int px);
    int GetColumnWidth(int col) const; // 0 = hidden
    void SetRowHeight(int row, int px);
    int GetRowHeight(int row) const;
    void SetDefaultRowHeight(int px);
    void AutoSizeColumn(int col);
    void AutoSizeColumns(); // every visible column to its contents
    void AutoSizeRows(); // every data row to its contents
    int ClientWidth() const; // the width the cells can use
    int ClientHeight() const;
    void SetGridBkColour(const QColor &colour); // the area outside the cells
    QColor GetGridBkColour() const;

    // Cells.
    bool IsValid(int row, int col) const;
    void SetItemText(int row, int col, const QString &text);
    QString GetItemText(int row, int col) const;
    void SetItemData(int row, int col, const QVariant &data);
    QVariant GetItemData(int row, int col) const;
    void SetItemBkColour(int row, int col, const QColor &colour = QColor());
    QColor GetItemBkColour(int row, int col) const;
    void SetItemFgColour(int row, int col, const QColor &colour = QColor());
    QColor GetItemFgColour(int row, int col) const;
    void SetItemFont(int row, int col, const QFont &font);
    QFont GetItemFont(int row, int col) const;
    void SetItemFormat(int row, int col, Qt::Alignment format);
    Qt::Alignment GetItemFormat(int row, int col) const;
    void SetItemImage(int row, int col, const QPixmap *image); // not owned; nullptr clears
    const QPixmap *GetItemImage(int row, int col) const;
    void RedrawCell(int row, int col);
    // Further values a cell class keeps per cell, under a role of its own.
    void SetItemProperty(int row, int col, int role, const QVariant &value);
    QVariant GetItemProperty(int row, int col, int role) const;

    // Cell classes: registered once, shared by every cell of their type. Type 0 is the plain
    // cell; a cell whose type has no class is drawn as a plain cell.
    void RegisterCellClass(int typeId, std::shared_ptr<CGridCell> cellClass);
    void SetCellType(int row, int col, int typeId);
    int GetCellType(int row, int col) const;
    const CGridCell &CellClassFor(int row, int col) const;
    CGridCellContext CellContext(int row, int col) const; // with the cell's current rectangle
    CGridCellContext ContextForIndex(const QModelIndex &index, const QRect &rect) const;
    QRect CellRect(int row, int col) const; // in viewport coordinates; empty when unknown
    CCellID CellAt(const QPoint &viewportPos) const;

    // Selection and focus.
    // The heading row takes the selection only when a range asked for includes it; it is then
    // drawn highlighted and its cells count as selected until the selection changes.
    CCellRange GetSelectedCellRange() const;
    bool IsCellSelected(int row, int col) const;
    void SetSelectedRange(const CCellRange &range);
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol);
    void AddSelectedRange(const CCellRange &range); // keeps what is already selected
    void ClearSelection();
    void SetFocusCell(int row, int col);
    void SetFocusCell(const CCellID &cell) { SetFocusCell(cell.row, cell.col); }
    CCellID GetFocusCell() const;
    void EnsureVisible(int row, int col);
    bool IsCellFixed(int row, int col) const;
    bool IsCellVisible(int row, int col) const;
    void SetListMode(bool on = true); // whole rows are selected
    bool GetListMode() const;
    void SetSingleSelection(bool on = true);
    bool GetSingleSelection() const;

    // In-place editing.
    void SetEditable(bool on = true);
    bool IsEditable() const { return m_editable; }
    bool IsCellEditable(int row, int col) const;
    bool EditCell(int row, int col); // opens the cell's editor when editing is allowed
    bool IsEditing() const { return m_editCell.IsValid(); }
    // Ends an open edit: the editor's text goes into the cell unless cancelled. False when no
    // edit was open.
    bool EndEditing(bool commit = true);
    CCellID GetEditingCell() const { return m_editCell; }

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
    struct SelectionState
    {
        CCellID focus;
        QItemSelection selection;
    };

    int TableRow(int row) const { return row - m_fixedRows; }
    QModelIndex IndexOf(int row, int col) const;
    QTableWidgetItem *ItemOf(int row, int col) const; // nullptr if the cell has none yet
    QTableWidgetItem *EnsureItem(int row, int col); // nullptr for cells outside the grid
    CCellID CellOfIndex(const QModelIndex &index) const;
    int FirstFreeColumn() const;
    SelectionState CurrentSelectionState() const;
    void SelectRange(const CCellRange &range, QItemSelectionModel::SelectionFlags flags);
    void EmitIfSelectionChanged(const SelectionState &before);
    void SetHeadingSelection(const CCellRange &columns); // an invalid range: none
    void OnHeaderContextMenu(const QPoint &pos);

    friend class CGridDelegate; // tells the grid which editor it opened

    CGridDelegate *m_delegate;
    QPointer<QWidget> m_editor;
    QHash<int, std::shared_ptr<CGridCell>> m_cellClasses;
    std::shared_ptr<CGridCell> m_plainCell;
    QList<Qt::Alignment> m_columnFormats;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    bool m_editable = true;
    CCellRange m_heading; // the selected cells of the heading row
    CCellID m_editCell;
    quint64 m_structureVersion = 0;
};
