#pragma once

#include <QCoreApplication>

class DayEditingPanel;
class QMenuBar;
class QWidget;

// The program editor's commands around its day-editing panel: the File, Add, Edit and Remove
// menus, the drop-down menus of the add and remove buttons, "Open", "Save" and "Exit" among the
// bottom buttons, and the file keys, which act also while a cell editor is open. Every one of
// them runs its command through the panel (EditorIds, DayDlgIds).
class EditorControls
{
    Q_DECLARE_TR_FUNCTIONS(EditorControls)

public:
    // Builds them into the editor's menu bar and panel; the menus, buttons and keys are children
    // of the editor.
    static void Build(DayEditingPanel &panel, QMenuBar &bar, QWidget &editor);

private:
    static void DefineCommands(DayEditingPanel &panel);
    static void BuildMenus(DayEditingPanel &panel, QMenuBar &bar, QWidget &editor);
    static void BuildButtons(DayEditingPanel &panel, QWidget &editor);
    static void BuildFileKeys(DayEditingPanel &panel, QWidget &editor);
};
