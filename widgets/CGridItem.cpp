#include "widgets/CGridItem.h"

#include "widgets/CGridCtrl.h"

CGridItem::CGridItem(const QString &text)
    : QTableWidgetItem(text)
{
}

QVariant CGridItem::data(int role) const
{
    const QVariant stored = QTableWidgetItem::data(role);
    if ((role != Qt::AccessibleTextRole && role != Qt::AccessibleDescriptionRole) ||
        stored.isValid())
        return stored;
    const auto *grid = qobject_cast<const CGridCtrl *>(tableWidget());
    if (grid == nullptr || row() < 0)
        return stored;
    const int gridRow = row() + grid->GetFixedRowCount();
    const CGridCellContext context = grid->CellContext(gridRow, column());
    const CGridCell &cell = grid->CellClassFor(gridRow, column());
    const QString text = role == Qt::AccessibleTextRole ? cell.AccessibleName(context)
                                                        : cell.AccessibleDescription(context);
    return text.isEmpty() ? stored : QVariant(text);
}

QTableWidgetItem *CGridItem::clone() const
{
    return new CGridItem(*this);
}
