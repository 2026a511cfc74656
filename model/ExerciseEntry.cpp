#include "model/ExerciseEntry.h"

#include <limits>

static_assert(ExerciseEntry::MaxSets < (1 << 5) &&
              ExerciseEntry::MaxReps <= std::numeric_limits<quint8>::max());
static_assert(sizeof(ExerciseEntry) <= 24, "an entry no longer fits a 32-byte block");

namespace {

bool IsNamedStatus(ProgressStatus status)
{
    return status == ProgressStatus::NotYet || status == ProgressStatus::Done ||
        status == ProgressStatus::Failed;
}

} // namespace

QString ExerciseEntry::GetNote() const
{
    return m_rare ? m_rare->note : QString();
}

ProgressStatus ExerciseEntry::GetStatus() const
{
    return m_status == RareStatus ? m_rare->status : ProgressStatus(m_status);
}

bool ExerciseEntry::SetName(const QString &name)
{
    return SetName(SharedText(name));
}

bool ExerciseEntry::SetName(const SharedText &name)
{
    if (name.IsEmpty())
        return false;
    m_name = name;
    m_modified = true;
    return true;
}

bool ExerciseEntry::AcceptsCount(int value, int minimum, int maximum) const
{
    // Compared as unsigned values, so a negative count is refused.
    const auto unsignedValue = static_cast<unsigned>(value);
    return !m_name.IsEmpty() && unsignedValue >= static_cast<unsigned>(minimum) &&
        unsignedValue <= static_cast<unsigned>(maximum);
}

bool ExerciseEntry::SetCount(quint8 &field, int value)
{
    if (!AcceptsCount(value, 0, MaxReps))
        return false;
    field = static_cast<quint8>(value);
    m_modified = true;
    return true;
}

bool ExerciseEntry::SetSets(int sets)
{
    if (!AcceptsCount(sets, MinSets, MaxSets))
        return false;
    m_sets = static_cast<quint8>(sets);
    m_modified = true;
    return true;
}

bool ExerciseEntry::SetReps(int reps)
{
    return SetCount(m_reps, reps);
}

bool ExerciseEntry::SetForced(int forced)
{
    return SetCount(m_forced, forced);
}

bool ExerciseEntry::SetNegative(int negative)
{
    return SetCount(m_negative, negative);
}

bool ExerciseEntry::SetWeight(float weight)
{
    // Written so that NaN is refused as well.
    if (m_name.IsEmpty() || !(weight >= 0.0f && weight <= MaxWeight))
        return false;
    m_weight = weight;
    if (weight > 0.0f && GetStatus() != ProgressStatus::Done)
        SetStatus(ProgressStatus::Done);
    m_modified = true;
    return true;
}

ExerciseEntry::Note::Note(const QString &text)
    : m_rare(text.isEmpty() ? nullptr : new Rare(text, ProgressStatus::NotYet))
{
}

bool ExerciseEntry::SetNote(const QString &note)
{
    if (m_name.IsEmpty())
        return false;
    Keep(note, GetStatus());
    m_modified = true;
    return true;
}

bool ExerciseEntry::SetNote(const Note &note)
{
    if (m_name.IsEmpty())
        return false;
    if (m_status == RareStatus)
        Keep(note.m_rare ? note.m_rare->note : QString(), GetStatus());
    else
        m_rare = note.m_rare; // its status is not read while the entry's own is a named one
    m_modified = true;
    return true;
}

void ExerciseEntry::SetStatus(ProgressStatus status)
{
    Keep(GetNote(), status);
    m_modified = true;
}

void ExerciseEntry::Keep(const QString &note, ProgressStatus status)
{
    const bool named = IsNamedStatus(status);
    // Only a new Rare is written to: the old one may be shared.
    if (!named || !note.isEmpty()) {
        if (!m_rare || m_rare->note != note || (!named && m_rare->status != status))
            m_rare = new Rare(note, status);
    } else {
        m_rare.reset();
    }
    m_status = named ? static_cast<quint8>(status) : RareStatus;
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
    SetNote(source.GetNote());
    m_modified = true;
}

void ExerciseEntry::CopyExactFrom(const ExerciseEntry &source)
{
    if (&source != this) {
        m_name = source.m_name;
        m_rare = source.m_rare;
        m_sets = source.m_sets;
        m_reps = source.m_reps;
        m_forced = source.m_forced;
        m_negative = source.m_negative;
        m_weight = source.m_weight;
        m_status = source.m_status;
    }
    m_modified = true;
}
