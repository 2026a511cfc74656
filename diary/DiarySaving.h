#pragma once

#include "diary/ConflictNotice.h"
#include "editing/ConflictCopyIntake.h"
#include "model/SharedDiaryFile.h"

#include <QObject>

#include <functional>

class QTimer;
class QWidget;

// Keeps the diary in memory and its file in step for the main window: the save a moment after
// each change (a burst of changes is one save), the save every minute (only when something
// changed) as a safety net, taking in what the notifier wrote, and the saves at exit and at the
// end of the session.
// Nothing is merged into memory while a dialog or menu of the window may hold a day: the work is
// put off and done as soon as the window is idle again.
class DiarySaving : public QObject
{
    Q_OBJECT

public:
    static constexpr int SaveIntervalMs = 60 * 1000;
    static constexpr int RetryWhenBusyMs = 1000;
    // How long after a change the save waits for further changes of the same burst.
    static constexpr int SaveSoonMs = 1000;

    struct Hooks
    {
        std::function<bool()> isBusy; // a dialog, menu or program application is under way
        std::function<void()> commitEdits; // edits still in widgets go into the days
        std::function<void()> daysChanged; // days in memory were replaced from the file
    };

    DiarySaving(SharedDiaryFile &file, QWidget *owner, Hooks hooks);
    ~DiarySaving() override;

    QTimer *SaveTimer() const { return m_saveTimer; }

    // The periodic save. A failure is reported once until a save succeeds again.
    void SaveNow();
    // A change was made: the save follows within SaveSoonMs, together with any change made
    // meanwhile (later while a dialog or menu is open).
    void SaveSoon();
    // Takes in what another program wrote to the file.
    void TakeInChanges();
    // The save before the program ends: true when the program may end. A failed save offers to
    // try again, to exit without the listed changes, or to stay.
    bool SaveBeforeExit();
    // The save when the session ends or the program is made to end by a signal: one try, no
    // questions and no messages, whatever the window is doing. True when the file holds the
    // diary afterwards.
    bool SaveQuietly();
    // No more saving (the window is closing).
    void Stop();

private:
    enum class Work { None, Refresh, Save };
    void Do(Work work);
    void PutOff(Work work);
    void Report(const SharedDiaryFile::Outcome &outcome, Work work);
    // Before the first save of a calendar day, the file about to be replaced is backed up. A
    // backup that fails never stops the save; it is reported once until one succeeds.
    void KeepDailyBackup(bool quiet = false);
    // A failure is told once, until the same thing succeeds again.
    void WarnOnce(bool ok, bool &reported, const QString &text);
    QString UnsavedDaysText() const;

    SharedDiaryFile &m_file;
    QWidget *m_owner;
    ConflictCopyIntake m_copies; // conflict copies a sync engine left beside the file
    ConflictNotice m_notice; // records of such days the other computer kept
    Hooks m_hooks;
    QTimer *m_saveTimer;
    QTimer *m_retryTimer;
    QTimer *m_soonTimer;
    Work m_postponed = Work::None;
    bool m_failureReported = false;
    bool m_backupFailureReported = false;
    bool m_stopped = false;
};
