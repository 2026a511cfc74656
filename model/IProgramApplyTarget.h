#pragma once

class TrainingDay;

// What applying a program asks of the calendar it lays days onto. Cells are addressed in the
// calendar's grid coordinates: rows 1.. are weeks, columns 1..7 are Monday to Sunday.
class IProgramApplyTarget
{
public:
    virtual ~IProgramApplyTarget() = default;

    // Whether the cell already shows a day.
    virtual bool CellHoldsDay(int row, int col) const = 0;
    // Shows a day just added to the diary in the cell, scrolls the cell into view and repaints
    // the calendar at once, so the user watches the program being laid out.
    virtual void AttachDay(int row, int col, TrainingDay *day) = 0;
};
