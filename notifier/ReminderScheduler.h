#pragma once

#include "model/DateValue.h"
#include "settings/SettingsKeys.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class DiaryDatabase;
class SettingsStore;

// Decides, once a second, whether the notifier has something to tell today: that today has a
// training day (until the user acknowledges it) or that the results of today's workout are due
// (until the user confirms them). It knows no windows: every operation hands back what the
// caller should do with the balloon or the reminder dialog. What was acknowledged when lives in
// the "Notify" section of the settings store and survives restarts.
class ReminderScheduler
{
public:
    enum State { Nothing = 0, Workout = 1, Results = 2 };
    enum class BalloonAction { Keep, Show, Hide };
    enum class OpenAction {
        LaunchDiary, // nothing to remind of: start the diary instead
        AlreadyOpen, // the reminder dialog is being shown
        ShowDialog, // show the reminder dialog for ReminderMoment() in state State()
    };
    struct Balloon
    {
        QString title;
        QString text;
    };
    using ClockFunction = std::function<QDateTime()>;

    static constexpr int TicksPerMinute = 60;

    ReminderScheduler(const DiaryDatabase &database, SettingsStore &settings,
                      ClockFunction now = {});

    // Reads the three stored dates and the balloon interval. A record that is not exactly 16
    // bytes long leaves its date as it was.
    void LoadReminderFlags();
    // Writes the three dates; an unset date as 16 zero bytes.
    void SaveReminderFlags();

    // Recomputes the state from the clock, the dates and the database; true when it changed.
    bool EvaluateReminderState();
    // The first evaluation at start: the balloon is shown once when something is due and the
    // interval allows balloons at all.
    BalloonAction Start();
    // The once-a-second timer.
    BalloonAction Tick();

    // The balloon of a state; empty texts for Nothing.
    static Balloon BalloonFor(int state);

    // The action of "Open", a double click on the icon and a click on the balloon. ShowDialog
    // marks the dialog as open until CloseReminder.
    OpenAction OpenReminder();
    // The dialog has closed. confirmed: it ended with OK; askTime: the moment chosen for the
    // results question, when its box was ticked. What is recorded depends on the state now.
    void CloseReminder(bool confirmed, const std::optional<DateValue> &askTime);

    State GetState() const { return m_state; }
    int GetInterval() const { return m_interval; }
    int GetRepeatCounter() const { return m_counter; }
    bool IsDialogOpen() const { return m_dialogOpen; }
    // The moment the open dialog was shown for.
    QDateTime ReminderMoment() const { return m_openedAt; }
    DateValue GetAskTime() const { return m_askTime; }
    DateValue GetTrainNotified() const { return m_trainNotified; }
    DateValue GetDoneNotified() const { return m_doneNotified; }

private:
    void LoadDate(const SettingsKeys::BinarySetting &key, DateValue &date) const;

    const DiaryDatabase &m_database;
    SettingsStore &m_settings;
    ClockFunction m_now;

    DateValue m_askTime = DateValue::MakeInvalid();
    DateValue m_trainNotified = DateValue::MakeInvalid();
    DateValue m_doneNotified = DateValue::MakeInvalid();
    State m_state = Nothing;
    int m_interval = 1;
    int m_counter = 0;
    bool m_dialogOpen = false;
    QDateTime m_openedAt;
};
