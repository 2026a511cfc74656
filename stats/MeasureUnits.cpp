#include "stats/MeasureUnits.h"

namespace MeasureUnits {

bool IsWeight(ProgressMeasure measure)
{
    return measure == ProgressMeasure::Heaviest || measure == ProgressMeasure::EstimatedMax ||
        measure == ProgressMeasure::Volume;
}

QString Title(ProgressMeasure measure, WeightUnit unit)
{
    return IsWeight(measure) ? unit.Labelled(MeasureName(measure)) : MeasureName(measure);
}

QList<ExerciseDayStats> Shown(const QList<ExerciseDayStats> &days, WeightUnit unit)
{
    QList<ExerciseDayStats> shown = days;
    for (ExerciseDayStats &day : shown) {
        day.heaviest = unit.Shown(day.heaviest);
        day.estimatedMax = unit.Shown(day.estimatedMax);
        day.volume = unit.Shown(day.volume);
    }
    return shown;
}

ExerciseRecords Shown(const ExerciseRecords &records, WeightUnit unit)
{
    ExerciseRecords shown = records;
    for (LiftRecord &lift : shown.byRange)
        lift.weight = unit.Shown(lift.weight);
    shown.bestEstimateLift.weight = unit.Shown(shown.bestEstimateLift.weight);
    shown.bestEstimate = unit.Shown(shown.bestEstimate);
    shown.bestVolume = unit.Shown(shown.bestVolume);
    return shown;
}

} // namespace MeasureUnits
