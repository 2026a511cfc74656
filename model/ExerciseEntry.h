#pragma once

#include "model/ProgressStatus.h"
#include "model/SharedText.h"

#include <QExplicitlySharedDataPointer>
#include <QSharedData>
#include <QString>

// One line of a workout. Every setter except SetName and SetStatus is refused while the entry
// has no name; refused values leave the old value in place. Every successful change marks the
// entry modified.
class ExerciseEntry
{
    // What few entries have: a note, or a status other than the three named ones. Never changed
    // once made, so that entries with equal notes can share one.
    struct Rare : QSharedData
    {
        Rare(const QString &text, ProgressStatus value)
            : note(text)
            , status(value)
        {
        }
        const QString note;
        const ProgressStatus status;
    };

public:
    // A note as entries keep it: the entries given one Note share its storage, as the reader
    // does for the notes that repeat from one session to the next.
    class Note
    {
    public:
        Note() = default;
        explicit Note(const QString &text);

    private:
        friend class ExerciseEntry;
        QExplicitlySharedDataPointer<const Rare> m_rare;
    };

    static constexpr int MinSets = 1;
    static constexpr int MaxSets = 20;
    static constexpr int MaxReps = 200;
    static constexpr float MaxWeight = 500.0f;

    ExerciseEntry() = default;
    ExerciseEntry(const ExerciseEntry &) = delete;
    ExerciseEntry &operator=(const ExerciseEntry &) = delete;

    bool SetName(const QString &name); // refuses empty text
    bool SetName(const SharedText &name); // the same, sharing the holder
    bool SetSets(int sets); // 1..20
    bool SetReps(int reps); // 0..200
    bool SetForced(int forced); // 0..200
    bool SetNegative(int negative); // 0..200
    bool SetWeight(float weight); // 0..500; a weight above 0 marks the entry Done
    bool SetNote(const QString &note); // any text
    bool SetNote(const Note &note); // the same, sharing the note's storage
    void SetStatus(ProgressStatus status); // always stored

    QString GetName() const { return m_name.Get(); }
    int GetSets() const { return m_sets; }
    int GetReps() const { return m_reps; }
    int GetForced() const { return m_forced; }
    int GetNegative() const { return m_negative; }
    float GetWeight() const { return m_weight; }
    QString GetNote() const;
    ProgressStatus GetStatus() const;

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    // Copies the values through the setters (each subject to its own checks). The status is not
    // copied, but a copied weight above 0 makes the entry Done.
    void CopyFrom(const ExerciseEntry &source);
    // Copies every field exactly, the status included.
    void CopyExactFrom(const ExerciseEntry &source);

private:
    // m_status value meaning that the status is m_rare->status.
    static constexpr quint8 RareStatus = 3;

    bool AcceptsCount(int value, int minimum, int maximum) const;
    bool SetCount(quint8 &field, int value);
    // Stores both, in a new Rare unless the note is empty and the status a named one.
    void Keep(const QString &note, ProgressStatus status);

    // A diary holds a hundred thousand entries and more, each an allocation of its own: packed
    // into 24 bytes, an entry takes a 32-byte block of the C library's allocator (80 unpacked).
    SharedText m_name;
    QExplicitlySharedDataPointer<const Rare> m_rare;
    float m_weight = 0.0f;
    quint8 m_reps = 0;
    quint8 m_forced = 0;
    quint8 m_negative = 0;
    quint8 m_sets : 5 = MinSets;
    quint8 m_status : 2 = quint8(ProgressStatus::NotYet); // NotYet, Done, Failed or RareStatus
    quint8 m_modified : 1 = false;
};
