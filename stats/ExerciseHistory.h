#pragma once

#include "stats/ExerciseName.h"
#include "stats/PersonalRecords.h"

#include <QDate>
#include <QList>
#include <QString>

#include <vector>

class DiaryDatabase;

// One performed entry of an exercise: the numbers the statistics need, nothing else.
struct ExerciseSample
{
    qint64 dayKey = 0; // DateValue::DayKey
    double weight = 0.0;
    int reps = 0;
    int sets = 0;
};

// The measures of one exercise on one training day.
struct ExerciseDayStats
{
    QDate date;
    double heaviest = 0.0; // heaviest weight of any entry
    double estimatedMax = 0.0; // best estimated one-repetition maximum of an entry
    double volume = 0.0; // sets x reps x weight, summed
    int mostReps = 0; // most repetitions in one entry
    int sets = 0; // total sets

    friend bool operator==(const ExerciseDayStats &, const ExerciseDayStats &) = default;
};

// What a progress chart can show.
enum class ProgressMeasure { Heaviest, EstimatedMax, Volume, MostReps, Sets };

double MeasureValue(const ExerciseDayStats &day, ProgressMeasure measure);
QString MeasureName(ProgressMeasure measure);

// Everything performed of one exercise, gathered in one pass over the diary: the measures per
// training day in date order and the personal records. Holds no reference to the diary.
class ExerciseHistory
{
public:
    static ExerciseHistory Collect(const DiaryDatabase &database, const QString &name,
                                   const PerformedFilter &filter);

    // The most recent spelling of the name; the name asked for when nothing was performed.
    const QString &Name() const { return m_name; }
    bool IsEmpty() const { return m_samples.empty(); }
    const QList<ExerciseDayStats> &Days() const { return m_days; }
    ExerciseRecords Records() const;

private:
    void BuildDays();

    QString m_name;
    std::vector<ExerciseSample> m_samples; // in date order
    QList<ExerciseDayStats> m_days;
};
