#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QVariant>

class CGridTable;
class QPixmap;

// Everything a cell class needs to draw, measure or edit one cell. The grid fills it from the
// cell's stored values; colours that the cell does not set are invalid QColors.
struct CGridCellContext
{
    const CGridTable *grid = nullptr;
    int row = -1;
    int col = -1;
    QRect rect;
    QString text;
    QVariant data;
    QFont font;
    QColor bk;
    QColor fg;
    Qt::Alignment format = Qt::AlignLeft | Qt::AlignVCenter;
    bool selected = false;
    bool focused = false;
    bool fixed = false;
    const QPixmap *image = nullptr;
};
