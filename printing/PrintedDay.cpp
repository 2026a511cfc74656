#include "printing/PrintedDay.h"

#include "model/TrainingDay.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

PrintedExercise DescribeExercise(const ExerciseEntry &entry, WeightUnit unit)
{
    PrintedExercise printed;
    printed.name = entry.GetName();
    printed.sets = QString::number(entry.GetSets());
    printed.reps = QString::number(entry.GetReps());
    printed.forced = QString::number(entry.GetForced());
    printed.negative = QString::number(entry.GetNegative());
    printed.weight = PrintedText::Weight(entry.GetWeight(), unit);
    printed.note = entry.GetNote();
    printed.progress = PrintedText::Shown(entry.GetStatus());
    printed.status = PrintedText::Status(printed.progress);
    return printed;
}

PrintedWorkout DescribeWorkout(const Workout &workout, WeightUnit unit)
{
    PrintedWorkout printed;
    printed.name = workout.GetName();
    printed.progress = PrintedText::Shown(workout.GetStatus());
    printed.status = PrintedText::Status(printed.progress);
    for (int i = 0; i < workout.GetExerciseCount(); ++i)
        printed.exercises.append(DescribeExercise(*workout.GetExercise(i), unit));
    return printed;
}

} // namespace

PrintedDay PrintedDay::From(const TrainingDay &day, WeightUnit unit)
{
    PrintedDay printed;
    printed.date = PrintedText::Date(day.GetDate().ToQDate());
    printed.notes = day.GetNotes();
    for (int i = 0; i < day.GetWorkoutCount(); ++i)
        printed.workouts.append(DescribeWorkout(*day.GetWorkout(i), unit));
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

QString Weight(float weight, WeightUnit unit)
{
    return unit.Compact(weight);
}

QString Date(const QDate &date)
{
    if (!date.isValid())
        return QCoreApplication::translate("PrintedDay", "Undated day");
    // The format is the translation's: "dddd, d. MMMM yyyy" in German. A heading starts with a
    // capital also where the language writes weekdays small.
    QString text = AppLanguage::Locale().toString(
        date, QCoreApplication::translate("PrintedDay", "dddd, d MMMM yyyy"));
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

} // namespace PrintedText
