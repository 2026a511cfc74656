#pragma once

// The numeric ids of the day dialog and the workout tab control: commands (menu items,
// keyboard accelerators, buttons and hint double clicks of one window share them), controls and
// hint texts.
namespace DayDlgIds {

// The dialog's own id; its size is remembered in the settings section "67".
inline constexpr int DialogId = 103;

enum Command : int {
    AddExercise = 32776,
    AddWorkout = 32777,
    RemoveWorkout = 32778,
    RemoveAllExercises = 32846,
    RemoveSelectedExercises = 32857,
    SelectAll = 32859,
    MoveExerciseUp = 32962,
    MoveExerciseDown = 32964,
    MoveWorkoutLeft = 32965,
    MoveWorkoutRight = 32966,
    Clear = 32975,
    // Column menu of the exercise grid: one entry per column, in column order.
    FirstColumnCommand = 32995,
    LastColumnCommand = 33002,
    // Status menus of workouts (the status button) and of exercises (right click in the grid).
    MarkDone = 33020,
    MarkNotYet = 33021,
    MarkFailed = 33022,
    RenameWorkout = 33026,
};

enum Control : int {
    OkButton = 1,
    CancelButton = 2,
    TabControl = 1007,
    AddButton = 1012,
    MoveUpButton = 1013,
    RemoveButton = 1014,
    MoveLeftButton = 1015,
    MoveRightButton = 1016,
    MoveDownButton = 1017,
    ClearButton = 1018,
    StatusButton = 1093,
    ExerciseGrid = 291,
};

// The placeholder's hint texts (see CEmptyDlg::HintText).
enum Hint : int {
    NoHint = 0,
    HintEmptyProgram = 102,
    HintNoWorkouts = 103,
    HintNoExercises = 104,
    HintOutsideRange = 105,
};

} // namespace DayDlgIds
