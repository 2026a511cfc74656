#include "model/ExerciseEntry.h"

#include <limits>

static_assert(ExerciseEntry::MaxSets <= std::numeric_limits<qint16>::max() &&
              ExerciseEntry::MaxReps <= std::numeric_limits<qint16>::max());

bool ExerciseEntry::SetName(const QString &name)
{
    if (name.isEmpty())
        return false;
    m_name = name;
    m_modified = true;
    return true;
}

bool ExerciseEntry::SetCount(qint16 &field, int value, int minimum, int maximum)
{
    // Compared as unsigned values, so a negative count is refused.
    const auto unsignedValue = static_cast<unsigned>(value);
    if (m_name.isEmpty() || unsignedValue < static_cast<unsigned>(minimum) ||
        unsignedValue > static_cast<unsigned>(maximum))
        return false;
    field = static_cast<qint16>(value);
    m_modified = true;
    return true;
}

bool ExerciseEntry::SetSets(int sets)
{
    return SetCount(m_sets, sets, MinSets, MaxSets);
}

bool ExerciseEntry::SetReps(int reps)
{
    return SetCount(m_reps, reps, 0, MaxReps);
}

bool ExerciseEntry::SetForced(int forced)
{
    return SetCount(m_forced, forced, 0, MaxReps);
}

bool ExerciseEntry::SetNegative(int negative)
{
    return SetCount(m_negative, negative, 0, MaxReps);
}

bool ExerciseEntry::SetWeight(float weight)
{
    // Written so that NaN is refused as well.
    if (m_name.isEmpty() || !(weight >= 0.0f && weight <= MaxWeight))
        return false;
    m_weight = weight;
    if (weight > 0.0f && m_status != ProgressStatus::Done)
        m_status = ProgressStatus::Done;
    m_modified = true;
    return true;
}

bool ExerciseEntry::SetNote(const QString &note)
{
    if (m_name.isEmpty())
        return false;
    m_note = note;
    m_modified = true;
    return true;
}

void ExerciseEntry::SetStatus(ProgressStatus status)
{
    m_status = status;
    m_modified = true;
}

void ExerciseEntry::CopyFrom(const ExerciseEntry &source)
{
    if (&source == this) {
        m_modified = true;
        return;
    }
    SetName(source.m_name);
    SetSets(source.m_sets);
    SetReps(source.m_reps);
    SetForced(source.m_forced);
    SetNegative(source.m_negative);
    SetWeight(source.m_weight);
    SetNote(source.m_note);
    m_modified = true;
}

void ExerciseEntry::CopyExactFrom(const ExerciseEntry &source)
{
    if (&source != this) {
        m_name = source.m_name;
        m_note = source.m_note;
        m_sets = source.m_sets;
        m_reps = source.m_reps;
        m_forced = source.m_forced;
        m_negative = source.m_negative;
        m_weight = source.m_weight;
        m_status = source.m_status;
    }
    m_modified = true;
}
