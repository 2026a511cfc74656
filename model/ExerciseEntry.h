#pragma once

#include "model/ProgressStatus.h"

#include <QString>

// One line of a workout. Every setter except SetName and SetStatus is refused while the entry
// has no name; refused values leave the old value in place. Every successful change marks the
// entry modified.
class ExerciseEntry
{
public:
    static constexpr int MinSets = 1;
    static constexpr int MaxSets = 20;
    static constexpr int MaxReps = 200;
    static constexpr float MaxWeight = 500.0f;

    ExerciseEntry() = default;
    ExerciseEntry(const ExerciseEntry &) = delete;
    ExerciseEntry &operator=(const ExerciseEntry &) = delete;

    bool SetName(const QString &name); // refuses empty text
    bool SetSets(int sets); // 1..20
    bool SetReps(int reps); // 0..200
    bool SetForced(int forced); // 0..200
    bool SetNegative(int negative); // 0..200
    bool SetWeight(float weight); // 0..500; a weight above 0 marks the entry Done
    bool SetNote(const QString &note); // any text
    void SetStatus(ProgressStatus status); // always stored

    const QString &GetName() const { return m_name; }
    int GetSets() const { return m_sets; }
    int GetReps() const { return m_reps; }
    int GetForced() const { return m_forced; }
    int GetNegative() const { return m_negative; }
    float GetWeight() const { return m_weight; }
    const QString &GetNote() const { return m_note; }
    ProgressStatus GetStatus() const { return m_status; }

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    // Copies the values through the setters (each subject to its own checks). The status is not
    // copied, but a copied weight above 0 makes the entry Done.
    void CopyFrom(const ExerciseEntry &source);
    // Copies every field exactly, the status included.
    void CopyExactFrom(const ExerciseEntry &source);

private:
    bool SetCount(qint16 &field, int value, int minimum, int maximum);

    QString m_name;
    QString m_note;
    // Counts of at most MaxReps: 16 bits keep a diary's hundred thousand entries smaller.
    qint16 m_sets = MinSets;
    qint16 m_reps = 0;
    qint16 m_forced = 0;
    qint16 m_negative = 0;
    float m_weight = 0.0f;
    ProgressStatus m_status = ProgressStatus::NotYet;
    bool m_modified = false;
};
