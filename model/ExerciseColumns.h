#pragma once

#include "model/WeightUnit.h"

#include <QString>
#include <Qt>

#include <array>

class ExerciseEntry;

// The eight columns of the exercise grid and how one exercise becomes a row of texts and back.
// Kept apart from the widgets so that the rules can be checked on their own.
namespace ExerciseColumns {

enum Column : int {
    Status = 0,
    Exercise = 1,
    Sets = 2,
    Reps = 3,
    Forced = 4,
    Negative = 5,
    Weight = 6,
    Note = 7,
};
inline constexpr int Count = 8;

enum class CellKind { Image, Text, Spin };

struct ColumnInfo
{
    const char *heading; // shown in the heading row
    const char *menuText; // the column menu's entry (also the settings value name)
    CellKind kind;
    Qt::Alignment alignment;
    // Spin cells only: the range, decimal places and arrow step.
    double minimum = 0;
    double maximum = 0;
    int decimals = 0;
    double step = 1;
    bool bold = false; // drawn in the bold font
};

const ColumnInfo &Info(int column);
// The same with the weight column's range and decimals in the unit the grid shows.
ColumnInfo Info(int column, WeightUnit unit);
// The heading the grid shows; the weight's heading names its unit: "Weight (lb)".
QString Heading(int column, WeightUnit unit);

using RowTexts = std::array<QString, Count>;

// The texts the grid shows for an exercise, the weight in the unit; the status column has none.
RowTexts TextsOf(const ExerciseEntry &exercise, WeightUnit unit);

// Copies the texts of a row that differ from what the exercise shows into it through its setters,
// name first so that the other values are accepted; texts left as shown change nothing. Counts
// are read as decimal integers (anything else reads as 0) and the weight as a decimal number in
// the unit; a value the exercise refuses leaves the old one, and a weight above 0 typed into the
// row marks the exercise Done. The statuses of rows and fields nobody edited stay as they are, and
// a weight left as shown keeps its kilograms exactly.
void ApplyTexts(ExerciseEntry &exercise, const RowTexts &texts, WeightUnit unit);

} // namespace ExerciseColumns
