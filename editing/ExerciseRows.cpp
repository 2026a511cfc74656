#include "editing/ExerciseRows.h"

#include "editing/ExerciseColumnLayout.h"
#include "images/RepbookColours.h"
#include "model/ExerciseColumns.h"
#include "model/Workout.h"
#include "widgets/CGridCtrl.h"

namespace Col = ExerciseColumns;

ExerciseRows::ExerciseRows(CGridCtrl *grid)
    : m_grid(grid)
{
}

void ExerciseRows::Fill(int row, const ExerciseEntry &exercise, WeightUnit unit, const QFont &bold)
{
    const Col::RowTexts texts = Col::TextsOf(exercise, unit);
    for (int col = 0; col < Col::Count; ++col) {
        m_grid->SetItemText(row, col, texts[static_cast<size_t>(col)]);
        m_grid->SetCellType(row, col, ExerciseColumnLayout::CellTypeOf(col));
        if (Col::Info(col).bold)
            m_grid->SetItemFont(row, col, bold);
    }
}

void ExerciseRows::Colour(int row)
{
    // The palette of the tab control the grid lies in.
    const RepbookColours &colours = RepbookColours::For(m_grid->parentWidget()->palette());
    const QColor background = row % 2 == 1 ? colours.oddRow : colours.evenRow;
    for (int col = 0; col < Col::Count; ++col)
        m_grid->SetItemBkColour(row, col, background);
    m_grid->SetItemFgColour(row, Col::Exercise, colours.exerciseName);
}

void ExerciseRows::CopyBack(Workout &workout, WeightUnit unit)
{
    const int rows = qMin(workout.GetExerciseCount(), m_grid->GetRowCount() - 1);
    for (int i = 0; i < rows; ++i) {
        Col::RowTexts texts;
        for (int col = 0; col < Col::Count; ++col)
            texts[static_cast<size_t>(col)] = m_grid->GetItemText(i + 1, col);
        Col::ApplyTexts(*workout.GetExercise(i), texts, unit);
    }
}
