#pragma once

#include "editing/DayEditing.h"
#include "model/ProgressStatus.h"
#include "widgets/CResizingDialog.h"

#include <QHash>
#include <QList>

#include <initializer_list>

class CDayTabCtrl;
class CPictureButton;
class QAction;
class QBoxLayout;
class QKeySequence;
class QMenu;
class QMenuBar;
class TrainingDay;
class Workout;

// "Workout planning": plans and fills in the workouts of one day around a workout tab control.
// The dialog edits the day it is given in place and never copies it; a host that must undo on
// Cancel keeps its own copy. On OK it asks about workouts whose status disagrees with their
// exercises.
//
// Menu items, keyboard accelerators, buttons and the placeholder's hints all end in RunCommand
// with the command ids of DayDlgIds. The accelerators rest while a cell editor is open, so that
// Ins, Del and the arrow keys act inside it. The program editor derives from this dialog and
// overrides the virtual operations.
class CDayDlg : public CResizingDialog
{
    Q_OBJECT

public:
    // Takes what every open day dialog shows into its day, an open cell editor included, for a
    // save that cannot wait for the dialogs to close (the session ends).
    static void TakeOpenEdits();

    explicit CDayDlg(QWidget *parent = nullptr);
    ~CDayDlg() override;

    // The day to edit, given before the dialog opens; none is refused.
    bool SetDay(TrainingDay *day);
    TrainingDay *GetDay() const { return m_day; }
    // The status images: shields (default) or flags; taken when the dialog opens.
    void SetImageSet(bool shields);

    CDayTabCtrl *GetTabCtrl() const { return m_tabCtrl; }
    // True while a cell editor of the grid is open.
    bool IsEditing() const { return m_editing; }

    // Runs the command of a menu item, accelerator or button.
    virtual void RunCommand(int commandId);
    QAction *CommandAction(int commandId) const;

    // The day-editing operations (DayEditing); a derived dialog may override the virtual ones.
    virtual int AddWorkout() { return m_dayEditing.AddWorkout(); } // new index, or -1
    virtual int AddExercise() { return m_dayEditing.AddExercise(); } // new index, or -1
    virtual int RemoveWorkout() { return m_dayEditing.RemoveWorkout(); } // workouts left
    virtual void MoveExerciseUp() { m_dayEditing.MoveExercise(-1); }
    virtual void MoveExerciseDown() { m_dayEditing.MoveExercise(1); }
    virtual void OnAddWorkout() { m_dayEditing.OnAddWorkout(); }
    virtual void OnAddExercise() { m_dayEditing.OnAddExercise(); }
    virtual void OnClear() { m_dayEditing.OnClear(); }

    void OnRemoveSelectedExercises() { m_dayEditing.OnRemoveSelectedExercises(); }
    void OnRemoveAllExercises() { m_dayEditing.OnRemoveAllExercises(); }
    void OnRemoveWorkout() { m_dayEditing.OnRemoveWorkout(); }
    void OnSelectAll() { m_dayEditing.OnSelectAll(); }
    void OnMoveWorkoutLeft() { m_dayEditing.MoveWorkout(-1); }
    void OnMoveWorkoutRight() { m_dayEditing.MoveWorkout(1); }
    void OnMarkWorkout(ProgressStatus status);
    void OnRenameWorkout() { m_dayEditing.OnRenameWorkout(); }

public slots:
    void reject() override; // Escape and the close box act as Cancel

protected:
    // For a derived dialog with an id of its own.
    CDayDlg(int dialogId, QWidget *parent);

    // In a command list of AddCommands: a separator.
    static constexpr int MenuSeparator = 0;
    // Adds the commands' actions to menu in order.
    void AddCommands(QMenu *menu, std::initializer_list<int> commandIds) const;
    // The Edit menu: moving exercises and workouts, then extraMoves (a submenu title and its
    // two commands, when given), then renaming the workout.
    QMenu *AddEditMenu(QMenuBar *bar, const QString &extraMoves = QString(),
                       std::initializer_list<int> extraCommands = {}) const;

    virtual void OnOK(); // the status check, then close with OK
    virtual void OnCancel(); // close with Cancel
    // The placeholder was double-clicked.
    virtual void OnHint(int hintId);
    // What happens when the dialog opens: bind the day, make the grid editable.
    virtual void OnOpen();

    void done(int result) override;
    void showEvent(QShowEvent *event) override;

    CPictureButton *Button(int controlId) const;
    QMenuBar *MenuBar() const { return m_menuBar; }
    // A place left of the buttons and the tab control, for a derived dialog's own list.
    QBoxLayout *LeftPane() const { return m_leftPane; }
    // The bottom row of buttons: "Clear", a stretch, OK and Cancel.
    QBoxLayout *BottomRow() const { return m_bottomRow; }
    // Switches the day the commands work on; unlike SetDay it takes none as well.
    void SetCurrentDay(TrainingDay *day)
    {
        m_day = day;
        m_dayEditing.SetDay(day);
    }
    // The accelerator table: key sequences that run commands.
    QAction *AddAccelerator(const QKeySequence &keys, int commandId);
    void RemoveAccelerators();
    // Whether the accelerators also act while a cell editor is open (off by default).
    void SetAcceleratorsWhileEditing(bool on);
    // Creates (or finds) the action of a command, with its menu text.
    QAction *DefineCommand(int commandId, const QString &text);
    // Ends an open cell edit so that it is in the day before a command changes the day.
    void CommitEdit();
    // Shows the status of the workout at `index` on the status button (none for -1).
    void UpdateStatusButton(int workoutIndex);

private:
    void BuildCommands();
    void BuildButtons();
    void BuildMenus();
    void BuildLayout();
    void BuildAccelerators();
    void OnEditBegun();
    void OnEditEnded();
    void UpdateAccelerators();

    TrainingDay *m_day = nullptr;
    bool m_shields = true;
    bool m_editing = false;
    bool m_acceleratorsWhileEditing = false;
    CDayTabCtrl *m_tabCtrl;
    QMenuBar *m_menuBar;
    QBoxLayout *m_leftPane = nullptr;
    QBoxLayout *m_bottomRow = nullptr;
    QHash<int, CPictureButton *> m_buttons;
    QHash<int, QAction *> m_commands;
    QList<QAction *> m_accelerators;
    QMenu *m_addMenu = nullptr;
    QMenu *m_removeMenu = nullptr;
    QMenu *m_statusMenu = nullptr;
    DayEditing m_dayEditing;
};
