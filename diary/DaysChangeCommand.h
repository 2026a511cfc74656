#pragma once

#include "model/DaysSnapshot.h"

#include <QUndoCommand>

#include <functional>

class DiaryDatabase;

// One step of the diary's history: the days of some dates before and after a change. Undo puts
// the days before back, redo those after, each in their places in the list of days. The change
// itself has already happened when the step is pushed, so the first redo does nothing.
class DaysChangeCommand : public QUndoCommand
{
public:
    // Called around every undo and redo: nothing may hold a day while the days are replaced, and
    // everything that shows days looks them up again afterwards.
    struct Hooks
    {
        std::function<void()> releaseDays;
        std::function<void()> daysChanged;
    };

    DaysChangeCommand(const QString &name, DiaryDatabase &database, DaysSnapshot before,
                      DaysSnapshot after, const Hooks &hooks);

    void undo() override;
    void redo() override;

    const DaysSnapshot &Before() const { return m_before; }
    const DaysSnapshot &After() const { return m_after; }

private:
    void Put(const DaysSnapshot &snapshot);

    DiaryDatabase &m_database;
    DaysSnapshot m_before;
    DaysSnapshot m_after;
    Hooks m_hooks;
    bool m_done = true;
};
