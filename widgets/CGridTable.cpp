#include "widgets/CGridTable.h"

#include "widgets/CGridItem.h"
#include "widgets/GridCellValues.h"

#include <QHeaderView>

namespace {

using Values = GridCellValues;

} // namespace

CGridTable::CGridTable(QWidget *parent)
    : QTableWidget(parent)
    , m_geometry(*this)
{
}

// ---- Layout ---------------------------------------------------------------------------------

void CGridTable::SetFixedRowCount(int count)
{
    m_fixedRows = qBound(0, count, 1);
    horizontalHeader()->setVisible(m_fixedRows == 1);
    ++m_structureVersion;
}

void CGridTable::SetFixedColumnCount(int count)
{
    m_fixedCols = qBound(0, count, 1);
    ++m_structureVersion;
    viewport()->update();
}

int CGridTable::InsertColumn(const QString &heading, Qt::Alignment align)
{
    const int col = columnCount();
    ++m_structureVersion;
    insertColumn(col);
    auto *item = new QTableWidgetItem(heading);
    item->setTextAlignment(align);
    setHorizontalHeaderItem(col, item);
    m_columnFormats.append(align);
    return col;
}

int CGridTable::InsertRow()
{
    const int tableRow = rowCount();
    ++m_structureVersion;
    insertRow(tableRow);
    return tableRow + m_fixedRows;
}

bool CGridTable::DeleteRow(int row)
{
    if (row < m_fixedRows || row >= GetRowCount())
        return false;
    ++m_structureVersion;
    removeRow(TableRow(row));
    return true;
}

void CGridTable::SetColumnWidth(int col, int px)
{
    if (col < 0 || col >= columnCount())
        return;
    if (px <= 0) {
        setColumnHidden(col, true);
        return;
    }
    setColumnHidden(col, false);
    setColumnWidth(col, px);
}

int CGridTable::GetColumnWidth(int col) const
{
    if (col < 0 || col >= columnCount() || isColumnHidden(col))
        return 0;
    return columnWidth(col);
}

void CGridTable::SetRowHeight(int row, int px)
{
    if (row >= 0 && row < m_fixedRows) {
        horizontalHeader()->setFixedHeight(qMax(1, px));
        return;
    }
    if (row < m_fixedRows || row >= GetRowCount())
        return;
    const int tableRow = TableRow(row);
    setRowHidden(tableRow, px <= 0);
    if (px > 0)
        setRowHeight(tableRow, px);
}

int CGridTable::GetRowHeight(int row) const
{
    if (row >= 0 && row < m_fixedRows) {
        const QHeaderView *heading = horizontalHeader();
        if (heading->minimumHeight() > 0 && heading->minimumHeight() == heading->maximumHeight())
            return heading->minimumHeight();
        return heading->sizeHint().height();
    }
    if (row < m_fixedRows || row >= GetRowCount() || isRowHidden(TableRow(row)))
        return 0;
    return rowHeight(TableRow(row));
}

void CGridTable::AutoSizeColumn(int col)
{
    if (col >= 0 && col < columnCount() && !isColumnHidden(col))
        resizeColumnToContents(col);
}

void CGridTable::AutoSizeColumns()
{
    for (int col = 0; col < columnCount(); ++col)
        AutoSizeColumn(col);
}

void CGridTable::AutoSizeRows()
{
    resizeRowsToContents();
}

void CGridTable::SetGridBkColour(const QColor &colour)
{
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base,
                     colour.isValid() ? colour : this->palette().color(QPalette::Base));
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
    viewport()->update();
}

// ---- Cells ----------------------------------------------------------------------------------

bool CGridTable::IsValid(int row, int col) const
{
    return row >= 0 && row < GetRowCount() && col >= 0 && col < columnCount();
}

QModelIndex CGridTable::IndexOf(int row, int col) const
{
    if (row < m_fixedRows || !IsValid(row, col))
        return QModelIndex();
    return model()->index(TableRow(row), col);
}

CCellID CGridTable::CellOfIndex(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    return {index.row() + m_fixedRows, index.column()};
}

QTableWidgetItem *CGridTable::ItemOf(int row, int col) const
{
    if (!IsValid(row, col))
        return nullptr;
    if (row < m_fixedRows)
        return horizontalHeaderItem(col);
    return item(TableRow(row), col);
}

QTableWidgetItem *CGridTable::EnsureItem(int row, int col)
{
    if (!IsValid(row, col))
        return nullptr;
    if (QTableWidgetItem *existing = ItemOf(row, col))
        return existing;
    auto *created = new CGridItem;
    if (row < m_fixedRows)
        setHorizontalHeaderItem(col, created);
    else
        setItem(TableRow(row), col, created);
    return created;
}

