#pragma once

#include "editing/ProgramDayList.h"
#include "editing/ProgramFile.h"
#include "model/TrainingProgram.h"
#include "widgets/CResizingDialog.h"

class CDayTabCtrl;
class CGridCtrl;
class DayEditingPanel;
class IDayCellOwner;
class QMenuBar;
class TrainingDay;

// "Workout programs editor": the list of a training program's days on the left of a day-editing
// panel (DayEditingPanel), the same the day dialog shows. The program (Day 1, Day 2, ...) is the
// dialog's own and lives in a program file; every workout and exercise command works on the
// current program day, whose status images always show Not yet.
//
// The editor gives the panel its own handlers for the commands it treats differently (adding
// with a day or workout made first, moving whole days, removing days, clearing the program) and
// for its file and day commands; after every other day command its day list is drawn again.
//
// Nothing unsaved is dropped silently: New, Close, Open and Exit ask "Save changes?" while the
// program has changes. After the dialog closes, the caller reads the file name of the program it
// last worked on (GetFileName).
class CEditorDlg : public CResizingDialog
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
    CDayTabCtrl *GetTabCtrl() const;
    // The program day shown, or none.
    TrainingDay *GetDay() const;
    // The index of the program day shown, or -1.
    int CurrentDayIndex() const;

    // Runs the command of a menu item, accelerator or button (DayDlgIds, EditorIds).
    void RunCommand(int commandId);

    void MoveExerciseUp();
    void MoveExerciseDown();
    void OnAddWorkout();
    void OnAddExercise();
    void OnClear();

    void OnNew(); // New and Close
    void OnOpenFile();
    bool OnSave(); // true when the program is in its file afterwards
    bool OnSaveAs();
    void OnExit();
    void OnAddDay();
    void OnMoveDay(int step);
    void OnRemoveDays();
    void OnRemove(); // Del: the selected days of an empty day, else the selected exercises

public slots:
    void reject() override; // Escape and the close box act as Exit

protected:
    void done(int result) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void MapCommands();
    void BuildLayout();
    void ShowDay(TrainingDay *day);
    void RefreshDays();
    void OnDaySelected(int row, int col);
    void OnHint(int hintId);
    void MoveDayOrExercise(int step);

    TrainingProgram m_program;
    DayEditingPanel *m_panel;
    QMenuBar *m_menuBar;
    CGridCtrl *m_dayGrid;
    ProgramDayList m_days;
    ProgramFile m_files;
};
