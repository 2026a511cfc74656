#pragma once

#include "widgets/CCellID.h"
#include "widgets/CGridCellContext.h"
#include "widgets/GridCellGeometry.h"

#include <QList>
#include <QTableWidget>

// The cells of the grid (CGridCtrl) in grid coordinates, which count the fixed cells: with one
// fixed row, row 0 is the heading row (shown as the horizontal header) and rows 1..N hold the
// data; with one fixed column, column 0 is a fixed column drawn like a heading. It maps grid
// coordinates onto the table's items, lays out rows and columns, and keeps each cell's values
// (as GridCellValues stores them) and type; what a cell class needs to draw a cell comes from
// here (ContextForIndex). Where the cells are in the viewport is GridCellGeometry's.
class CGridTable : public QTableWidget
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

    explicit CGridTable(QWidget *parent = nullptr);

    // Layout.
    void SetFixedRowCount(int count); // 0 or 1
    void SetFixedColumnCount(int count); // 0 or 1
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedCols; }
    // Append a column (with its heading and the alignment of its cells) or a row; the index of
    // the new column or grid row.
    int InsertColumn(const QString &heading,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    int InsertRow();
    bool DeleteRow(int row);
    int GetRowCount() const { return rowCount() + m_fixedRows; }
    int GetColumnCount() const { return columnCount(); }
    void SetColumnWidth(int col, int px);
    int GetColumnWidth(int col) const; // 0 = hidden
    void SetRowHeight(int row, int px);
    int GetRowHeight(int row) const;
    void AutoSizeColumn(int col);
    void AutoSizeColumns(); // every visible column to its contents
    void AutoSizeRows(); // every data row to its contents
    void SetGridBkColour(const QColor &colour); // the area outside the cells

    // Cells.
    bool IsValid(int row, int col) const;
    void SetItemText(int row, int col, const QString &text);
    QString GetItemText(int row, int col) const;
    void SetItemData(int row, int col, const QVariant &data);
    QVariant GetItemData(int row, int col) const;
    void SetItemBkColour(int row, int col, const QColor &colour = QColor());
    void SetItemFgColour(int row, int col, const QColor &colour = QColor());
    void SetItemFont(int row, int col, const QFont &font);
    void SetItemFormat(int row, int col, Qt::Alignment format);
    void SetItemImage(int row, int col, const QPixmap *image); // not owned; nullptr clears
    const QPixmap *GetItemImage(int row, int col) const;
    void RedrawCell(int row, int col);
    // Further values a cell class keeps per cell, under a role of its own.
    void SetItemProperty(int row, int col, int role, const QVariant &value);
    QVariant GetItemProperty(int row, int col, int role) const;
    // The cell's type, which names its cell class (0: the plain cell).
    void SetCellType(int row, int col, int typeId);
    int GetCellType(int row, int col) const;
    CGridCellContext CellContext(int row, int col) const; // with the cell's current rectangle
    CGridCellContext ContextForIndex(const QModelIndex &index, const QRect &rect) const;
    // In viewport coordinates; empty when unknown.
    QRect CellRect(int row, int col) const { return m_geometry.CellRect(row, col); }
    CCellID CellAt(const QPoint &viewportPos) const { return m_geometry.CellAt(viewportPos); }
    bool IsCellFixed(int row, int col) const;
    bool IsCellVisible(int row, int col) const { return m_geometry.IsCellVisible(row, col); }
    void EnsureVisible(int row, int col) { m_geometry.EnsureVisible(row, col); }

protected:
    int TableRow(int row) const { return row - m_fixedRows; }
    QModelIndex IndexOf(int row, int col) const;
    QTableWidgetItem *ItemOf(int row, int col) const; // nullptr if the cell has none yet
    QTableWidgetItem *EnsureItem(int row, int col); // nullptr for cells outside the grid
    CCellID CellOfIndex(const QModelIndex &index) const;

    QList<Qt::Alignment> m_columnFormats;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    // Counts every change of rows and columns, so an edit that ends can tell whether the grid
    // was rebuilt meanwhile.
    quint64 m_structureVersion = 0;

private:
    friend class GridCellGeometry; // maps grid coordinates as the table does

    GridCellGeometry m_geometry;
};
