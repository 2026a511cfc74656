#pragma once

#include <QCoreApplication>

#include "model/ProgressStatus.h"

class CDayTabCtrl;
class QWidget;
class TrainingDay;

// The day-editing operations of the day dialog and the program editor: adding, removing,
// moving, marking and renaming the workouts and exercises of the day shown in a workout tab
// control. Each takes an open cell edit into the day first; the dialogs they open are children
// of the parent given.
class DayEditing
{
    Q_DECLARE_TR_FUNCTIONS(DayEditing)

public:
    DayEditing(QWidget &parent, CDayTabCtrl *tabs);

    // The day the operations work on (none: they do nothing).
    void SetDay(TrainingDay *day) { m_day = day; }

    int AddWorkout(); // index of the new workout, or -1
    int AddExercise(); // index of the new exercise, or -1
    int RemoveWorkout(); // number of workouts left
    void OnAddWorkout();
    void OnAddExercise();
    void OnRemoveWorkout();
    void OnRemoveSelectedExercises();
    void OnRemoveAllExercises();
    void OnClear();
    void OnSelectAll();
    // Moves the focused exercise, or the selected workout, by step places.
    void MoveExercise(int step);
    void MoveWorkout(int step);
    // Marks the selected workout and its exercises; false when there was none.
    bool OnMarkWorkout(ProgressStatus status);
    void OnRenameWorkout();

private:
    void SelectRow(int row);

    QWidget &m_parent;
    CDayTabCtrl *m_tabs;
    TrainingDay *m_day = nullptr;
};
