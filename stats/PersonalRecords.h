#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <span>

class DiaryDatabase;
struct ExerciseSample;
struct PerformedFilter;

// The repetition ranges of the weight records: 1, 2-3, 4-6, 7-10, 11-15, 16 and more.
struct RepRange
{
    int minReps;
    int maxReps; // 0: no upper bound

    QString Label() const;
};

inline constexpr std::array<RepRange, 6> RepRanges {
    {{1, 1}, {2, 3}, {4, 6}, {7, 10}, {11, 15}, {16, 0}}};

// Index into RepRanges of a repetition count; -1 for none (0 repetitions).
int RepRangeIndex(int reps);

// Estimated one-repetition maximum of a set (Epley): weight * (1 + reps / 30) from 2 reps, the
// weight itself for 1 rep, 0 for 0 reps.
double EstimatedMax(double weight, int reps);

// One lift: the weight, the repetitions it was done for and the first date it was reached.
struct LiftRecord
{
    double weight = 0.0;
    int reps = 0;
    QDate date; // invalid: no record

    bool IsSet() const { return date.isValid(); }
    friend bool operator==(const LiftRecord &, const LiftRecord &) = default;
};

// The personal records of one exercise. Every record belongs to the first date it was reached.
struct ExerciseRecords
{
    QString name; // the most recent spelling
    // Heaviest weight per repetition range (RepRanges), weights above 0 only.
    std::array<LiftRecord, RepRanges.size()> byRange;
    // The entry with the best estimated maximum, and that estimate.
    LiftRecord bestEstimateLift;
    double bestEstimate = 0.0;
    // The day of the highest volume (sets x reps x weight summed over the day).
    double bestVolume = 0.0;
    QDate bestVolumeDate;
    // The most repetitions in one entry at weight 0.
    int mostBodyweightReps = 0;
    QDate mostBodyweightRepsDate;

    bool IsEmpty() const;
    friend bool operator==(const ExerciseRecords &, const ExerciseRecords &) = default;
};

// The records of one exercise or of every exercise, for the windows and the command line.
namespace PersonalRecords {

// Records of the exercise called name (matched as ExerciseName does); an empty result (IsEmpty,
// name as given) when it was never performed.
ExerciseRecords ForExercise(const DiaryDatabase &database, const QString &name,
                            const PerformedFilter &filter);
// Records of every performed exercise, most recently trained first.
QList<ExerciseRecords> ForAll(const DiaryDatabase &database, const PerformedFilter &filter);
// Records from samples sorted by date.
ExerciseRecords FromSamples(const QString &name, std::span<const ExerciseSample> samples);

} // namespace PersonalRecords
