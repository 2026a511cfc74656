#include "widgets/GridCellValues.h"

#include "widgets/CGridCellContext.h"
#include "widgets/CGridTable.h"

#include <QBrush>
#include <QTableWidgetItem>

QColor GridCellValues::ColourOf(const QVariant &value)
{
    if (!value.isValid())
        return QColor();
    if (value.userType() == QMetaType::QBrush)
        return value.value<QBrush>().color();
    return value.value<QColor>();
}

QVariant GridCellValues::ImageValue(const QPixmap *image)
{
    return image ? QVariant::fromValue(reinterpret_cast<quintptr>(image)) : QVariant();
}

const QPixmap *GridCellValues::ImageOf(const QVariant &value)
{
    return value.isValid() ? reinterpret_cast<const QPixmap *>(value.value<quintptr>()) : nullptr;
}

void GridCellValues::Read(const QTableWidgetItem &item, CGridCellContext &context)
{
    context.text = item.text();
    context.data = item.data(CGridTable::ItemDataRole);
    const QVariant font = item.data(Qt::FontRole);
    if (font.isValid())
        context.font = font.value<QFont>();
    context.bk = ColourOf(item.data(Qt::BackgroundRole));
    context.fg = ColourOf(item.data(Qt::ForegroundRole));
    const QVariant format = item.data(Qt::TextAlignmentRole);
    if (format.isValid())
        context.format = Qt::Alignment::fromInt(format.toInt());
    const QVariant image = item.data(CGridTable::ImageRole);
    if (image.isValid())
        context.image = ImageOf(image);
}
