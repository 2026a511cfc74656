#include "model/TrainingDay.h"

void TrainingDay::SetDate(const DateValue &date)
{
    m_date = date;
    m_modified = true;
}

void TrainingDay::SetNotes(const QString &notes)
{
    m_notes = SharedText(notes);
    m_modified = true;
}

int TrainingDay::AddWorkout(std::unique_ptr<Workout> workout)
{
    const int index = m_workouts.Append(std::move(workout));
    m_modified = true;
    return index;
}

int TrainingDay::InsertWorkout(int index, std::unique_ptr<Workout> workout)
{
    const int count = m_workouts.Insert(index, std::move(workout));
    m_modified = true;
    return count;
}

Workout *TrainingDay::GetWorkout(int index)
{
    return m_workouts.At(index);
}

const Workout *TrainingDay::GetWorkout(int index) const
{
    return m_workouts.At(index);
}

int TrainingDay::RemoveWorkout(int index)
{
    m_workouts.Take(index);
    m_modified = true;
    return m_workouts.Count();
}

void TrainingDay::RemoveAllWorkouts()
{
    m_workouts.Clear();
    m_modified = true;
}

std::unique_ptr<Workout> TrainingDay::TakeWorkout(int index)
{
    std::unique_ptr<Workout> workout = m_workouts.Take(index);
    m_modified = true;
    return workout;
}

bool TrainingDay::IsModified()
{
    for (const auto &workout : m_workouts) {
        if (workout->IsModified())
            m_modified = true;
    }
    return m_modified;
}

void TrainingDay::SetModified(bool modified)
{
    m_modified = modified;
    for (const auto &workout : m_workouts)
        workout->SetModified(modified);
}

void TrainingDay::CopyFrom(const TrainingDay &source)
{
    CopyDay(source, &Workout::CopyFrom);
}

void TrainingDay::CopyExactFrom(const TrainingDay &source)
{
    CopyDay(source, &Workout::CopyExactFrom);
}

void TrainingDay::CopyDay(const TrainingDay &source, void (Workout::*copyWorkout)(const Workout &))
{
    m_modified = true;
    if (&source == this)
        return;
    m_workouts.Clear();
    m_date = source.m_date;
    m_notes = source.m_notes;
    m_workouts.Reserve(source.m_workouts.Count());
    for (const auto &sourceWorkout : source.m_workouts) {
        auto workout = std::make_unique<Workout>();
        (workout.get()->*copyWorkout)(*sourceWorkout);
        m_workouts.Append(std::move(workout));
    }
}
