#include "editing/ConflictCopyIntake.h"

#include "editing/DateListText.h"
#include "model/ConflictCopyMerge.h"
#include "model/SharedDiaryFile.h"
#include "widgets/MessageBox.h"

#include <QDir>

#include <utility>

ConflictCopyIntake::ConflictCopyIntake(SharedDiaryFile &file, QWidget *parent)
    : m_file(file)
    , m_parent(parent)
{
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
    if (m_file.Path().isEmpty() || ConflictCopyMerge::FindAll(m_file.Path()).isEmpty())
        return false;
    m_outcome = ConflictCopyMerge::Run(m_file, ConflictCopyMerge::Mode::Apply);
    return m_outcome.memoryChanged;
}

void ConflictCopyIntake::Tell()
{
    const ConflictCopyMerge::Outcome outcome = std::exchange(m_outcome, {});
    if (!outcome.FoundAny() && outcome.error.isEmpty())
        return;
    if (!outcome.conflicts.isEmpty() && !outcome.conflictFile.isEmpty()) {
        MessageBox::Information(
            m_parent,
            QStringLiteral("Another computer changed days that were also changed here:\n%1\n"
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
        MessageBox::Warning(m_parent,
                            QStringLiteral("A copy of the diary that the sync program left "
                                           "beside it is damaged and was not merged. It was "
                                           "kept as:\n%1")
                                .arg(damaged.join(u'\n')));
    }
    if (!outcome.error.isEmpty() && outcome.error != m_lastError) {
        MessageBox::Warning(m_parent,
                            QStringLiteral("Copies of the diary left by the sync program could "
                                           "not all be merged:\n%1")
                                .arg(outcome.error));
    }
    m_lastError = outcome.error;
}
