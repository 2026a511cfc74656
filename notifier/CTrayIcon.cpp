#include "notifier/CTrayIcon.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

CTrayIcon::CTrayIcon(Commands commands, QObject *parent)
    : QObject(parent)
    , m_commands(std::move(commands))
    , m_icon(this)
    , m_notification(this)
{
    QAction *open = m_menu.addAction(tr("&Open"), this, [this] { m_commands.open(); });
    QFont bold = open->font();
    bold.setBold(true);
    open->setFont(bold);
    m_menu.setDefaultAction(open);
    m_menu.addAction(tr("O&ptions"), this, [this] { m_commands.options(); });
    m_menu.addSeparator();
    m_menu.addAction(tr("E&xit"), this, [this] { m_commands.exit(); });

    m_icon.setIcon(ResourceImages::AppIcon(ImageId::NotifierIcon));
    m_icon.setToolTip(tr(ToolTip));
    // The menu is placed by ShowMenu rather than by the icon: popped up under the pointer, a
    // quick right click would let go of the button over "Open" and choose it.
    connect(&m_icon, &QSystemTrayIcon::activated, this, &CTrayIcon::OnActivated);
    connect(&m_icon, &QSystemTrayIcon::messageClicked, this, [this] { m_commands.open(); });
    connect(&m_notification, &DesktopNotification::clicked, this, [this] { m_commands.open(); });

    m_placeWait.setInterval(PlacePollPeriod);
    connect(&m_placeWait, &QTimer::timeout, this, &CTrayIcon::ShowPendingBalloon);
}

void CTrayIcon::ShowPresence()
{
    m_icon.show();
}

void CTrayIcon::HidePresence()
{
    m_icon.hide();
}

void CTrayIcon::ShowBalloon(const QString &title, const QString &text)
{
    m_pendingTitle = title;
    m_pendingText = text;
    m_placeLooks = 0;
    m_placeWait.stop();
    // The desktop's service places its balloons itself.
    if (m_notification.Show(title, text, BalloonTimeout))
        return;
    ShowPendingBalloon();
}

void CTrayIcon::ShowPendingBalloon()
{
    const QRect place = m_icon.geometry();
    if ((place.isEmpty() || place.topLeft().isNull()) && ++m_placeLooks < PlaceLooks) {
        m_placeWait.start();
        return;
    }
    m_placeWait.stop();
    m_icon.showMessage(m_pendingTitle, m_pendingText, QSystemTrayIcon::Information, BalloonTimeout);
}

void CTrayIcon::HideBalloon()
{
    m_placeWait.stop();
    m_notification.Close();
    // Qt offers no call that takes a balloon away on every platform (an empty message would
    // reach a notification service as a notification of its own); a balloon ends by itself
    // after its time-out or when it is clicked.
}

void CTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        m_commands.open();
    else if (reason == QSystemTrayIcon::Context)
        ShowMenu();
}

void CTrayIcon::ShowMenu()
{
    // Right edge at the pointer; beside the icon (below it on a top panel, above it otherwise),
    // so that the pointer is not over an item when the button is let go.
    const QPoint pointer = QCursor::pos();
    const QSize size = m_menu.sizeHint();
    QPoint place(pointer.x() - size.width(), pointer.y() - size.height());
    const QRect icon = m_icon.geometry();
    if (!icon.isEmpty()) {
        const QScreen *screen = QGuiApplication::screenAt(icon.center());
        const bool iconAtTop = screen && icon.center().y() < screen->geometry().center().y();
        place.setY(iconAtTop ? icon.bottom() + 1 : icon.top() - size.height());
    }
    m_menu.popup(place);
}
