#include "model/Workout.h"

static_assert(sizeof(Workout) <= 40, "a workout no longer fits a 48-byte block");

bool Workout::SetName(const QString &name)
{
    return SetName(SharedText(name));
}

bool Workout::SetName(const SharedText &name)
{
    if (name.IsEmpty())
        return false;
    m_name = name;
    m_modified = true;
    return true;
}

void Workout::SetStatus(ProgressStatus status, bool propagate)
{
    m_status = status;
    m_modified = true;
    if (!propagate || status == ProgressStatus::NotYet)
        return;
    for (const auto &exercise : m_exercises) {
        if (exercise->GetStatus() == ProgressStatus::NotYet)
            exercise->SetStatus(status);
    }
}

int Workout::AddExercise(std::unique_ptr<ExerciseEntry> exercise)
{
    const int index = m_exercises.Append(std::move(exercise));
    m_modified = true;
    return index;
}

int Workout::InsertExercise(int index, std::unique_ptr<ExerciseEntry> exercise)
{
    const int count = m_exercises.Insert(index, std::move(exercise));
    m_modified = true;
    return count;
}

ExerciseEntry *Workout::GetExercise(int index)
{
    return m_exercises.At(index);
}

const ExerciseEntry *Workout::GetExercise(int index) const
{
    return m_exercises.At(index);
}

int Workout::RemoveExercise(int index)
{
    m_exercises.Take(index);
    m_modified = true;
    return m_exercises.Count();
}

void Workout::RemoveAllExercises()
{
    m_exercises.Clear();
    m_modified = true;
}

std::unique_ptr<ExerciseEntry> Workout::TakeExercise(int index)
{
    std::unique_ptr<ExerciseEntry> exercise = m_exercises.Take(index);
    m_modified = true;
    return exercise;
}

bool Workout::IsModified()
{
    for (const auto &exercise : m_exercises) {
        if (exercise->IsModified())
            m_modified = true;
    }
    return m_modified;
}

void Workout::SetModified(bool modified)
{
    m_modified = modified;
    for (const auto &exercise : m_exercises)
        exercise->SetModified(modified);
}

void Workout::CopyFrom(const Workout &source)
{
    m_modified = true;
    if (&source == this)
        return;
    SetName(source.m_name);
    AppendCopies(source, &ExerciseEntry::CopyFrom);
}

void Workout::CopyExactFrom(const Workout &source)
{
    m_modified = true;
    if (&source == this)
        return;
    m_name = source.m_name;
    m_status = source.m_status;
    m_exercises.Clear();
    AppendCopies(source, &ExerciseEntry::CopyExactFrom);
}

void Workout::AppendCopies(const Workout &source,
                           void (ExerciseEntry::*copyExercise)(const ExerciseEntry &))
{
    m_exercises.Reserve(m_exercises.Count() + source.m_exercises.Count());
    for (const auto &sourceExercise : source.m_exercises) {
        auto exercise = std::make_unique<ExerciseEntry>();
        (exercise.get()->*copyExercise)(*sourceExercise);
        m_exercises.Append(std::move(exercise));
    }
}
