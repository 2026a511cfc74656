#pragma once

#include "model/DateValue.h"
#include "model/OwnedList.h"
#include "model/SharedText.h"
#include "model/Workout.h"

#include <QString>

#include <memory>

// One dated day of the diary (or one day of a training program): an ordered list of workouts it
// owns and a free-text note. A day is empty when it has no workouts, whatever its notes.
class TrainingDay
{
public:
    TrainingDay() = default;
    TrainingDay(const TrainingDay &) = delete;
    TrainingDay &operator=(const TrainingDay &) = delete;

    void SetDate(const DateValue &date);
    DateValue GetDate() const { return m_date; }
    void SetNotes(const QString &notes);
    QString GetNotes() const { return m_notes.Get(); }

    int AddWorkout(std::unique_ptr<Workout> workout); // index of the new one
    int InsertWorkout(int index, std::unique_ptr<Workout> workout); // new count
    Workout *GetWorkout(int index);
    const Workout *GetWorkout(int index) const;
    int GetWorkoutCount() const { return m_workouts.Count(); }
    // Makes room for count workouts in all, so that adding them allocates nothing more.
    void ReserveWorkouts(int count) { m_workouts.Reserve(count); }
    bool IsEmpty() const { return m_workouts.IsEmpty(); }
    int RemoveWorkout(int index); // new count
    void RemoveAllWorkouts();
    // Takes the workout out of the list and hands it over with all its exercises.
    std::unique_ptr<Workout> TakeWorkout(int index);

    // Sticky: a modified workout sets the day's own flag, which then stays set.
    bool IsModified();
    // Sets the day's flag and passes the value to every workout.
    void SetModified(bool modified);

    // Replaces the workouts by copies of the source's and takes its date and notes; statuses are
    // not copied.
    void CopyFrom(const TrainingDay &source);
    // Becomes an exact copy of the source, statuses included.
    void CopyExactFrom(const TrainingDay &source);

private:
    void CopyDay(const TrainingDay &source, void (Workout::*copyWorkout)(const Workout &));

    DateValue m_date;
    SharedText m_notes; // most days have none
    OwnedList<Workout> m_workouts;
    bool m_modified = false;
};
