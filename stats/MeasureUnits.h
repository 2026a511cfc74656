#pragma once

#include "model/WeightUnit.h"
#include "stats/ExerciseHistory.h"
#include "stats/PersonalRecords.h"

#include <QList>
#include <QString>

// The statistics, computed in kilograms, in the unit the windows show weights in: heaviest weight,
// estimated maximum and volume convert; repetitions and sets stay as they are.
namespace MeasureUnits {

bool IsWeight(ProgressMeasure measure);
// The measure's name, with the unit for the weight measures: "Heaviest weight (lb)".
QString Title(ProgressMeasure measure, WeightUnit unit);
QList<ExerciseDayStats> Shown(const QList<ExerciseDayStats> &days, WeightUnit unit);
ExerciseRecords Shown(const ExerciseRecords &records, WeightUnit unit);

} // namespace MeasureUnits
