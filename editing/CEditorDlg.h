#pragma once

#include "editing/CDayDlg.h"
#include "editing/ProgramDayList.h"
#include "editing/ProgramFile.h"
#include "model/TrainingProgram.h"

#include <memory>

class CGridCtrl;
class IDayCellOwner;

// "Workout programs editor": the day dialog with the list of a training program's days on its
// left. The program (Day 1, Day 2, ...) is the dialog's own and lives in a program file; every
// workout and exercise command of the day dialog works on the current program day, whose status
// images always show Not yet.
//
// Nothing unsaved is dropped silently: New, Close, Open and Exit ask "Save changes?" while the
// program has changes. After the dialog closes, the caller reads the file name of the program it
// last worked on (GetFileName).
class CEditorDlg : public CDayDlg
{
    Q_OBJECT

public:
    static constexpr int DayCellType = ProgramDayList::DayCellType;

    // The cell owner gives the program days' cells their images and font (the main window's);
    // without one the editor uses its own.
    CEditorDlg(QWidget *parent, const IDayCellOwner *cellOwner);
    ~CEditorDlg() override;

    TrainingProgram &Program() { return m_program; }
    QString GetFileName() const { return m_program.GetPath(); }
    CGridCtrl *DayGrid() const { return m_dayGrid; }
    // The index of the program day shown, or -1.
    int CurrentDayIndex() const;

    void RunCommand(int commandId) override;

    void MoveExerciseUp() override;
    void MoveExerciseDown() override;
    void OnAddWorkout() override;
    void OnAddExercise() override;
    void OnClear() override;

    void OnNew(); // New and Close
    void OnOpenFile();
    bool OnSave(); // true when the program is in its file afterwards
    bool OnSaveAs();
    void OnExit();
    void OnAddDay();
    void OnMoveDay(int step);
    void OnRemoveDays();
    void OnRemove(); // Del: the selected days of an empty day, else the selected exercises

protected:
    void OnOK() override; // Save
    void OnCancel() override; // Exit
    void OnHint(int hintId) override;
    void OnOpen() override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildDayGrid();
    void BuildEditorCommands();
    void BuildEditorMenus();
    void BuildEditorAccelerators();
    void BuildEditorButtons();
    void ShowDay(TrainingDay *day);
    void RefreshDays();
    void OnDaySelected(int row, int col);
    void MoveDayOrExercise(int step);

    TrainingProgram m_program;
    CGridCtrl *m_dayGrid;
    ProgramDayList m_days;
    ProgramFile m_files;
};
