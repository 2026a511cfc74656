#pragma once

#include <QColor>
#include <QVariant>

class QPixmap;
class QTableWidgetItem;
struct CGridCellContext;

// How a grid cell's values are kept in its table item (CGridTable): colours as colour or brush
// roles, the image as a pointer that the item does not own, and the reading of everything an
// item sets into the context a cell class draws from.
class GridCellValues
{
public:
    // An invalid colour for an unset role.
    static QColor ColourOf(const QVariant &value);
    static QVariant ImageValue(const QPixmap *image); // nullptr: unset
    static const QPixmap *ImageOf(const QVariant &value);
    // The item's text, data, and the font, colours, format and image it sets, into context.
    static void Read(const QTableWidgetItem &item, CGridCellContext &context);
};
