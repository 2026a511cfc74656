#pragma once

#include <QCoreApplication>

#include "model/TrainingProgram.h"

#include <memory>

class CGridCtrl;
class IDayCellOwner;
class QWidget;

// The program editor's list of program days: one row per day ("Day 1", "Day 2", ...) drawn as a
// day cell in program mode, as high as three quarters of the list's width. The cell owner gives
// the cells their images and font; without one the list uses the default images and the
// window's font.
class ProgramDayList
{
    Q_DECLARE_TR_FUNCTIONS(ProgramDayList)

public:
    static constexpr int DayCellType = 1;

    ProgramDayList(CGridCtrl *grid, QWidget &window, const IDayCellOwner *cellOwner);
    ~ProgramDayList();

    // The owner in use (the one given, or the list's own).
    const IDayCellOwner &CellOwner() const { return *m_cellOwner; }
    CGridCtrl *Grid() const { return m_grid; }

    // Empties the list, then shows a row per day of the program (none for an empty program).
    void Fill(TrainingProgram &program);
    // The rows keep their height whether or not the scroll bar shows.
    void FitRows();
    void SelectRow(int row);
    void Repaint();

private:
    class OwnCellOwner;

    CGridCtrl *m_grid;
    std::unique_ptr<OwnCellOwner> m_ownCellOwner;
    const IDayCellOwner *m_cellOwner;
};
