#pragma once

#include "editing/ConflictCopyIntake.h"
#include "notifier/CNotifyDlg.h"
#include "notifier/COptionsDlg.h"
#include "notifier/NotifierPresence.h"
#include "notifier/ReminderScheduler.h"

#include <QObject>
#include <QTimer>

#include <memory>

class SharedDiaryFile;
class SettingsStore;

// The notifier's invisible main object: it owns the icon in the notification area (or the small
// window that stands in for it), the once-a-second timer of the reminders, and the reminder and
// options dialogs, which are created once and shown again and again, never twice at a time. It
// takes in the diary file's changes as they happen, so a day planned in the diary is announced
// without a restart.
class CMainFrame : public QObject
{
    Q_OBJECT

public:
    static constexpr int TimerPeriod = 1000; // milliseconds
    // How long to wait at start for a notification area to appear (panels start late at
    // logon), and how often to look.
    static constexpr int TrayWaitSeconds = 30;
    static constexpr int TrayPollPeriod = 1000;

    // How long taking in the file's changes waits while a dialog is open.
    static constexpr int RefreshRetryPeriod = 1000;

    CMainFrame(SharedDiaryFile &file, SettingsStore &settings, QObject *parent = nullptr);
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
    // Nothing changes under an open dialog, which may be editing a day.
    void TakeInDiaryChanges();
    // The diary moved to the folder chosen in the diary's options: the notifier follows it.
    void FollowDiaryFolder();
    NotifierPresence::Commands Commands();

    SharedDiaryFile &m_file;
    ConflictCopyIntake m_copies; // conflict copies a sync engine left beside the file
    ReminderScheduler m_scheduler;
    CNotifyDlg m_notifyDlg;
    COptionsDlg m_optionsDlg;
    std::unique_ptr<NotifierPresence> m_presence;
    QTimer m_timer;
    QTimer m_trayWait;
    QTimer m_refreshRetry;
    int m_trayLooks = 0;
    int m_ticks = 0;
    bool m_destroyed = false;
};