void CGridTable::SetItemText(int row, int col, const QString &text)
{
    if (!IsValid(row, col))
        return;
    if (QTableWidgetItem *existing = ItemOf(row, col)) {
        existing->setText(text);
        return;
    }
    // A new item carries its text before it joins the table: one change instead of two.
    auto *created = new CGridItem(text);
    if (row < m_fixedRows)
        setHorizontalHeaderItem(col, created);
    else
        setItem(TableRow(row), col, created);
}

QString CGridTable::GetItemText(int row, int col) const
{
    const QTableWidgetItem *cell = ItemOf(row, col);
    return cell ? cell->text() : QString();
}

void CGridTable::SetItemData(int row, int col, const QVariant &data)
{
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setData(ItemDataRole, data);
}

QVariant CGridTable::GetItemData(int row, int col) const
{
    const QTableWidgetItem *cell = ItemOf(row, col);
    return cell ? cell->data(ItemDataRole) : QVariant();
}

void CGridTable::SetItemBkColour(int row, int col, const QColor &colour)
{
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setData(Qt::BackgroundRole, colour.isValid() ? QVariant(colour) : QVariant());
}

void CGridTable::SetItemFgColour(int row, int col, const QColor &colour)
{
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setData(Qt::ForegroundRole, colour.isValid() ? QVariant(colour) : QVariant());
}

void CGridTable::SetItemFont(int row, int col, const QFont &font)
{
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setData(Qt::FontRole, font);
}

void CGridTable::SetItemFormat(int row, int col, Qt::Alignment format)
{
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setTextAlignment(format);
}

void CGridTable::SetItemImage(int row, int col, const QPixmap *image)
{
    if (image == nullptr && ItemOf(row, col) == nullptr)
        return;
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setData(ImageRole, Values::ImageValue(image));
}

const QPixmap *CGridTable::GetItemImage(int row, int col) const
{
    const QTableWidgetItem *cell = ItemOf(row, col);
    return cell ? Values::ImageOf(cell->data(ImageRole)) : nullptr;
}

void CGridTable::SetItemProperty(int row, int col, int role, const QVariant &value)
{
    if (!value.isValid() && ItemOf(row, col) == nullptr)
        return;
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setData(role, value);
}

QVariant CGridTable::GetItemProperty(int row, int col, int role) const
{
    const QTableWidgetItem *cell = ItemOf(row, col);
    return cell ? cell->data(role) : QVariant();
}

void CGridTable::RedrawCell(int row, int col)
{
    if (row < m_fixedRows) {
        horizontalHeader()->viewport()->update();
        return;
    }
    const QModelIndex index = IndexOf(row, col);
    if (index.isValid())
        viewport()->update(visualRect(index));
}

void CGridTable::SetCellType(int row, int col, int typeId)
{
    if (row < m_fixedRows)
        return; // the heading row is drawn as the grid's header
    if (typeId == 0 && ItemOf(row, col) == nullptr)
        return;
    if (QTableWidgetItem *cell = EnsureItem(row, col))
        cell->setData(CellTypeRole, typeId == 0 ? QVariant() : QVariant(typeId));
}

int CGridTable::GetCellType(int row, int col) const
{
    const QTableWidgetItem *cell = ItemOf(row, col);
    return cell ? cell->data(CellTypeRole).toInt() : 0;
}

CGridCellContext CGridTable::ContextForIndex(const QModelIndex &index, const QRect &rect) const
{
    CGridCellContext c;
    c.grid = this;
    c.rect = rect;
    c.font = font();
    if (!index.isValid())
        return c;
    c.row = index.row() + m_fixedRows;
    c.col = index.column();
    c.fixed = IsCellFixed(c.row, c.col);
    c.focused = !c.fixed && index == currentIndex();
    c.selected = !c.fixed && selectionModel() && selectionModel()->isSelected(index);
    c.format = index.column() < m_columnFormats.size() ? m_columnFormats.at(index.column())
                                                       : (Qt::AlignLeft | Qt::AlignVCenter);
    if (const QTableWidgetItem *cell = item(index.row(), index.column()))
        Values::Read(*cell, c);
    return c;
}

CGridCellContext CGridTable::CellContext(int row, int col) const
{
    const QModelIndex index = IndexOf(row, col);
    return ContextForIndex(index, index.isValid() ? visualRect(index) : QRect());
}

bool CGridTable::IsCellFixed(int row, int col) const
{
    return row < m_fixedRows || col < m_fixedCols;
}
