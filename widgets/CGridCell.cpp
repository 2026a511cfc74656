#include "widgets/CGridCell.h"

#include "widgets/CGridCtrl.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

namespace {

QPalette::ColorGroup GroupOf(const CGridCellContext &c)
{
    if (c.grid == nullptr)
        return QPalette::Active;
    return c.grid->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

QPalette PaletteOf(const CGridCellContext &c)
{
    return c.grid ? c.grid->palette() : QApplication::palette();
}

} // namespace

QColor CGridCell::BackgroundColour(const CGridCellContext &c)
{
    const QPalette palette = PaletteOf(c);
    if (c.fixed)
        return palette.color(GroupOf(c), QPalette::Button);
    if (c.selected)
        return palette.color(GroupOf(c), QPalette::Highlight);
    return c.bk; // invalid: the grid's own background shows through
}

QColor CGridCell::TextColour(const CGridCellContext &c)
{
    const QPalette palette = PaletteOf(c);
    if (c.selected && !c.fixed)
        return palette.color(GroupOf(c), QPalette::HighlightedText);
    if (c.fg.isValid())
        return c.fg;
    return palette.color(GroupOf(c), c.fixed ? QPalette::ButtonText : QPalette::Text);
}

void CGridCell::DrawFocusFrame(QPainter *p, const CGridCellContext &c)
{
    if (!c.focused || c.fixed)
        return;
    const QPalette palette = PaletteOf(c);
    const QColor colour = c.selected ? palette.color(GroupOf(c), QPalette::HighlightedText)
                                     : palette.color(GroupOf(c), QPalette::Highlight);
    p->save();
    p->setPen(QPen(colour, 1));
    p->setBrush(Qt::NoBrush);
    p->drawRect(c.rect.adjusted(0, 0, -1, -1));
    p->restore();
}

void CGridCell::Draw(QPainter *p, const CGridCellContext &c) const
{
    p->save();
    p->setClipRect(c.rect);
    const QColor background = BackgroundColour(c);
    if (background.isValid())
        p->fillRect(c.rect, background);

    QRect content = c.rect.adjusted(Margin, 0, -Margin, 0);
    if (c.image != nullptr && !c.image->isNull()) {
        const QSize size = c.image->deviceIndependentSize().toSize();
        int x = content.left();
        if (c.text.isEmpty() && (c.format & Qt::AlignHCenter))
            x = c.rect.left() + (c.rect.width() - size.width()) / 2;
        const int y = c.rect.top() + (c.rect.height() - size.height()) / 2;
        p->drawPixmap(QRect(QPoint(x, y), size), *c.image);
        content.setLeft(x + size.width() + Margin);
    }
    if (!c.text.isEmpty()) {
        p->setFont(c.font);
        p->setPen(TextColour(c));
        const QString shown = FittedText(c.text, c.font, content.width());
        p->drawText(content, int(c.format) | Qt::TextSingleLine, shown);
    }
    DrawFocusFrame(p, c);
    p->restore();
}

QString CGridCell::FittedText(const QString &text, const QFont &font, int width)
{
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QFontMetrics metrics(font);
    // elidedText works in fractional advances and may cut a text that horizontalAdvance, and
    // so the column's automatic width, says fits exactly.
    if (metrics.horizontalAdvance(shown) <= width)
        return shown;
    return metrics.elidedText(shown, Qt::ElideRight, width);
}

QSize CGridCell::PreferredSize(const CGridCellContext &c) const
{
    const QFontMetrics metrics(c.font);
    QString shown = c.text;
    shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    int width = metrics.horizontalAdvance(shown) + 2 * Margin;
    int height = metrics.height() + 2 * Margin;
    if (c.image != nullptr && !c.image->isNull()) {
        const QSize size = c.image->deviceIndependentSize().toSize();
        width += size.width() + (shown.isEmpty() ? 0 : Margin);
        height = qMax(height, size.height() + 2 * Margin);
    }
    return QSize(width, height);
}

QWidget *CGridCell::CreateEditor(QWidget *parent, const CGridCellContext &c) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setFont(c.font);
    editor->setAlignment((c.format & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    return editor;
}

void CGridCell::SetEditorText(QWidget *editor, const CGridCellContext &c) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(c.text);
        line->selectAll();
    }
}

QString CGridCell::EditorText(const QWidget *editor) const
{
    if (const auto *line = qobject_cast<const QLineEdit *>(editor))
        return line->text();
    return QString();
}
