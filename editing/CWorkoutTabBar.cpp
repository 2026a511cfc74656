#include "editing/CWorkoutTabBar.h"

#include <QFontMetricsF>
#include <QPixmap>
#include <QShortcut>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QtMath>

namespace {

constexpr int LeftPadding = 8;
constexpr int ImageGap = 4;
constexpr int RightPadding = 8;

QSize ImageSize(const QPixmap *image)
{
    return image && !image->isNull() ? image->deviceIndependentSize().toSize() : QSize();
}

} // namespace

CWorkoutTabBar::CWorkoutTabBar(QWidget *parent)
    : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideRight);
    setFocusPolicy(Qt::TabFocus);
}

void CWorkoutTabBar::SetImageProvider(ImageProvider provider)
{
    m_images = std::move(provider);
    updateGeometry();
    update();
}

const QPixmap *CWorkoutTabBar::TabImage(int index) const
{
    return m_images && index >= 0 && index < count() ? m_images(index) : nullptr;
}

int CWorkoutTabBar::AddNamedTab(const QString &name)
{
    const QString shown = name.left(MaxTextLength);
    QString escaped = shown;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const int index = addTab(escaped);
    setTabData(index, shown);
    // The tab was measured before its name was stored; setting the text again measures it anew
    // (a visible bar keeps the first measure otherwise).
    setTabText(index, escaped);
    setTabToolTip(index, shown.size() > 24 ? shown : QString());
    return index;
}

QString CWorkoutTabBar::TabName(int index) const
{
    return tabData(index).toString();
}

void CWorkoutTabBar::SetTabStatus(int index, const QString &status)
{
    setAccessibleTabName(index, QStringLiteral("%1, %2").arg(TabName(index), status));
}

QString CWorkoutTabBar::ShownText(int index, int width) const
{
    const QString name = TabName(index);
    if (TextWidth(name) <= width)
        return name;
    return fontMetrics().elidedText(name, Qt::ElideRight, qMax(0, width), Qt::TextSingleLine);
}

int CWorkoutTabBar::TextWidth(const QString &text) const
{
    // The advance rounded up, with a pixel to spare: a name is never elided in the tab that was
    // sized for it (the whole-pixel advance may fall short of the painted text).
    return qCeil(QFontMetricsF(font()).horizontalAdvance(text)) + 1;
}

QSize CWorkoutTabBar::tabSizeHint(int index) const
{
    const QSize image = ImageSize(TabImage(index));
    QSize size = QTabBar::tabSizeHint(index);
    // The style measured the text alone; the image and the padding come beside it.
    const int textWidth = TextWidth(TabName(index));
    int width = LeftPadding + textWidth + RightPadding;
    if (image.isValid())
        width += image.width() + ImageGap;
    size.setWidth(qMin(qMax(width, size.width()), MaxTabWidth));
    size.setHeight(qMax(size.height(), image.height() + 10));
    return size;
}

QSize CWorkoutTabBar::minimumTabSizeHint(int index) const
{
    QSize size = tabSizeHint(index);
    const QSize image = ImageSize(TabImage(index));
    size.setWidth(qMin(size.width(),
                       LeftPadding + image.width() + ImageGap +
                           fontMetrics().horizontalAdvance(QStringLiteral("W...")) + RightPadding));
    return size;
}

void CWorkoutTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int current = currentIndex();
    // The selected tab is drawn last so that its shape overlaps its neighbours.
    QList<int> order;
    for (int i = 0; i < count(); ++i) {
        if (i != current)
            order.append(i);
    }
    if (current >= 0)
        order.append(current);

    for (const int i : std::as_const(order)) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        if (!option.rect.intersects(rect()))
            continue;
        painter.drawControl(QStyle::CE_TabBarTabShape, option);

        QRect area = style()->subElementRect(QStyle::SE_TabBarTabText, &option, this);
        area.setLeft(option.rect.left() + LeftPadding);
        area.setRight(option.rect.right() - RightPadding);
        if (option.state.testFlag(QStyle::State_Selected))
            area.translate(0,
                           -style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &option, this));
        if (const QPixmap *image = TabImage(i); image && !image->isNull()) {
            const QSize size = ImageSize(image);
            const QPoint topLeft(area.left(), area.top() + (area.height() - size.height()) / 2);
            painter.drawPixmap(QRect(topLeft, size), *image);
            area.setLeft(area.left() + size.width() + ImageGap);
        }
        const QString text = ShownText(i, area.width());
        const QPalette::ColorRole role = QPalette::WindowText;
        // Names are shown as they are: an ampersand is no mnemonic here.
        painter.setPen(
            option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled, role));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);

        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            // Around the picture and the name as laid out here, not where the style puts text.
            focus.rect = option.rect.adjusted(LeftPadding / 2, 3, -RightPadding / 2, -2);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}

void CWorkoutTabBar::AddSwitchKeys(QWidget *area)
{
    const auto addKeys = [this, area](const QKeySequence &keys, int step) {
        auto *shortcut = new QShortcut(keys, area);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] { SelectNext(step); });
    };
    addKeys(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    addKeys(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void CWorkoutTabBar::SelectNext(int step)
{
    const int tabs = count();
    if (tabs < 2)
        return;
    setCurrentIndex((qMax(0, currentIndex()) + step + tabs) % tabs);
}
