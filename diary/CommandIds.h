#pragma once

// Command ids of the diary's main window: menu items, keys and picture buttons that do the same
// thing share one id.
namespace CommandId {

enum : int {
    AddWorkout = 32668,
    RemoveSelected = 32672,
    SelectAll = 32859,
    ApplyProgram = 32876,
    Editor = 32879,
    Notes = 32880,
    Escape = 32887,
    View = 32890,
    FirstDay = 32913,
    PreviousDay = 32914,
    LastDay = 32916,
    NextDay = 32917,
    PrintPreview = 32921,
    Print = 32922,
    MoveSelected = 32923,
    Refresh = 32925,
    About = 32927,
    ColumnMonday = 32936, // .. ColumnSunday: the weekday column menu
    ColumnSunday = 32942,
    User = 32973,
    Today = 32990,
    SelectionToRange = 32993,
    SetRange = 33024,
    Options = 33034,
    ImportFile = 33100,
    ExportFile = 33101,
    Progress = 33103,
    Find = 33104,
    Conflicts = 33105,
    Exit = 57665,
    // The history and the backups.
    Undo = 57643,
    Redo = 57644,
    RestoreBackup = 33102,
};

} // namespace CommandId
