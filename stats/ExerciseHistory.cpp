#include "stats/ExerciseHistory.h"

#include "model/DiaryDatabase.h"
#include "stats/StatsDate.h"

#include <QCoreApplication>

#include <algorithm>

double MeasureValue(const ExerciseDayStats &day, ProgressMeasure measure)
{
    switch (measure) {
    case ProgressMeasure::Heaviest:
        return day.heaviest;
    case ProgressMeasure::EstimatedMax:
        return day.estimatedMax;
    case ProgressMeasure::Volume:
        return day.volume;
    case ProgressMeasure::MostReps:
        return day.mostReps;
    case ProgressMeasure::Sets:
        return day.sets;
    }
    return 0.0;
}

QString MeasureName(ProgressMeasure measure)
{
    switch (measure) {
    case ProgressMeasure::Heaviest:
        return QCoreApplication::translate("ExerciseHistory", "Heaviest weight");
    case ProgressMeasure::EstimatedMax:
        return QCoreApplication::translate("ExerciseHistory", "Estimated 1RM");
    case ProgressMeasure::Volume:
        return QCoreApplication::translate("ExerciseHistory", "Volume");
    case ProgressMeasure::MostReps:
        return QCoreApplication::translate("ExerciseHistory", "Most repetitions");
    case ProgressMeasure::Sets:
        return QCoreApplication::translate("ExerciseHistory", "Sets");
    }
    return {};
}

ExerciseHistory ExerciseHistory::Collect(const DiaryDatabase &database, const QString &name,
                                         const PerformedFilter &filter)
{
    ExerciseHistory history;
    history.m_name = name.trimmed();
    const QString key = ExerciseName::Key(name);
    qint64 latestSpelling = DateValue::NoDayKey;
    for (int d = 0; d < database.GetDayCount(); ++d) {
        const TrainingDay *day = database.GetDay(d);
        const qint64 dayKey = day->GetDate().DayKey();
        if (dayKey == DateValue::NoDayKey)
            continue;
        for (int w = 0; w < day->GetWorkoutCount(); ++w) {
            const Workout *workout = day->GetWorkout(w);
            for (int e = 0; e < workout->GetExerciseCount(); ++e) {
                const ExerciseEntry *entry = workout->GetExercise(e);
                if (!filter.Counts(entry->GetStatus()) ||
                    !ExerciseName::Matches(entry->GetName(), key))
                    continue;
                history.m_samples.push_back(
                    {dayKey, double(entry->GetWeight()), entry->GetReps(), entry->GetSets()});
                if (dayKey >= latestSpelling) {
                    latestSpelling = dayKey;
                    history.m_name = entry->GetName().trimmed();
                }
            }
        }
    }
    // Stable: entries of one date keep their diary order.
    std::stable_sort(
        history.m_samples.begin(), history.m_samples.end(),
        [](const ExerciseSample &a, const ExerciseSample &b) { return a.dayKey < b.dayKey; });
    history.BuildDays();
    return history;
}

void ExerciseHistory::BuildDays()
{
    qint64 currentKey = DateValue::NoDayKey;
    for (const ExerciseSample &sample : m_samples) {
        if (m_days.isEmpty() || sample.dayKey != currentKey) {
            currentKey = sample.dayKey;
            m_days.append(ExerciseDayStats());
            m_days.last().date = StatsDate::FromKey(currentKey);
        }
        ExerciseDayStats &day = m_days.last();
        day.heaviest = std::max(day.heaviest, sample.weight);
        day.estimatedMax = std::max(day.estimatedMax, EstimatedMax(sample.weight, sample.reps));
        day.volume += double(sample.sets) * sample.reps * sample.weight;
        day.mostReps = std::max(day.mostReps, sample.reps);
        day.sets += sample.sets;
    }
}

ExerciseRecords ExerciseHistory::Records() const
{
    return PersonalRecords::FromSamples(m_name, m_samples);
}
