#pragma once

#include "notifier/CNotifyDlg.h"
#include "notifier/COptionsDlg.h"
#include "notifier/NotifierPresence.h"
#include "notifier/ReminderScheduler.h"

#include <QObject>
#include <QTimer>

#include <memory>

class DiaryDatabase;
class SettingsStore;

// The notifier's invisible main object: it owns the icon in the notification area (or the small
// window that stands in for it), the once-a-second timer of the reminders, and the reminder and
// options dialogs, which are created once and shown again and again, never twice at a time.
class CMainFrame : public QObject
{
    Q_OBJECT

public:
    static constexpr int TimerPeriod = 1000; // milliseconds
    // How long to wait at start for a notification area to appear (panels start late at
    // logon), and how often to look.
    static constexpr int TrayWaitSeconds = 30;
    static constexpr int TrayPollPeriod = 1000;

    CMainFrame(DiaryDatabase &database, SettingsStore &settings, QObject *parent = nullptr);
    ~CMainFrame() override;

    // Reads the reminder flags, shows the icon (or the window), starts the timer and shows the
    // balloon of the first evaluation.
    void Create();
    // Takes the icon away, stops the timer and stores the reminder flags. Called once at exit.
    void Destroy();

    void OpenReminder();
    void ShowOptions();
    // Ends the program, unless one of its dialogs is open (that dialog is brought forward).
    void Exit();
    void ShowReminderBalloon(int state);

    ReminderScheduler &Scheduler() { return m_scheduler; }
    CNotifyDlg &NotifyDlg() { return m_notifyDlg; }
    COptionsDlg &OptionsDlg() { return m_optionsDlg; }
    NotifierPresence *Presence() const { return m_presence.get(); }

private:
    void LookForTray();
    void Start(std::unique_ptr<NotifierPresence> presence);
    void OnTimer();
    NotifierPresence::Commands Commands();

    ReminderScheduler m_scheduler;
    CNotifyDlg m_notifyDlg;
    COptionsDlg m_optionsDlg;
    std::unique_ptr<NotifierPresence> m_presence;
    QTimer m_timer;
    QTimer m_trayWait;
    int m_trayLooks = 0;
    bool m_destroyed = false;
};
