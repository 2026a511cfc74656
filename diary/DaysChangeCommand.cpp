#include "diary/DaysChangeCommand.h"

DaysChangeCommand::DaysChangeCommand(const QString &name, DiaryDatabase &database,
                                     DaysSnapshot before, DaysSnapshot after, const Hooks &hooks)
    : QUndoCommand(name)
    , m_database(database)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_hooks(hooks)
{
}

void DaysChangeCommand::undo()
{
    Put(m_before);
    m_done = false;
}

void DaysChangeCommand::redo()
{
    if (m_done)
        return; // pushed after the change was made
    Put(m_after);
    m_done = true;
}

void DaysChangeCommand::Put(const DaysSnapshot &snapshot)
{
    if (m_hooks.releaseDays)
        m_hooks.releaseDays();
    snapshot.Restore(m_database);
    if (m_hooks.daysChanged)
        m_hooks.daysChanged();
}
