#include "notifier/CTrayIcon.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"

CTrayIcon::CTrayIcon(Commands commands, QObject *parent)
    : QObject(parent)
    , m_commands(std::move(commands))
{
    QAction *open = m_menu.addAction(QStringLiteral("&Open"), this, [this] { m_commands.open(); });
    QFont bold = open->font();
    bold.setBold(true);
    open->setFont(bold);
    m_menu.setDefaultAction(open);
    m_menu.addAction(QStringLiteral("O&ptions"), this, [this] { m_commands.options(); });
    m_menu.addSeparator();
    m_menu.addAction(QStringLiteral("E&xit"), this, [this] { m_commands.exit(); });

    m_icon.setIcon(ResourceImages::AppIcon(ImageId::NotifierIcon));
    m_icon.setToolTip(QString::fromLatin1(ToolTip));
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &CTrayIcon::OnActivated);
    connect(&m_icon, &QSystemTrayIcon::messageClicked, this, [this] { m_commands.open(); });
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
    m_icon.showMessage(title, text, QSystemTrayIcon::Information, BalloonTimeout);
}

void CTrayIcon::HideBalloon()
{
    // Qt offers no call that takes a balloon away on every platform (an empty message would
    // reach a notification service as a notification of its own); a balloon ends by itself
    // after its time-out or when it is clicked.
}

void CTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        m_commands.open();
}
