#pragma once

#include "editing/DayEditing.h"
#include "model/ProgressStatus.h"

#include <QHash>
#include <QList>
#include <QWidget>

#include <functional>
#include <initializer_list>

class CDayTabCtrl;
class CPictureButton;
class QAction;
class QBoxLayout;
class QKeySequence;
class QMenu;
class QMenuBar;
class TrainingDay;

// The part of a window that edits one training day, shared by the day dialog and the program
// editor: the workout tab control with its buttons (add, remove, move, workout status, clear, OK,
// Cancel), the commands of menus, accelerators and buttons, and the day-editing operations on
// the day shown. The panel edits the day it is given in place and never owns it.
//
// Every command ends in RunCommand, which looks it up in one table: a handler the window gave
// (SetCommand) before the panel's own day command of that id. The accelerators rest while a cell
// editor is open, so that Ins, Del and the arrow keys act inside it. The OK and Cancel buttons
// are the window's to connect (Button).
class DayEditingPanel : public QWidget
{
    Q_OBJECT

public:
    // In a command list of AddCommands: a separator.
    static constexpr int MenuSeparator = 0;

    // window: the dialog the panel lies in, which the dialogs of the day-editing operations
    // open over.
    explicit DayEditingPanel(QWidget *window);
    ~DayEditingPanel() override;

    // The day the commands work on; none as well.
    void SetDay(TrainingDay *day);
    TrainingDay *GetDay() const { return m_day; }
    // The status images: shields (default) or flags; taken by Open.
    void SetImageSet(bool shields) { m_shields = shields; }
    CDayTabCtrl *GetTabCtrl() const { return m_tabCtrl; }
    DayEditing &Editing() { return m_dayEditing; }
    // True while a cell editor of the grid is open.
    bool IsEditing() const { return m_editing; }

    // Runs the command of a menu item, accelerator, button or hint.
    void RunCommand(int commandId);
    // Creates (or finds) the action of a command, with its menu text.
    QAction *DefineCommand(int commandId, const QString &text);
    QAction *CommandAction(int commandId) const;
    // The window's handler of a command, in place of the day command of that id, if any.
    void SetCommand(int commandId, std::function<void()> handler);
    // Called after each day command the window left to the panel.
    void SetAfterDayCommand(std::function<void()> after) { m_afterDayCommand = std::move(after); }

    // Adds the commands' actions to menu in order.
    void AddCommands(QMenu *menu, std::initializer_list<int> commandIds) const;
    // The Edit menu: moving exercises and workouts, then extraMoves (a submenu title and its
    // two commands, when given), then renaming the workout.
    QMenu *AddEditMenu(QMenuBar *bar, const QString &extraMoves = QString(),
                       std::initializer_list<int> extraCommands = {}) const;
    // The accelerator table: key sequences that run commands.
    QAction *AddAccelerator(const QKeySequence &keys, int commandId);

    CPictureButton *Button(int controlId) const;
    // The bottom row of buttons: "Clear", a stretch, OK and Cancel.
    QBoxLayout *BottomRow() const { return m_bottomRow; }

    // The window opens: bind the day, make the grid editable, take the focus.
    void Open();
    // Ends an open cell edit so that it is in the day before a command changes the day.
    void CommitEdit();
    // Ends an open cell edit and writes the grid's texts into the day.
    void TakeEdits();
    // Marks the selected workout and its exercises, and shows its status.
    void OnMarkWorkout(ProgressStatus status);
    // Shows the status of the workout at `index` on the status button (none for -1).
    void UpdateStatusButton(int workoutIndex);

private:
    void MapCommands();
    void DefineCommands();
    void BuildButtons();
    void BuildButtonMenus();
    void BuildLayout();
    void BuildAccelerators();
    void OnHint(int hintId);
    void OnEditBegun();
    void OnEditEnded();
    void UpdateAccelerators();

    TrainingDay *m_day = nullptr;
    bool m_shields = true;
    bool m_editing = false;
    CDayTabCtrl *m_tabCtrl;
    QBoxLayout *m_bottomRow = nullptr;
    QHash<int, CPictureButton *> m_buttons;
    QHash<int, QAction *> m_commands;
    QHash<int, std::function<void()>> m_commandHandlers; // the day commands
    QHash<int, std::function<void()>> m_windowHandlers; // the window's, asked first
    std::function<void()> m_afterDayCommand;
    QList<QAction *> m_accelerators;
    DayEditing m_dayEditing;
};
