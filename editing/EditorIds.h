#pragma once

// The numeric ids of the program editor beyond those it shares with the day dialog (DayDlgIds).
namespace EditorIds {

// The dialog's own id; its size is remembered in the settings section "86".
inline constexpr int DialogId = 134;

enum Command : int {
    AddDay = 32668,
    Remove = 32672, // Del and the "Remove" button: days or exercises, see CEditorDlg
    RemoveSelectedExercises = 32843, // the "Remove" menus' first entry, acts as Del
    RemoveDay = 32885,
    Open = 32977,
    New = 32978,
    Close = 32979,
    Save = 32980,
    SaveAs = 32981,
    Exit = 32982,
    MoveDayUp = 33009,
    MoveDayDown = 33010,
    ClearProgram = 1018,
};

enum Control : int {
    DayGrid = 1028,
    OpenButton = 32977,
};

} // namespace EditorIds
