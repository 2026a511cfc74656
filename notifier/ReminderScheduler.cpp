#include "notifier/ReminderScheduler.h"

#include "model/Clock.h"
#include "model/DiaryDatabase.h"
#include "settings/NotifyTimeRecord.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QTime>

namespace {

// Time of day to the second; the milliseconds of a moment play no part.
int SecondOfDay(const QTime &time)
{
    return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : -1;
}

} // namespace

ReminderScheduler::ReminderScheduler(const DiaryDatabase &database, SettingsStore &settings,
                                     ClockFunction now)
    : m_database(database)
    , m_settings(settings)
    , m_now(now ? std::move(now) : ClockFunction(&Clock::Now))
{
}

void ReminderScheduler::LoadDate(const SettingsKeys::BinarySetting &key, DateValue &date) const
{
    const std::optional<QByteArray> record = m_settings.Read(key);
    if (record) // a record of the wrong length reads as unset
        date = NotifyTimeRecord::ToDateValue(*record);
}

void ReminderScheduler::LoadReminderFlags()
{
    LoadDate(SettingsKeys::NotifyDone, m_askTime);
    LoadDate(SettingsKeys::TrainNotified, m_trainNotified);
    LoadDate(SettingsKeys::DoneNotified, m_doneNotified);
    m_interval = m_settings.Read(SettingsKeys::TipNotifyTime);
}

void ReminderScheduler::SaveReminderFlags()
{
    m_settings.Write(SettingsKeys::NotifyDone, NotifyTimeRecord::FromDateValue(m_askTime));
    m_settings.Write(SettingsKeys::TrainNotified, NotifyTimeRecord::FromDateValue(m_trainNotified));
    m_settings.Write(SettingsKeys::DoneNotified, NotifyTimeRecord::FromDateValue(m_doneNotified));
}

bool ReminderScheduler::EvaluateReminderState()
{
    const QDateTime now = m_now();
    const DateValue today = DateValue::FromQDateTime(now);
    const State old = m_state;
    m_state = Nothing;

    if (m_askTime == today) {
        // The day the results are asked for: no workout reminder on such a day.
        if (m_doneNotified != today &&
            SecondOfDay(now.time()) >= SecondOfDay(m_askTime.ToQDateTime().time()))
            m_state = Results;
    } else if (m_trainNotified != today && m_database.FindDay(today)) {
        m_state = Workout;
    }
    return m_state != old;
}

ReminderScheduler::BalloonAction ReminderScheduler::Start()
{
    m_counter = 0;
    EvaluateReminderState();
    return m_state != Nothing && m_interval >= 0 ? BalloonAction::Show : BalloonAction::Keep;
}

ReminderScheduler::BalloonAction ReminderScheduler::Tick()
{
    const bool changed = EvaluateReminderState();
    if (m_state == Nothing)
        return BalloonAction::Hide;
    if (m_interval < 0)
        return BalloonAction::Keep;
    if (changed) {
        m_counter = 0;
        return BalloonAction::Show;
    }
    if (m_interval > 0) {
        if (m_counter >= TicksPerMinute * m_interval) {
            m_counter = 0;
            return BalloonAction::Show;
        }
        ++m_counter;
    }
    return BalloonAction::Keep;
}

ReminderScheduler::Balloon ReminderScheduler::BalloonFor(int state)
{
    switch (state) {
    case Workout:
        return {QCoreApplication::translate("ReminderScheduler", "You have a workout today"),
                QCoreApplication::translate("ReminderScheduler",
                                            "Get workout plan by clicking on this message.")};
    case Results:
        return {QCoreApplication::translate("ReminderScheduler", "Fill in workout"),
                QCoreApplication::translate(
                    "ReminderScheduler", "Click on this message to fill in your workout results.")};
    default:
        return {};
    }
}

ReminderScheduler::OpenAction ReminderScheduler::OpenReminder()
{
    if (m_state == Nothing)
        return OpenAction::LaunchDiary;
    if (m_dialogOpen)
        return OpenAction::AlreadyOpen;
    m_openedAt = m_now();
    m_dialogOpen = true;
    return OpenAction::ShowDialog;
}

void ReminderScheduler::CloseReminder(bool confirmed, const std::optional<DateValue> &askTime)
{
    if (!m_dialogOpen)
        return;
    m_dialogOpen = false;
    if (!confirmed)
        return;
    // The state at this moment decides: the clock kept ticking while the dialog was shown.
    if (m_state == Workout) {
        if (askTime)
            m_askTime = *askTime;
        m_trainNotified = DateValue::FromQDateTime(m_openedAt);
    } else if (m_state == Results) {
        m_doneNotified = DateValue::FromQDateTime(m_openedAt);
    }
    SaveReminderFlags();
}
