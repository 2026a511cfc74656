#include "exchange/SetCollector.h"

#include <QCoreApplication>

#include "model/TrainingDay.h"

#include <cmath>

namespace {

const QString DefaultWorkoutName = QStringLiteral("Workout");

} // namespace

bool SetCollector::ParseNumber(const QString &text, double &value)
{
    QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        value = 0.0;
        return true;
    }
    if (!trimmed.contains(QLatin1Char('.')))
        trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = trimmed.toDouble(&ok);
    return ok && std::isfinite(value);
}

QString SetCollector::KindNote(LoggedSet::Kind kind)
{
    switch (kind) {
    case LoggedSet::Kind::WarmUp:
        return QStringLiteral("warm-up");
    case LoggedSet::Kind::Drop:
        return QStringLiteral("drop set");
    case LoggedSet::Kind::Failure:
        return QStringLiteral("to failure");
    case LoggedSet::Kind::Normal:
        break;
    }
    return QString();
}

Workout *SetCollector::WorkoutFor(const LoggedSet &set)
{
    if (Workout *workout = m_workouts.value(set.workoutKey))
        return workout;
    TrainingDay *day = m_days.value(set.date.DayKey());
    if (!day) {
        auto newDay = std::make_unique<TrainingDay>();
        newDay->SetDate(set.date);
        day = newDay.get();
        m_result.days->AddDay(std::move(newDay));
        m_days.insert(set.date.DayKey(), day);
    }
    const QString note = set.workoutNote.trimmed();
    if (!note.isEmpty() && !day->GetNotes().contains(note))
        day->SetNotes(day->GetNotes().isEmpty() ? note : day->GetNotes() + u'\n' + note);
    auto workout = std::make_unique<Workout>();
    const QString name = set.workoutName.trimmed();
    workout->SetName(name.isEmpty() ? DefaultWorkoutName : name);
    workout->SetStatus(ProgressStatus::Done, false);
    Workout *added = workout.get();
    day->AddWorkout(std::move(workout));
    m_workouts.insert(set.workoutKey, added);
    return added;
}

bool SetCollector::Add(const LoggedSet &set)
{
    if (!set.date.IsValid() || set.date.GetYear() < 0)
        return Skip(set.line, QCoreApplication::translate("SetCollector", "unreadable date"));
    if (set.exercise.trimmed().isEmpty())
        return Skip(set.line, QCoreApplication::translate("SetCollector", "no exercise name"));
    if (set.weightKg == 0.0 && set.reps == 0.0)
        return Skip(set.line,
                    set.timeOrDistance
                        ? QCoreApplication::translate("SetCollector", "time or distance only")
                        : QCoreApplication::translate("SetCollector", "no weight and no reps"));
    if (set.reps < 0.0 || set.reps > ExerciseEntry::MaxReps || set.reps != std::floor(set.reps))
        return Skip(
            set.line,
            QStringLiteral("reps %1 outside 0..%2").arg(set.reps).arg(ExerciseEntry::MaxReps));
    const float weight = float(std::round(set.weightKg * 100.0) / 100.0);
    if (weight < 0.0f || weight > ExerciseEntry::MaxWeight)
        return Skip(set.line,
                    QCoreApplication::translate("SetCollector", "weight %1 kg outside 0..%2 kg")
                        .arg(set.weightKg)
                        .arg(double(ExerciseEntry::MaxWeight)));

    Workout *workout = WorkoutFor(set);
    QString note = set.exerciseNote.trimmed();
    const QString kindNote = KindNote(set.kind);
    if (!kindNote.isEmpty())
        note = note.isEmpty() ? kindNote : kindNote + QStringLiteral("; ") + note;
    const int reps = int(set.reps);
    if (!workout->IsEmpty()) {
        ExerciseEntry *last = workout->GetExercise(workout->GetExerciseCount() - 1);
        if (last->GetName() == set.exercise.trimmed() && last->GetReps() == reps &&
            last->GetWeight() == weight && last->GetNote() == note &&
            m_lastKind.value(workout) == set.kind && last->GetSets() < ExerciseEntry::MaxSets) {
            last->SetSets(last->GetSets() + 1);
            return true;
        }
    }
    auto entry = std::make_unique<ExerciseEntry>();
    entry->SetName(set.exercise.trimmed());
    entry->SetReps(reps);
    entry->SetWeight(weight);
    entry->SetNote(note);
    entry->SetStatus(ProgressStatus::Done);
    workout->AddExercise(std::move(entry));
    m_lastKind.insert(workout, set.kind);
    return true;
}

void SetCollector::Rename(const QString &workoutKey, const QString &name)
{
    if (Workout *workout = m_workouts.value(workoutKey); workout && !name.trimmed().isEmpty())
        workout->SetName(name.trimmed());
}
