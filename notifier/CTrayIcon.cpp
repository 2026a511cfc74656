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

QPoint CTrayIcon::MenuPlace(const QPoint &pointer, const QSize &menu, const QRect &icon,
                            const QRect &screen)
{
    QPoint place(pointer.x() - menu.width(), pointer.y() - menu.height());
    if (!icon.isEmpty() && !screen.isEmpty()) {
        const bool iconAtTop = icon.center().y() < screen.center().y();
        place.setY(iconAtTop ? icon.bottom() + 1 : icon.top() - menu.height());
    }
    return place;
}

void CTrayIcon::ShowMenu()
{
    const QRect icon = m_icon.geometry();
    const QScreen *screen = icon.isEmpty() ? nullptr : QGuiApplication::screenAt(icon.center());
    m_menu.popup(
        MenuPlace(QCursor::pos(), m_menu.sizeHint(), icon, screen ? screen->geometry() : QRect()));
}
