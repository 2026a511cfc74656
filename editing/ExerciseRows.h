#pragma once

#include "model/WeightUnit.h"

class CGridCtrl;
class ExerciseEntry;
class QFont;
class Workout;

// The rows of the workout grid (CDayTabCtrl), row r showing exercise r - 1: an exercise's texts
// and cell types written into its row, the rows' colours in the palette in effect, and the rows'
// texts read back into the workout's exercises, all with weights in a unit.
class ExerciseRows
{
public:
    explicit ExerciseRows(CGridCtrl *grid);

    // The exercise's texts and cell types in the row, the bold columns in bold.
    void Fill(int row, const ExerciseEntry &exercise, WeightUnit unit, const QFont &bold);
    // The row's background and the exercise's colour in the variant of the palette in effect.
    void Colour(int row);
    // Reads the texts of the rows back into the workout's exercises (never more rows than the
    // workout has exercises, nor than the grid shows).
    void CopyBack(Workout &workout, WeightUnit unit);

private:
    CGridCtrl *m_grid;
};
