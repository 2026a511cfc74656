#include "bench/DiaryGenerator.h"

#include <QStringList>

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

} // namespace DiaryGenerator
