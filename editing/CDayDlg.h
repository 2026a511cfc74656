#pragma once

#include "widgets/CResizingDialog.h"

class CDayTabCtrl;
class DayEditingPanel;
class QAction;
class QMenuBar;
class TrainingDay;

// "Workout planning": plans and fills in the workouts of one day around a workout tab control.
// The dialog edits the day it is given in place and never copies it; a host that must undo on
// Cancel keeps its own copy. On OK it asks about workouts whose status disagrees with their
// exercises.
//
// The workout tab control, its buttons, the commands and the accelerators are a day-editing
// panel's (DayEditingPanel); the dialog adds its menu bar, OK and Cancel.
class CDayDlg : public CResizingDialog
{
    Q_OBJECT

public:
    // Takes what every open day-editing window (this dialog, the program editor) shows into its
    // day, an open cell editor included, for a save that cannot wait for the dialogs to close
    // (the session ends).
    static void TakeOpenEdits();

    explicit CDayDlg(QWidget *parent = nullptr);
    ~CDayDlg() override;

    // The day to edit, given before the dialog opens; none is refused.
    bool SetDay(TrainingDay *day);
    TrainingDay *GetDay() const;
    // The status images: shields (default) or flags; taken when the dialog opens.
    void SetImageSet(bool shields);

    CDayTabCtrl *GetTabCtrl() const;
    // True while a cell editor of the grid is open.
    bool IsEditing() const;

    // Runs the command of a menu item, accelerator or button (DayDlgIds).
    void RunCommand(int commandId);
    QAction *CommandAction(int commandId) const;

    // The day-editing operations on the day.
    int AddWorkout(); // index of the new workout, or -1
    int AddExercise(); // index of the new exercise, or -1
    int RemoveWorkout(); // number of workouts left
    void MoveExerciseUp();
    void MoveExerciseDown();
    void OnAddWorkout();
    void OnAddExercise();
    void OnClear();

protected:
    void done(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildMenus();
    void OnOK(); // the status check, then close with OK

    DayEditingPanel *m_panel;
    QMenuBar *m_menuBar;
};
