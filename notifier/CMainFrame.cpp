#include "notifier/CMainFrame.h"

#include "model/DateValue.h"
#include "model/SharedDiaryFile.h"
#include "notifier/CNotifierWindow.h"
#include "notifier/CTrayIcon.h"
#include "notifier/LaunchDiary.h"
#include "settings/DiaryLocation.h"
#include "settings/SettingsStore.h"
#include "widgets/Appearance.h"

#include <QApplication>
#include <QSystemTrayIcon>

CMainFrame::CMainFrame(SharedDiaryFile &file, SettingsStore &settings, QObject *parent)
    : QObject(parent)
    , m_file(file)
    , m_copies(file, nullptr)
    , m_scheduler(file.Database(), settings)
    , m_notifyDlg(file, settings)
    , m_optionsDlg(settings)
{
    m_refreshRetry.setSingleShot(true);
    m_refreshRetry.setInterval(RefreshRetryPeriod);
    connect(&m_refreshRetry, &QTimer::timeout, this, &CMainFrame::TakeInDiaryChanges);
    connect(&m_file, &SharedDiaryFile::ChangedOnDisk, this, &CMainFrame::TakeInDiaryChanges);
    m_timer.setInterval(TimerPeriod);
    connect(&m_timer, &QTimer::timeout, this, &CMainFrame::OnTimer);
    m_trayWait.setInterval(TrayPollPeriod);
    connect(&m_trayWait, &QTimer::timeout, this, &CMainFrame::LookForTray);
}

CMainFrame::~CMainFrame()
{
    Destroy();
}

NotifierPresence::Commands CMainFrame::Commands()
{
    return {[this] { OpenReminder(); }, [this] { ShowOptions(); }, [this] { Exit(); }};
}

void CMainFrame::Create()
{
    m_scheduler.LoadReminderFlags();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        Start(std::make_unique<CTrayIcon>(Commands()));
        return;
    }
    m_trayLooks = 0;
    m_trayWait.start();
}

void CMainFrame::LookForTray()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_trayWait.stop();
        Start(std::make_unique<CTrayIcon>(Commands()));
    } else if (++m_trayLooks * TrayPollPeriod >= TrayWaitSeconds * 1000) {
        // No notification area: the small window takes the icon's place.
        m_trayWait.stop();
        Start(std::make_unique<CNotifierWindow>(Commands()));
    }
}

void CMainFrame::Start(std::unique_ptr<NotifierPresence> presence)
{
    m_presence = std::move(presence);
    m_presence->ShowPresence();
    m_timer.start();
    if (m_scheduler.Start() == ReminderScheduler::BalloonAction::Show)
        ShowReminderBalloon(m_scheduler.GetState());
}

void CMainFrame::Destroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    m_trayWait.stop();
    if (m_presence)
        m_presence->HidePresence();
    m_timer.stop();
    m_scheduler.SaveReminderFlags();
}

void CMainFrame::OnTimer()
{
    // The settings are read every half minute, not every second.
    constexpr int FolderCheckTicks = 30;
    if (++m_ticks % FolderCheckTicks == 0)
        FollowDiaryFolder();
    switch (m_scheduler.Tick()) {
    case ReminderScheduler::BalloonAction::Show:
        ShowReminderBalloon(m_scheduler.GetState());
        break;
    case ReminderScheduler::BalloonAction::Hide:
        ShowReminderBalloon(ReminderScheduler::Nothing);
        break;
    case ReminderScheduler::BalloonAction::Keep:
        break;
    }
}

void CMainFrame::FollowDiaryFolder()
{
    const QString path = DiaryLocation::DatabasePath();
    if (path != m_file.Path() && !QApplication::activeModalWidget())
        m_file.Open(path);
}

void CMainFrame::TakeInDiaryChanges()
{
    if (m_destroyed)
        return;
    if (QApplication::activeModalWidget()) {
        m_refreshRetry.start();
        return;
    }
    // A file that cannot be read now is read when the reminder needs it, and reported then.
    m_file.Refresh();
    m_copies.Run();
}

void CMainFrame::ShowReminderBalloon(int state)
{
    if (!m_presence)
        return;
    const ReminderScheduler::Balloon balloon = ReminderScheduler::BalloonFor(state);
    if (balloon.title.isEmpty())
        m_presence->HideBalloon();
    else
        m_presence->ShowBalloon(balloon.title, balloon.text);
}

void CMainFrame::OpenReminder()
{
    switch (m_scheduler.OpenReminder()) {
    case ReminderScheduler::OpenAction::LaunchDiary:
        LaunchDiary(nullptr);
        return;
    case ReminderScheduler::OpenAction::AlreadyOpen:
        m_notifyDlg.raise();
        m_notifyDlg.activateWindow();
        return;
    case ReminderScheduler::OpenAction::ShowDialog:
        break;
    }
    m_notifyDlg.SetReminderDay(DateValue::FromQDateTime(m_scheduler.ReminderMoment()));
    m_notifyDlg.SetResultsMode(m_scheduler.GetState() == ReminderScheduler::Results);
    // The diary's options may have changed the appearance since the notifier started.
    Appearance::Apply(Appearance::Stored(SettingsStore()));
    const bool confirmed = m_notifyDlg.exec() == QDialog::Accepted;
    DateValue askTime;
    std::optional<DateValue> chosen;
    if (confirmed && m_notifyDlg.GetAskTime(askTime))
        chosen = askTime;
    m_scheduler.CloseReminder(confirmed, chosen);
}

void CMainFrame::ShowOptions()
{
    if (m_optionsDlg.isVisible()) {
        m_optionsDlg.raise();
        m_optionsDlg.activateWindow();
        return;
    }
    Appearance::Apply(Appearance::Stored(SettingsStore()));
    m_optionsDlg.exec();
}

void CMainFrame::Exit()
{
    for (QDialog *dialog :
         {static_cast<QDialog *>(&m_notifyDlg), static_cast<QDialog *>(&m_optionsDlg)}) {
        if (dialog->isVisible()) {
            dialog->raise();
            dialog->activateWindow();
            return;
        }
    }
    QCoreApplication::quit();
}
