#include "diary/DiarySaving.h"

#include "editing/CDayDlg.h"
#include "editing/DateListText.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "settings/DiaryLocation.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QTimer>
#include <QWidget>

namespace {

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

DiarySaving::DiarySaving(SharedDiaryFile &file, QWidget *owner, Hooks hooks)
    : QObject(owner)
    , m_file(file)
    , m_owner(owner)
    , m_copies(file, owner)
    , m_notice(owner)
    , m_hooks(std::move(hooks))
    , m_saveTimer(new QTimer(this))
    , m_retryTimer(new QTimer(this))
    , m_soonTimer(new QTimer(this))
{
    m_soonTimer->setSingleShot(true);
    m_soonTimer->setInterval(SaveSoonMs);
    connect(m_soonTimer, &QTimer::timeout, this, &DiarySaving::SaveNow);
    m_saveTimer->setInterval(SaveIntervalMs);
    connect(m_saveTimer, &QTimer::timeout, this, &DiarySaving::SaveNow);
    m_saveTimer->start();
    m_retryTimer->setSingleShot(true);
    m_retryTimer->setInterval(RetryWhenBusyMs);
    connect(m_retryTimer, &QTimer::timeout, this, [this] {
        const Work work = m_postponed;
        m_postponed = Work::None;
        Do(work);
    });
    connect(&m_file, &SharedDiaryFile::ChangedOnDisk, this, &DiarySaving::TakeInChanges);
    // The window never waits while a conflict copy is read; what was read is merged as soon as
    // the window is idle.
    m_copies.ReadInBackground([this] { TakeInChanges(); });
    m_notice.Check(m_file.Path(), {}); // the records already there are known
}

DiarySaving::~DiarySaving() = default;

void DiarySaving::SaveNow()
{
    Do(Work::Save);
}

void DiarySaving::SaveSoon()
{
    // Not restarted by later changes: a steady stream of changes still reaches the disk.
    if (!m_stopped && !m_soonTimer->isActive())
        m_soonTimer->start();
}

void DiarySaving::TakeInChanges()
{
    Do(Work::Refresh);
}

void DiarySaving::Stop()
{
    m_stopped = true;
    m_saveTimer->stop();
    m_retryTimer->stop();
    m_soonTimer->stop();
}

void DiarySaving::PutOff(Work work)
{
    // A save also takes in the file's changes, so it covers a refresh put off before.
    m_postponed = std::max(m_postponed, work);
    m_retryTimer->start();
}

void DiarySaving::Do(Work work)
{
    if (m_stopped || work == Work::None)
        return;
    if (m_hooks.isBusy && m_hooks.isBusy()) {
        PutOff(work);
        return;
    }
    if (m_hooks.commitEdits)
        m_hooks.commitEdits();
    if (work == Work::Save)
        KeepDailyBackup();
    const SharedDiaryFile::Outcome outcome = work == Work::Save ? m_file.Save() : m_file.Refresh();
    const bool copiesMerged = m_copies.Merge();
    if ((outcome.memoryChanged || copiesMerged) && m_hooks.daysChanged)
        m_hooks.daysChanged();
    // The window shows the merged days behind the messages.
    const QString toldCopies = m_copies.Tell();
    Report(outcome, work);
    m_notice.Check(m_file.Path(), {toldCopies, outcome.conflictFile});
}

void DiarySaving::Report(const SharedDiaryFile::Outcome &outcome, Work work)
{
    if (!outcome.conflicts.isEmpty() && !outcome.conflictFile.isEmpty()) {
        MessageBox::Information(
            m_owner,
            tr("Another program changed days that were also changed here:\n%1\n"
               "The diary keeps the version shown here. The other version was "
               "saved in:\n%2\nEdit > Conflicts shows it beside the diary's and "
               "lets you take it instead.")
                .arg(DateListText::Short(outcome.conflicts), Native(outcome.conflictFile)));
    }
    if (!outcome.keptDamagedFile.isEmpty()) {
        MessageBox::Warning(m_owner,
                            tr("The diary file had been damaged outside the program. "
                               "It was kept as:\n%1\nThe diary was saved again "
                               "from the days shown here.")
                                .arg(Native(outcome.keptDamagedFile)));
    }
    // Only saves speak of failures; a file that cannot be read now is read again later.
    if (work != Work::Save)
        return;
    WarnOnce(outcome.ok, m_failureReported,
             outcome.error +
                 tr("\nYour changes are kept while the program "
                    "runs, and saving is tried again every "
                    "minute."));
}

void DiarySaving::WarnOnce(bool ok, bool &reported, const QString &text)
{
    if (ok) {
        reported = false;
        return;
    }
    if (reported)
        return;
    reported = true;
    MessageBox::Warning(m_owner, text);
}

void DiarySaving::KeepDailyBackup(bool quiet)
{
    if (m_file.Path().isEmpty())
        return;
    const DiaryBackups backups(m_file.Path(), DiaryLocation::BackupFolder(m_file.Path()));
    if (!backups.IsDue() || !m_file.HasUnsavedChanges())
        return;
    const DiaryBackups::Result result = backups.MakeNow();
    if (quiet)
        return;
    WarnOnce(result.ok, m_backupFailureReported,
             result.error +
                 tr("\nThe diary itself is saved as usual; the backup is tried "
                    "again at the next save."));
}

QString DiarySaving::UnsavedDaysText() const
{
    const QList<DateValue> dates = m_file.UnsavedDates();
    if (dates.isEmpty())
        return QString();
    return tr("Not saved: the days of %1.").arg(DateListText::Short(dates));
}

bool DiarySaving::SaveBeforeExit()
{
    if (m_hooks.commitEdits)
        m_hooks.commitEdits();
    KeepDailyBackup();
    for (;;) {
        const SharedDiaryFile::Outcome outcome = m_file.Save();
        if (outcome.memoryChanged && m_hooks.daysChanged)
            m_hooks.daysChanged();
        if (outcome.ok) {
            Report(outcome, Work::Save);
            return true;
        }
        const MessageBox::Button answer = MessageBox::Error(
            m_owner,
            tr("%1\n%2\n\nRetry, exit without saving (Discard), or go back to the "
               "diary (Cancel)?")
                .arg(outcome.error, UnsavedDaysText()),
            QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel);
        if (answer == QMessageBox::Discard)
            return true;
        if (answer != QMessageBox::Retry)
            return false;
    }
}

bool DiarySaving::SaveQuietly()
{
    if (m_stopped)
        return true;
    CDayDlg::TakeOpenEdits();
    if (m_hooks.commitEdits)
        m_hooks.commitEdits();
    KeepDailyBackup(true);
    const SharedDiaryFile::Outcome outcome = m_file.Save();
    if (outcome.memoryChanged && m_hooks.daysChanged)
        m_hooks.daysChanged();
    return outcome.ok;
}
