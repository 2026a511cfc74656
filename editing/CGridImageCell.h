#pragma once

#include "widgets/CGridCell.h"

class QPainter;

// A cell that shows one image centred (the status column of the exercise grids). The image is
// the cell's own image (SetItemImage), owned by whoever set it. The cell never opens an editor.
class CGridImageCell : public CGridCell
{
public:
    void Draw(QPainter *p, const CGridCellContext &c) const override;
    QSize PreferredSize(const CGridCellContext &c) const override;
    bool AllowsEdit() const override;
    QWidget *CreateEditor(QWidget *parent, const CGridCellContext &c) const override;

    // Where an image of the given size is drawn in the cell: centred in the cell less a border.
    static QRect ImageRect(const QRect &cell, const QSize &imageSize);
};
