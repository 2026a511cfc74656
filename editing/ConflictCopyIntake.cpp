#include "editing/ConflictCopyIntake.h"

#include "editing/DateListText.h"
#include "model/ConflictCopyMerge.h"
#include "model/SharedDiaryFile.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QPromise>
#include <QThreadPool>

#include <utility>

ConflictCopyIntake::ConflictCopyIntake(SharedDiaryFile &file, QWidget *parent)
    : m_file(file)
    , m_parent(parent)
{
}

ConflictCopyIntake::~ConflictCopyIntake() = default;

void ConflictCopyIntake::ReadInBackground(std::function<void()> ready)
{
    m_ready = std::move(ready);
    m_reading = std::make_unique<QFutureWatcher<Reading>>();
    QObject::connect(m_reading.get(), &QFutureWatcherBase::finished, m_reading.get(), [this] {
        const QFuture<Reading> future = m_reading->future();
        m_read = future.resultCount() > 0 ? future.result() : nullptr;
        if (m_read && m_ready)
            m_ready();
    });
}

bool ConflictCopyIntake::MergeInBackground()
{
    if (m_read) {
        // Merged on this thread, into the days the window shows; the merge lock taken by the
        // reading goes with it.
        const Reading read = std::exchange(m_read, nullptr);
        m_outcome = ConflictCopyMerge::Apply(m_file, *read);
        return m_outcome.memoryChanged;
    }
    const QString path = m_file.Path();
    if (m_reading->isRunning() || path.isEmpty() || ConflictCopyMerge::FindAll(path).isEmpty())
        return false;
    auto promise = std::make_shared<QPromise<Reading>>();
    m_reading->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, path] {
        promise->addResult(ConflictCopyMerge::Prepare(path));
        promise->finish();
    });
    return false;
}

bool ConflictCopyIntake::Run()
{
    const bool changed = Merge();
    Tell();
    return changed;
}

bool ConflictCopyIntake::Merge()
{
    m_outcome = ConflictCopyMerge::Outcome();
    if (m_reading)
        return MergeInBackground();
    if (m_file.Path().isEmpty() || ConflictCopyMerge::FindAll(m_file.Path()).isEmpty())
        return false;
    m_outcome = ConflictCopyMerge::Run(m_file, ConflictCopyMerge::Mode::Apply);
    return m_outcome.memoryChanged;
}

QString ConflictCopyIntake::Tell()
{
    const ConflictCopyMerge::Outcome outcome = std::exchange(m_outcome, {});
    if (!outcome.FoundAny() && outcome.error.isEmpty())
        return QString();
    if (!outcome.conflicts.isEmpty() && !outcome.conflictFile.isEmpty()) {
        MessageBox::Information(
            m_parent,
            QCoreApplication::translate(
                "ConflictCopyIntake",
                "Another computer changed days that were also changed here:\n%1\n"
                "The diary keeps the version shown here. The other computer's "
                "version was saved in:\n%2\nIn the diary, Edit > Conflicts shows "
                "it beside the diary's and lets you take it instead.")
                .arg(DateListText::Short(outcome.conflicts),
                     QDir::toNativeSeparators(outcome.conflictFile)));
    }
    QStringList damaged;
    for (const ConflictCopyMerge::Copy &copy : outcome.copies) {
        if (!copy.keptAs.isEmpty())
            damaged.append(QDir::toNativeSeparators(copy.keptAs));
    }
    if (!damaged.isEmpty()) {
        MessageBox::Warning(
            m_parent,
            QCoreApplication::translate("ConflictCopyIntake",
                                        "A copy of the diary that the sync program left "
                                        "beside it is damaged and was not merged. It was "
                                        "kept as:\n%1")
                .arg(damaged.join(u'\n')));
    }
    if (!outcome.error.isEmpty() && outcome.error != m_lastError) {
        MessageBox::Warning(
            m_parent,
            QCoreApplication::translate("ConflictCopyIntake",
                                        "Copies of the diary left by the sync program could "
                                        "not all be merged:\n%1")
                .arg(outcome.error));
    }
    m_lastError = outcome.error;
    return outcome.conflicts.isEmpty() ? QString() : outcome.conflictFile;
}
