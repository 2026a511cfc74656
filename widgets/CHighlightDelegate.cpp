#include "widgets/CHighlightDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {

// Horizontal room left and right of the text, as the style's own item text has.
int TextMargin(const QStyle *style, const QWidget *widget)
{
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

} // namespace

void CHighlightDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const int margin = TextMargin(style, widget);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                           .adjusted(margin, 0, -margin, 0);
    const qsizetype start =
        std::clamp<qsizetype>(index.data(HighlightStartRole).toInt(), 0, text.size());
    const qsizetype length =
        std::clamp<qsizetype>(index.data(HighlightLengthRole).toInt(), 0, text.size() - start);
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
        : (item.state & QStyle::State_Active)                                ? QPalette::Active
                                                                             : QPalette::Inactive;
    const QColor textColour =
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    QFont bold = item.font;
    bold.setBold(true);
    const QFontMetrics plain(item.font);
    const QFontMetrics strong(bold);

    QString before = text.first(start);
    const QString marked = text.sliced(start, length);
    QString after = text.sliced(start + length);
    const int markedWidth = strong.horizontalAdvance(marked);
    // Keep the marked part in view: what comes before it gets at most a third of the width.
    if (plain.horizontalAdvance(before) + markedWidth > area.width())
        before = plain.elidedText(before, Qt::ElideLeft, area.width() / 3);

    painter->save();
    painter->setClipRect(area);
    int x = area.left();
    const auto draw = [&](const QString &part, const QFont &font, int width) {
        painter->setFont(font);
        painter->drawText(QRect(x, area.top(), width, area.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, part);
        x += width;
    };
    painter->setPen(textColour);
    draw(before, item.font, plain.horizontalAdvance(before));
    if (!marked.isEmpty()) {
        const int height = strong.height();
        const QRect box(x - 1, area.center().y() - height / 2, markedWidth + 2, height);
        if (selected) {
            painter->setPen(textColour);
            painter->drawRect(box.adjusted(0, 0, -1, -1));
        } else {
            // A tint of the selection colour over the base keeps the text colour readable in
            // light and dark palettes alike.
            QColor tint = item.palette.color(group, QPalette::Highlight);
            tint.setAlpha(70);
            painter->fillRect(box, tint);
        }
        painter->setPen(textColour);
        draw(marked, bold, markedWidth);
    }
    draw(plain.elidedText(after, Qt::ElideRight, std::max(0, area.right() + 1 - x)), item.font,
         std::max(0, area.right() + 1 - x));
    painter->restore();
}
