#pragma once

#include <QList>
#include <QString>

class CalendarRange;
class DiaryDatabase;
class DiaryHistory;
class IProgramApplyTarget;
class MainMenu;
class QWidget;

// Applying a program to the display range as the main window runs it: the walk over the
// calendar, recorded as one step of the history, with the window's commands and range controls
// locked (ApplyingLock) while it runs; Escape stops it, and a close request stops it and waits
// for its end.
class ProgramApplication
{
public:
    ProgramApplication(QWidget *window, DiaryDatabase &database, IProgramApplyTarget &calendar,
                       MainMenu &commands, const QList<QWidget *> &rangeControls);

    // Applies the program file (an empty name asks for it) to the range, from choosing the file
    // to the last day laid out; nothing while another walk runs.
    void Run(const QString &fileName, const CalendarRange &range, bool delay,
             DiaryHistory &history);
    bool IsApplying() const { return m_applying; }
    // Stops a running walk before its next day.
    void Stop() { m_stop = true; }
    // A close request: while a walk runs it stops the walk and is kept for its end (true);
    // otherwise false, and the window closes as usual.
    bool DeferClose();
    // Whether a close request came during the last walk; forgets it.
    bool TakeCloseRequest();

private:
    QWidget *m_window;
    DiaryDatabase &m_database;
    IProgramApplyTarget &m_calendar;
    MainMenu &m_commands;
    QList<QWidget *> m_rangeControls;
    bool m_stop = true; // false only while a program is being applied
    bool m_applying = false; // from the start of Run to its end
    bool m_closeAfterApplying = false; // a close request stopped the walk
};
