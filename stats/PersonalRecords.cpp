#include "stats/PersonalRecords.h"

#include "model/DateValue.h"

#include "stats/ExerciseCatalog.h"
#include "stats/ExerciseHistory.h"
#include "stats/StatsDate.h"

QString RepRange::Label() const
{
    if (maxReps == 0)
        return QStringLiteral("%1+").arg(minReps);
    if (maxReps == minReps)
        return QString::number(minReps);
    return QStringLiteral("%1\u2013%2").arg(minReps).arg(maxReps);
}

int RepRangeIndex(int reps)
{
    for (int i = 0; i < int(RepRanges.size()); ++i) {
        const RepRange &range = RepRanges[size_t(i)];
        if (reps >= range.minReps && (range.maxReps == 0 || reps <= range.maxReps))
            return i;
    }
    return -1;
}

double EstimatedMax(double weight, int reps)
{
    if (reps <= 0)
        return 0.0;
    if (reps == 1)
        return weight;
    return weight * (1.0 + reps / 30.0);
}

bool ExerciseRecords::IsEmpty() const
{
    if (bestEstimateLift.IsSet() || bestVolumeDate.isValid() || mostBodyweightRepsDate.isValid())
        return false;
    for (const LiftRecord &record : byRange) {
        if (record.IsSet())
            return false;
    }
    return true;
}

namespace PersonalRecords {

ExerciseRecords FromSamples(const QString &name, std::span<const ExerciseSample> samples)
{
    ExerciseRecords records;
    records.name = name;
    // Only a strictly better value replaces a record, so each keeps the first date it was
    // reached. The day's volume is complete once the next date starts (samples are in date
    // order).
    double dayVolume = 0.0;
    qint64 dayKey = DateValue::NoDayKey;
    const auto closeDay = [&] {
        if (dayKey != DateValue::NoDayKey && dayVolume > records.bestVolume) {
            records.bestVolume = dayVolume;
            records.bestVolumeDate = StatsDate::FromKey(dayKey);
        }
    };
    for (const ExerciseSample &sample : samples) {
        if (sample.dayKey != dayKey) {
            closeDay();
            dayKey = sample.dayKey;
            dayVolume = 0.0;
        }
        dayVolume += double(sample.sets) * sample.reps * sample.weight;
        const QDate date = StatsDate::FromKey(sample.dayKey);
        if (sample.weight > 0.0) {
            const int range = RepRangeIndex(sample.reps);
            if (range >= 0 && sample.weight > records.byRange[size_t(range)].weight)
                records.byRange[size_t(range)] = {sample.weight, sample.reps, date};
            const double estimate = EstimatedMax(sample.weight, sample.reps);
            if (estimate > records.bestEstimate) {
                records.bestEstimate = estimate;
                records.bestEstimateLift = {sample.weight, sample.reps, date};
            }
        } else if (sample.reps > records.mostBodyweightReps) {
            records.mostBodyweightReps = sample.reps;
            records.mostBodyweightRepsDate = date;
        }
    }
    closeDay();
    return records;
}

ExerciseRecords ForExercise(const DiaryDatabase &database, const QString &name,
                            const PerformedFilter &filter)
{
    return ExerciseHistory::Collect(database, name, filter).Records();
}

QList<ExerciseRecords> ForAll(const DiaryDatabase &database, const PerformedFilter &filter)
{
    QList<ExerciseRecords> all;
    for (const ExerciseSummary &exercise : ExerciseCatalog::Build(database, filter))
        all.append(ForExercise(database, exercise.name, filter));
    return all;
}

} // namespace PersonalRecords
