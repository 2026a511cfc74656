#include "editing/CGridImageCell.h"

#include "editing/DayCellLayout.h"

#include <QPainter>

namespace {

constexpr int PreferredMargin = 5;

} // namespace

void CGridImageCell::Draw(QPainter *p, const CGridCellContext &c) const
{
    const DayCellLayout::Colours colours = DayCellLayout::ColoursFor(c);
    p->save();
    p->fillRect(c.rect, c.selected ? colours.highlight : c.bk);
    if (c.focused) {
        p->setPen(colours.focusFrame);
        p->setBrush(Qt::NoBrush);
        p->drawRect(c.rect.adjusted(0, 0, -1, -1));
    }
    if (c.image && !c.image->isNull()) {
        const QSize size = c.image->deviceIndependentSize().toSize();
        p->drawPixmap(ImageRect(c.rect, size), *c.image);
    }
    p->restore();
}

QSize CGridImageCell::PreferredSize(const CGridCellContext &c) const
{
    if (!c.image || c.image->isNull())
        return CGridCell::PreferredSize(c);
    return c.image->deviceIndependentSize().toSize() + QSize(PreferredMargin, PreferredMargin);
}

bool CGridImageCell::AllowsEdit() const
{
    return false;
}

QWidget *CGridImageCell::CreateEditor(QWidget *, const CGridCellContext &) const
{
    return nullptr;
}

QRect CGridImageCell::ImageRect(const QRect &cell, const QSize &imageSize)
{
    // Centre in the cell less a one-pixel border all round; the image keeps its own size so
    // that its pixels stay crisp.
    const QRect inner = cell.adjusted(DayCellLayout::BorderWidth, DayCellLayout::BorderHeight,
                                      -DayCellLayout::BorderWidth, -DayCellLayout::BorderHeight);
    const int centreX = inner.x() + inner.width() / 2;
    const int centreY = inner.y() + inner.height() / 2;
    return QRect(QPoint(centreX - imageSize.width() / 2, centreY - imageSize.height() / 2),
                 imageSize);
}
