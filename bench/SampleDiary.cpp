// Writes a diary that looks like years of real training, for looking at the statistics windows:
//   make_sample_diary <path> [years]
// Four training days a week up to today, steady progress with deloads, now and then a missed or
// failed workout, and the next two weeks planned. Seeded, so every run writes the same diary for
// the same today.

#include "model/DiaryDatabase.h"

#include <QCoreApplication>
#include <QDate>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_sample_diary <path> [years]\n");
        return 2;
    }
    const int years = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::mt19937 random(20260101);
    std::uniform_real_distribution<double> unit(0.0, 1.0);

    const QDate today = QDate::currentDate();
    const QDate first = today.addYears(-years);
    const QDate last = today.addDays(14);
    DiaryDatabase database;
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
            const ProgressStatus status = future || missed
                ? ProgressStatus::NotYet
                : (failed ? ProgressStatus::Failed : ProgressStatus::Done);
            entry->SetStatus(status);
            workout->AddExercise(std::move(entry));
        }
        workout->SetStatus(future || missed
                               ? ProgressStatus::NotYet
                               : (failed ? ProgressStatus::Failed : ProgressStatus::Done),
                           false);
        day->AddWorkout(std::move(workout));
        database.AddDay(std::move(day));
    }
    database.SetPath(QString::fromLocal8Bit(argv[1]));
    if (!database.Save()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
