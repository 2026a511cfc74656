#include "bench/DiaryGenerator.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <random>

namespace DiaryGenerator {

namespace {

const QStringList &WorkoutNames()
{
    static const QStringList names {QStringLiteral("Chest and triceps"),
                                    QStringLiteral("Back and biceps"), QStringLiteral("Legs"),
                                    QStringLiteral("Shoulders"), QStringLiteral("Core")};
    return names;
}

const QStringList &ExerciseNames()
{
    static const QStringList names {
        QStringLiteral("Bench press"),    QStringLiteral("Incline dumbbell press"),
        QStringLiteral("Dips"),           QStringLiteral("Cable fly"),
        QStringLiteral("Pull-up"),        QStringLiteral("Barbell row"),
        QStringLiteral("Deadlift"),       QStringLiteral("Biceps curl"),
        QStringLiteral("Squat"),          QStringLiteral("Leg press"),
        QStringLiteral("Lunges"),         QStringLiteral("Calf raise"),
        QStringLiteral("Overhead press"), QStringLiteral("Lateral raise"),
        QStringLiteral("Plank"),          QStringLiteral("Crunches")};
    return names;
}

struct Lift
{
    const char *name;
    double start; // weight at the beginning; 0 for body-weight work
    double yearlyGain;
};

struct Session
{
    const char *workout;
    std::array<Lift, 3> lifts;
};

constexpr std::array<Session, 4> Sessions {{
    {"Upper A", {{{"Bench press", 60, 8}, {"Barbell row", 50, 7}, {"Pull-up", 0, 0}}}},
    {"Lower A", {{{"Squat", 70, 12}, {"Romanian deadlift", 60, 9}, {"Calf raise", 40, 5}}}},
    {"Upper B", {{{"Overhead press", 35, 5}, {"Incline dumbbell press", 20, 3}, {"Dips", 0, 0}}}},
    {"Lower B", {{{"Deadlift", 80, 15}, {"Front squat", 50, 8}, {"Lunges", 20, 4}}}},
}};

// Monday, Tuesday, Thursday, Friday.
constexpr std::array<int, 4> TrainingWeekdays {1, 2, 4, 5};

double RoundToPlate(double weight)
{
    return std::max(0.0, std::round(weight / 2.5) * 2.5);
}

// The split of the screenshots' diary: the workouts of each weekday (1 Monday .. 7 Sunday).
struct SplitExercise
{
    const char *name;
    int sets;
    int reps;
    double firstWeight;
    double weeklyStep;
};

struct SplitWorkout
{
    int weekday;
    const char *name;
    std::array<SplitExercise, 4> exercises; // an empty name ends the list
};

constexpr std::array<SplitWorkout, 5> Split {{
    {1,
     "Chest",
     {{{"Bench press", 4, 8, 70, 2.5},
       {"Incline dumbbell press", 3, 10, 24, 1},
       {"Dips", 3, 12, 0, 0},
       {"Triceps pushdown", 3, 12, 30, 1.25}}}},
    {2,
     "Back",
     {{{"Deadlift", 3, 5, 110, 5},
       {"Pull-up", 4, 8, 0, 0},
       {"Barbell row", 4, 8, 60, 2.5},
       {"Biceps curl", 3, 10, 14, 0.5}}}},
    {4,
     "Legs",
     {{{"Squat", 5, 5, 90, 2.5},
       {"Leg press", 3, 12, 140, 5},
       {"Lunges", 3, 10, 16, 1},
       {"Calf raise", 4, 15, 60, 2.5}}}},
    {4,
     "Core",
     {{{"Plank", 3, 1, 0, 0},
       {"Hanging leg raise", 3, 12, 0, 0},
       {"Cable crunch", 3, 15, 25, 1.25},
       {"", 0, 0, 0, 0}}}},
    {5,
     "Shoulders",
     {{{"Overhead press", 4, 6, 42.5, 1.25},
       {"Lateral raise", 3, 12, 10, 0.5},
       {"Face pull", 3, 15, 20, 1},
       {"", 0, 0, 0, 0}}}},
}};

constexpr std::array<const char *, 4> SplitDayNotes {
    "Slept badly, kept it light.", "New best on the first lift!",
    "Gym was crowded, swapped the order.", "Felt strong today."};

std::unique_ptr<Workout> SplitWorkoutOn(const SplitWorkout &planned, int number, int week,
                                        int weekday, bool past)
{
    auto workout = std::make_unique<Workout>();
    workout->SetName(QString::fromLatin1(planned.name));
    bool anyFailed = false;
    for (int index = 0; index < int(planned.exercises.size()); ++index) {
        const SplitExercise &lift = planned.exercises[size_t(index)];
        if (*lift.name == 0)
            break;
        auto entry = std::make_unique<ExerciseEntry>();
        entry->SetName(QString::fromLatin1(lift.name));
        entry->SetSets(lift.sets);
        entry->SetReps(lift.reps);
        entry->SetForced(index == 0 && week % 2 == 0 ? 2 : 0);
        entry->SetWeight(float(lift.firstWeight + lift.weeklyStep * week));
        if (QLatin1String(lift.name) == QLatin1String("Plank"))
            entry->SetNote(QStringLiteral("60 seconds each"));
        else if (index == 0 && week % 3 == 1)
            entry->SetNote(QStringLiteral("last set to failure"));
        // Python's weekday (0 Monday) kept the same failures as before.
        const bool failed = past && (week * 7 + index * 3 + (weekday - 1) + number) % 37 == 0;
        anyFailed = anyFailed || failed;
        entry->SetStatus(!past ? ProgressStatus::NotYet
                               : (failed ? ProgressStatus::Failed : ProgressStatus::Done));
        workout->AddExercise(std::move(entry));
    }
    workout->SetStatus(!past ? ProgressStatus::NotYet
                             : (anyFailed ? ProgressStatus::Failed : ProgressStatus::Done),
                       false);
    return workout;
}

} // namespace

DateValue FirstDate()
{
    return DateValue::FromDate(2000, 1, 1);
}

void Fill(DiaryDatabase &database, int years)
{
    const DateValue first = FirstDate();
    const qint64 dayCount = first.DaysTo(DateValue::FromDate(2000 + years, 1, 1));
    for (qint64 d = 0; d < dayCount; ++d) {
        auto day = std::make_unique<TrainingDay>();
        day->SetDate(first + d);
        if (d % 4 == 0)
            day->SetNotes(QStringLiteral("Slept well, felt strong; day %1 of the plan.").arg(d));
        for (int w = 0; w < WorkoutsPerDay; ++w) {
            auto workout = std::make_unique<Workout>();
            workout->SetName(WorkoutNames()[(d + w) % WorkoutNames().size()]);
            for (int e = 0; e < ExercisesPerWorkout; ++e) {
                auto exercise = std::make_unique<ExerciseEntry>();
                exercise->SetName(ExerciseNames()[(d * 3 + w * 6 + e) % ExerciseNames().size()]);
                exercise->SetSets(3 + e % 3);
                exercise->SetReps(8 + (d + e) % 5);
                exercise->SetForced(e % 2);
                exercise->SetWeight(20.0f + float((d + e * 7) % 160) * 0.5f);
                if ((d + e) % 9 == 0)
                    exercise->SetNote(QStringLiteral("slow negatives"));
                exercise->SetStatus((d + e) % 11 == 0 ? ProgressStatus::Failed
                                                      : ProgressStatus::Done);
                workout->AddExercise(std::move(exercise));
            }
            workout->SetStatus(ProgressStatus::Done, false);
            day->AddWorkout(std::move(workout));
        }
        database.AddDay(std::move(day));
    }
}

void FillProgress(DiaryDatabase &database, const QDate &today, int years)
{
    std::mt19937 random(20260101);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const QDate first = today.addYears(-years);
    const QDate last = today.addDays(14);
    int sessionIndex = 0;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        const int slot =
            int(std::find(TrainingWeekdays.begin(), TrainingWeekdays.end(), date.dayOfWeek()) -
                TrainingWeekdays.begin());
        if (slot >= int(TrainingWeekdays.size()))
            continue;
        const Session &session = Sessions[size_t(sessionIndex++ % int(Sessions.size()))];
        const bool future = date >= today;
        const double roll = unit(random);
        if (!future && roll < 0.06)
            continue; // a rest the plan did not know of
        const bool missed = !future && roll < 0.10;
        const bool failed = !future && !missed && roll < 0.13;
        const double yearsIn = first.daysTo(date) / 365.25;
        const int weekIndex = int(first.daysTo(date) / 7);
        const bool deload = weekIndex % 9 == 8;
        // Heavy, medium and light weeks: fewer reps at more weight.
        const int reps = std::array {5, 8, 3, 10}[size_t(weekIndex % 4)];
        const ProgressStatus status = future || missed
            ? ProgressStatus::NotYet
            : (failed ? ProgressStatus::Failed : ProgressStatus::Done);

        auto day = std::make_unique<TrainingDay>();
        day->SetDate(DateValue::FromQDate(date));
        auto workout = std::make_unique<Workout>();
        workout->SetName(QString::fromLatin1(session.workout));
        for (const Lift &lift : session.lifts) {
            auto entry = std::make_unique<ExerciseEntry>();
            entry->SetName(QString::fromLatin1(lift.name));
            entry->SetSets(deload ? 2 : 3 + (weekIndex % 3 == 0 ? 1 : 0));
            if (lift.start > 0) {
                // Gains slow down over the years; heavier for fewer reps.
                const double trend = lift.start + lift.yearlyGain * 2.2 * std::log1p(yearsIn);
                const double intensity = 1.0 + (8 - reps) * 0.025;
                const double noise = (unit(random) - 0.5) * 0.04 * trend;
                entry->SetReps(reps);
                entry->SetWeight(
                    float(RoundToPlate(trend * intensity * (deload ? 0.8 : 1.0) + noise)));
            } else {
                entry->SetReps(
                    int(std::round(6 + 3 * std::log1p(yearsIn * 2) + (unit(random) - 0.5) * 3)));
            }
            entry->SetStatus(status);
            workout->AddExercise(std::move(entry));
        }
        workout->SetStatus(status, false);
        day->AddWorkout(std::move(workout));
        database.AddDay(std::move(day));
    }
}

void FillSplit(DiaryDatabase &database, const QDate &today)
{
    const QDate first = today.addDays(-8 * 7);
    const QDate last = today.addDays(2 * 7);
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        const int week = int(first.daysTo(date) / 7);
        const bool past = date < today;
        auto day = std::make_unique<TrainingDay>();
        day->SetDate(DateValue::FromQDate(date));
        int number = 0;
        for (const SplitWorkout &planned : Split) {
            if (planned.weekday == date.dayOfWeek())
                day->AddWorkout(SplitWorkoutOn(planned, number++, week, date.dayOfWeek(), past));
        }
        if (number == 0)
            continue;
        if (past && (date.dayOfWeek() == 1 || date.dayOfWeek() == 4))
            day->SetNotes(QString::fromLatin1(SplitDayNotes[size_t(week) % SplitDayNotes.size()]));
        database.AddDay(std::move(day));
    }
}

} // namespace DiaryGenerator
