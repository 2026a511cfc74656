#pragma once

#include "diary/DaysChangeCommand.h"
#include "model/DateValue.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class DiaryDatabase;
class QAction;
class QUndoStack;
class QWidget;

// The main window's undo and redo: every change of the diary's days made there is recorded as
// one named step (Record), holding only the days of the dates it changed. A step is undone or
// redone only while those days are still as the step left them; when another program changed
// them since, the step is refused with a message that says why, so nothing it wrote is lost.
class DiaryHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepLimit = 100;

    struct Hooks
    {
        std::function<bool()> isBusy; // undo and redo wait while this is true
        DaysChangeCommand::Hooks days;
    };

    DiaryHistory(DiaryDatabase &database, QWidget *owner, Hooks hooks);
    ~DiaryHistory() override;

    // Runs change and keeps what it did to the days of dates as one step named name. A change
    // that leaves those days as they were keeps no step. A change made while another is being
    // recorded belongs to that other step.
    void Record(const QString &name, const QList<DateValue> &dates,
                const std::function<void()> &change);
    // The same with a name known only after the change (it may depend on the user's answers).
    void Record(const std::function<QString()> &name, const QList<DateValue> &dates,
                const std::function<void()> &change);
    // The same for a change whose dates are not known beforehand: the whole diary is compared.
    void RecordAny(const QString &name, const std::function<void()> &change);

    // Records whatever the context menus of the widgets change (a menu that marks statuses) as
    // one step each; name and dates are asked for when a menu opens.
    void RecordContextMenus(const QList<QWidget *> &widgets, const std::function<QString()> &name,
                            const std::function<QList<DateValue>()> &dates);

    // False when there is nothing to undo or redo, the window is busy, or the step was refused.
    bool Undo();
    bool Redo();
    QUndoStack *Stack() const { return m_stack; }
    // True while the window is busy: no change may be recorded from outside it then.
    bool IsBusy() const { return m_recording || (m_hooks.isBusy && m_hooks.isBusy()); }
    // What undo and redo call around a change of days; for changes made outside a recording.
    const DaysChangeCommand::Hooks &DayHooks() const { return m_hooks.days; }
    // Keeps the actions' texts ("Undo Move 12 March") and states in step with the history.
    void BindActions(QAction *undo, QAction *redo);

    // "12 March" for one date, "3 days" for more.
    static QString DatesText(const QList<DateValue> &dates);

signals:
    // The days changed: a step was recorded, undone or redone.
    void Changed();

private:
    void Push(const QString &name, DaysSnapshot before, DaysSnapshot after);
    bool Step(bool undo);

    DiaryDatabase &m_database;
    QWidget *m_owner;
    Hooks m_hooks;
    QUndoStack *m_stack;
    bool m_recording = false;
};
