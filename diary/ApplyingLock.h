#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class MainMenu;

// Holds the main window still while a program is laid onto the calendar. The walk processes
// events before every cell, so the window keeps answering; but it goes by the grid's rows and
// columns, so for as long as this lock lives nothing may rebuild the grid, change the diary or
// start another walk or the editor. Those commands and the range controls are disabled, and
// whatever was enabled before is enabled again when the lock ends.
class ApplyingLock
{
public:
    ApplyingLock(MainMenu &commands, const QList<QWidget *> &rangeControls);
    ~ApplyingLock();
    ApplyingLock(const ApplyingLock &) = delete;
    ApplyingLock &operator=(const ApplyingLock &) = delete;

    // The commands that wait for the walk to end.
    static QList<int> LockedCommands();

private:
    MainMenu &m_commands;
    QList<int> m_disabledCommands;
    QList<QPointer<QWidget>> m_disabledControls;
};
