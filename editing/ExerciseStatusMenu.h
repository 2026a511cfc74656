#pragma once

#include "model/ProgressStatus.h"

#include <QList>

#include <functional>

class CGridCtrl;
class ExerciseEntry;
class QMenu;
class QPoint;
class QWidget;

// The statuses of the workout grid's exercises (CDayTabCtrl): the exercise menu that marks the
// selected exercises Done, Failed or Not yet, and the status cell's cycle Not yet -> Done ->
// Failed -> Not yet. The grid's rows are the exercises 1..N of the workout shown.
class ExerciseStatusMenu
{
public:
    struct Rows
    {
        // Takes an open edit and the grid's texts into the workout first.
        std::function<void()> commitEdits;
        // The exercise of a grid row, or null.
        std::function<ExerciseEntry *(int row)> exerciseAt;
        // Shows the workout's exercises again.
        std::function<void()> showAgain;
    };

    // The menu is a child of menuParent.
    ExerciseStatusMenu(CGridCtrl *grid, QWidget *menuParent, Rows rows);

    QMenu *Menu() const { return m_menu; }
    // The exercise menu at the position, opened on the cell (row, col).
    void ShowMenu(int row, int col, const QPoint &globalPos);
    // Sets the status of the exercises whose rows are selected, then shows the workout again
    // with the same rows selected and the focus on (focusRow, focusCol).
    void MarkSelected(ProgressStatus status, int focusRow, int focusCol);
    // The status cell's double click on the row.
    void Cycle(int row);

private:
    QList<int> SelectedRows(int column) const;
    void SelectRows(const QList<int> &rows);

    CGridCtrl *m_grid;
    QMenu *m_menu;
    Rows m_rows;
};
