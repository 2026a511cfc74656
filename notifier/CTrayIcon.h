#pragma once

#include "notifier/DesktopNotification.h"
#include "notifier/NotifierPresence.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

// The notifier's icon in the notification area with its tooltip and menu ("&Open" in bold as
// the default, "O&ptions", "E&xit"). A double click and a click on the balloon open the
// reminder; a single click does nothing. Balloons go to the desktop's notification service when
// it has one, with an action for the click, and are Qt's own otherwise.
class CTrayIcon : public QObject, public NotifierPresence
{
    Q_OBJECT

public:
    static constexpr char ToolTip[] = QT_TR_NOOP("Repminder - workout notifier");
    static constexpr int PlacePollPeriod = 200; // milliseconds
    static constexpr int PlaceLooks = 25;

    explicit CTrayIcon(Commands commands, QObject *parent = nullptr);

    void ShowPresence() override;
    void HidePresence() override;
    void ShowBalloon(const QString &title, const QString &text) override;
    void HideBalloon() override;

    QMenu *Menu() { return &m_menu; }

    // Where the tray menu of the given size opens: its right edge at the pointer, beside the
    // icon (below it on a top panel, above it otherwise) when the icon's place on its screen is
    // known, so that the pointer is not over an item when the button is let go.
    static QPoint MenuPlace(const QPoint &pointer, const QSize &menu, const QRect &icon,
                            const QRect &screen);

private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void ShowPendingBalloon();
    void ShowMenu();

    Commands m_commands;
    QMenu m_menu;
    QSystemTrayIcon m_icon;
    // The desktop's own balloons where it has a notification service; Qt's otherwise.
    DesktopNotification m_notification;
    // A balloon asked for before the notification area has placed the icon waits for it, so
    // that it points at the icon and not at a corner of the screen.
    QTimer m_placeWait;
    int m_placeLooks = 0;
    QString m_pendingTitle;
    QString m_pendingText;
};
