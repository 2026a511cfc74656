#pragma once

#include "model/ExerciseEntry.h"
#include "model/OwnedList.h"
#include "model/ProgressStatus.h"
#include "model/SharedText.h"

#include <QString>

#include <memory>

// A named workout of a training day: an ordered list of exercises it owns, and a status.
class Workout
{
public:
    Workout() = default;
    Workout(const Workout &) = delete;
    Workout &operator=(const Workout &) = delete;

    bool SetName(const QString &name); // refuses empty text
    bool SetName(const SharedText &name); // the same, sharing the holder
    QString GetName() const { return m_name.Get(); }

    // Stores the status; with propagate set and a status other than Not yet, every exercise
    // still Not yet receives it too.
    void SetStatus(ProgressStatus status, bool propagate);
    ProgressStatus GetStatus() const { return m_status; }

    int AddExercise(std::unique_ptr<ExerciseEntry> exercise); // index of the new one
    int InsertExercise(int index, std::unique_ptr<ExerciseEntry> exercise); // new count
    ExerciseEntry *GetExercise(int index);
    const ExerciseEntry *GetExercise(int index) const;
    int GetExerciseCount() const { return m_exercises.Count(); }
    // Makes room for count exercises in all, so that adding them allocates nothing more.
    void ReserveExercises(int count) { m_exercises.Reserve(count); }
    bool IsEmpty() const { return m_exercises.IsEmpty(); }
    int RemoveExercise(int index); // new count
    void RemoveAllExercises();
    // Takes the exercise out of the list and hands it over with all its fields.
    std::unique_ptr<ExerciseEntry> TakeExercise(int index);

    // Sticky: a modified exercise sets the workout's own flag, which then stays set.
    bool IsModified();
    // Sets the workout's flag and every exercise's flag.
    void SetModified(bool modified);

    // Takes the source's name (unless empty) and appends copies of its exercises; statuses are
    // not copied.
    void CopyFrom(const Workout &source);
    // Becomes an exact copy of the source: name, status and exercises with their statuses.
    void CopyExactFrom(const Workout &source);

private:
    void AppendCopies(const Workout &source,
                      void (ExerciseEntry::*copyExercise)(const ExerciseEntry &));

    // In this order the workout takes 40 bytes, a 48-byte block of the C library's allocator.
    SharedText m_name;
    OwnedList<ExerciseEntry> m_exercises;
    ProgressStatus m_status = ProgressStatus::NotYet;
    bool m_modified = false;
};
