#pragma once

#include <QStyledItemDelegate>

// Draws an item's text on one line with a part of it marked, as a search shows what it found.
// The model gives the marked part's start and length in the display text (HighlightStartRole,
// HighlightLengthRole). When the marked part would lie beyond the column's width, the text is
// shown from shortly before it, behind an ellipsis.
class CHighlightDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int HighlightStartRole = Qt::UserRole + 40;
    static constexpr int HighlightLengthRole = Qt::UserRole + 41;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
