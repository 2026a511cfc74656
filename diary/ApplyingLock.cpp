#include "diary/ApplyingLock.h"

#include "diary/CommandIds.h"
#include "diary/MainMenu.h"

#include <QAction>

ApplyingLock::ApplyingLock(MainMenu &commands, const QList<QWidget *> &rangeControls)
    : m_commands(commands)
{
    for (int commandId : LockedCommands()) {
        const QAction *action = m_commands.Action(commandId);
        if (action && action->isEnabled()) {
            m_commands.SetCommandEnabled(commandId, false);
            m_disabledCommands.append(commandId);
        }
    }
    for (QWidget *control : rangeControls) {
        if (control && control->isEnabled()) {
            control->setEnabled(false);
            m_disabledControls.append(control);
        }
    }
}

ApplyingLock::~ApplyingLock()
{
    for (int commandId : m_disabledCommands)
        m_commands.SetCommandEnabled(commandId, true);
    for (const QPointer<QWidget> &control : m_disabledControls) {
        if (control)
            control->setEnabled(true);
    }
}

QList<int> ApplyingLock::LockedCommands()
{
    // Exit is not among them: closing stops the walk first (the window's close path). Undo and
    // redo wait on their own while the window is busy.
    return {CommandId::View,         CommandId::AddWorkout, CommandId::RemoveSelected,
            CommandId::MoveSelected, CommandId::Notes,      CommandId::Editor,
            CommandId::ApplyProgram, CommandId::SetRange,   CommandId::SelectionToRange,
            CommandId::User,         CommandId::Options,    CommandId::ImportFile,
            CommandId::RestoreBackup};
}
