#include "widgets/CPictureButton.h"

#include "images/ResourceImages.h"

#include <QMenu>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

constexpr int Gap = 6; // between picture and text
constexpr int MinimumHeight = 30;
constexpr int MinimumTextWidth = 84;

} // namespace

CPictureButton::CPictureButton(int imageId, const QString &text, QWidget *parent)
    : QToolButton(parent)
{
    setText(text);
    setAutoRaise(false);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    SetImage(ResourceImages::Pixmap(imageId));
    SetImagePlacement(Placement::Left);
}

void CPictureButton::SetImagePlacement(Placement placement)
{
    m_placement = placement;
    switch (placement) {
    case Placement::Left:
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        break;
    case Placement::Above:
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        break;
    case Placement::Only:
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        break;
    case Placement::Right:
    case Placement::Below:
        // Drawn by paintEvent; the style only draws the frame.
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        break;
    }
    setToolTip(placement == Placement::Only ? QString(text()).remove(QLatin1Char('&')) : QString());
    updateGeometry();
    update();
}

void CPictureButton::SetDropDownMenu(QMenu *menu)
{
    setMenu(menu);
    setPopupMode(QToolButton::MenuButtonPopup);
    updateGeometry();
}

void CPictureButton::SetWholeButtonMenu(QMenu *menu)
{
    setMenu(menu);
    setPopupMode(QToolButton::InstantPopup);
    updateGeometry();
}

void CPictureButton::SetImage(const QPixmap &image)
{
    m_image = image;
    setIcon(image.isNull() ? QIcon() : QIcon(image));
    if (!image.isNull())
        setIconSize(image.deviceIndependentSize().toSize());
    updateGeometry();
    update();
}

void CPictureButton::ClearImage()
{
    SetImage(QPixmap());
}

bool CPictureButton::PaintsItself() const
{
    return m_placement == Placement::Right || m_placement == Placement::Below;
}

QSize CPictureButton::ContentSize() const
{
    const QSize picture = m_image.isNull() ? QSize() : iconSize();
    const QSize words =
        text().isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text());
    const int gap = picture.isValid() && words.isValid() ? Gap : 0;
    if (m_placement == Placement::Below)
        return QSize(qMax(picture.width(), words.width()),
                     qMax(0, picture.height()) + gap + qMax(0, words.height()));
    return QSize(qMax(0, picture.width()) + gap + qMax(0, words.width()),
                 qMax(picture.height(), words.height()));
}

QSize CPictureButton::sizeHint() const
{
    QSize hint;
    if (PaintsItself()) {
        QStyleOptionToolButton option;
        initStyleOption(&option);
        QSize content = ContentSize();
        if (popupMode() == QToolButton::MenuButtonPopup)
            content.rwidth() += style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this);
        hint = style()->sizeFromContents(QStyle::CT_ToolButton, &option, content, this);
    } else {
        hint = QToolButton::sizeHint();
    }
    hint = hint.expandedTo(QSize(0, MinimumHeight));
    if (m_placement != Placement::Only && !text().isEmpty())
        hint.setWidth(qMax(hint.width(), MinimumTextWidth));
    hint.rwidth() += 8; // room around the text, so that the button does not look cramped
    return hint;
}

QSize CPictureButton::minimumSizeHint() const
{
    return sizeHint();
}

void CPictureButton::paintEvent(QPaintEvent *event)
{
    if (!PaintsItself()) {
        QToolButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QString label = option.text;
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    QRect area =
        style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    const QSize content = ContentSize();
    const QSize picture = m_image.isNull() ? QSize(0, 0) : iconSize();
    const QSize words =
        label.isEmpty() ? QSize(0, 0) : fontMetrics().size(Qt::TextShowMnemonic, label);
    const int gap = !m_image.isNull() && !label.isEmpty() ? Gap : 0;
    const QPoint origin = area.center() - QPoint(content.width() / 2, content.height() / 2);

    QRect textRect;
    QRect pictureRect;
    if (m_placement == Placement::Right) {
        textRect = QRect(origin.x(), area.top(), words.width(), area.height());
        pictureRect = QRect(QPoint(origin.x() + words.width() + gap,
                                   area.top() + (area.height() - picture.height()) / 2),
                            picture);
    } else {
        textRect = QRect(area.left(), origin.y(), area.width(), words.height());
        pictureRect = QRect(QPoint(area.left() + (area.width() - picture.width()) / 2,
                                   origin.y() + words.height() + gap),
                            picture);
    }
    if (!label.isEmpty()) {
        int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
            flags |= Qt::TextHideMnemonic;
        style()->drawItemText(&painter, textRect, flags, option.palette, isEnabled(), label,
                              QPalette::ButtonText);
    }
    if (!m_image.isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        painter.drawPixmap(pictureRect, icon().pixmap(picture, devicePixelRatio(), mode));
    }
}
