#include "printing/PrintedDay.h"

#include "model/TrainingDay.h"

#include <QLocale>

namespace {

PrintedExercise DescribeExercise(const ExerciseEntry &entry)
{
    PrintedExercise printed;
    printed.name = entry.GetName();
    printed.sets = QString::number(entry.GetSets());
    printed.reps = QString::number(entry.GetReps());
    printed.forced = QString::number(entry.GetForced());
    printed.negative = QString::number(entry.GetNegative());
    printed.weight = PrintedText::Weight(entry.GetWeight());
    printed.note = entry.GetNote();
    printed.progress = PrintedText::Shown(entry.GetStatus());
    printed.status = PrintedText::Status(printed.progress);
    return printed;
}

PrintedWorkout DescribeWorkout(const Workout &workout)
{
    PrintedWorkout printed;
    printed.name = workout.GetName();
    printed.progress = PrintedText::Shown(workout.GetStatus());
    printed.status = PrintedText::Status(printed.progress);
    for (int i = 0; i < workout.GetExerciseCount(); ++i)
        printed.exercises.append(DescribeExercise(*workout.GetExercise(i)));
    return printed;
}

} // namespace

PrintedDay PrintedDay::From(const TrainingDay &day)
{
    PrintedDay printed;
    printed.date = PrintedText::Date(day.GetDate().ToQDate());
    printed.notes = day.GetNotes();
    for (int i = 0; i < day.GetWorkoutCount(); ++i)
        printed.workouts.append(DescribeWorkout(*day.GetWorkout(i)));
    return printed;
}

namespace PrintedText {

ProgressStatus Shown(ProgressStatus status)
{
    return status == ProgressStatus::Done || status == ProgressStatus::Failed
        ? status
        : ProgressStatus::NotYet;
}

QString Status(ProgressStatus status)
{
    return StatusName(Shown(status));
}

QString Weight(float weight)
{
    // Six significant digits drop the noise of the single-precision value (82.5, not 82.5000001).
    return QString::number(double(weight), 'g', 6);
}

QString Date(const QDate &date)
{
    if (!date.isValid())
        return QStringLiteral("Undated day");
    return QLocale(QLocale::English, QLocale::UnitedKingdom)
        .toString(date, QStringLiteral("dddd, d MMMM yyyy"));
}

} // namespace PrintedText
