#pragma once

#include <QObject>
#include <QString>

// A balloon shown by the desktop's notification service (org.freedesktop.Notifications on the
// session bus) with a default action, so that a click on it reaches the notifier. Qt's own
// balloon offers no action there for an information message: the service closes it on a click
// and tells nobody.
class DesktopNotification : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotification(QObject *parent = nullptr);

    // Whether a notification service runs, or can be started, on the session bus.
    static bool IsAvailable();

    // Shows the message in place of the one shown before; false when the service cannot be
    // reached.
    bool Show(const QString &title, const QString &text, int timeoutMs);
    // Takes the message away.
    void Close();

signals:
    // The message was clicked (its default action invoked).
    void clicked();

private slots:
    void OnActionInvoked(uint id, const QString &action);
    void OnClosed(uint id, uint reason);

private:
    uint m_id = 0; // of the message shown; 0 for none
};
