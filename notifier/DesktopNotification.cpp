#include "notifier/DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QGuiApplication>
#include <QVariantMap>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// The action a click on the message's body invokes.
const QString DefaultAction = QStringLiteral("default");

} // namespace

DesktopNotification::DesktopNotification(QObject *parent)
    : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(OnClosed(uint, uint)));
}

bool DesktopNotification::IsAvailable()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    if (bus.interface()->isServiceRegistered(Service))
        return true;
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(Service);
}

bool DesktopNotification::Show(const QString &title, const QString &text, int timeoutMs)
{
    if (!IsAvailable())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    const QVariantMap hints {{QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName()}};
    call << QGuiApplication::applicationName() << m_id << QStringLiteral("dialog-information")
         << title << text << QStringList {DefaultAction, tr("Open")} << hints << qint32(timeoutMs);
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isValid())
                    m_id = reply.value();
                finished->deleteLater();
            });
    return true;
}

void DesktopNotification::Close()
{
    if (m_id == 0)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface,
                                                       QStringLiteral("CloseNotification"));
    call << m_id;
    QDBusConnection::sessionBus().asyncCall(call);
    m_id = 0;
}

void DesktopNotification::OnActionInvoked(uint id, const QString &action)
{
    if (id != 0 && id == m_id && (action == DefaultAction || action == QLatin1String("Open")))
        emit clicked();
}

void DesktopNotification::OnClosed(uint id, uint /*reason*/)
{
    if (id == m_id)
        m_id = 0;
}
