#include "model/DatabaseReader.h"

#include "model/DateValue.h"
#include "model/DiaryDatabase.h"
#include "model/TextCodec.h"
#include "model/TolerantNumber.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The day, month and year of a date line: points separate the numbers, runs of points count as
// one separator and leading points are skipped; a missing number reads 0.
DateValue ParseDateLine(QByteArrayView line)
{
    int fields[3] = {0, 0, 0};
    int count = 0;
    qsizetype position = 0;
    while (count < 3) {
        while (position < line.size() && line[position] == '.')
            ++position;
        if (position == line.size())
            break;
        const qsizetype start = position;
        while (position < line.size() && line[position] != '.')
            ++position;
        fields[count++] = TolerantNumber::ToInt(line.sliced(start, position - start));
    }
    return DateValue::FromDate(fields[2], fields[1], fields[0]);
}

float ToWeight(QByteArrayView line)
{
    const double value = TolerantNumber::ToDouble(line);
    // Narrowing a double beyond the float range is undefined; such weights are refused anyway.
    if (value > std::numeric_limits<float>::max() || value < -std::numeric_limits<float>::max())
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

constexpr qsizetype MaxSharedNames = 4096;
constexpr size_t InitialNameSlots = 64;

// A quick hash of a name's bytes: the length and up to sixteen bytes from its two ends, mixed by
// one multiplication. Lines that differ elsewhere only probe a little further.
quint64 NameHash(QByteArrayView bytes)
{
    const auto size = size_t(bytes.size());
    quint64 head = 0;
    quint64 tail = 0;
    if (size >= 8) {
        std::memcpy(&head, bytes.data(), 8);
        std::memcpy(&tail, bytes.data() + size - 8, 8);
    } else {
        std::memcpy(&head, bytes.data(), size);
    }
    const quint64 mixed = (head ^ (tail * 0x9E3779B97F4A7C15ULL) ^ size) * 0xC2B2AE3D27D4EB4FULL;
    return mixed ^ (mixed >> 29);
}

// The most workouts of a day or exercises of a workout room is made for ahead; a larger count,
// as a damaged file may hold, grows the list as it is read.
constexpr int MaxReserved = 64;

int ReservedCount(int count)
{
    return std::clamp(count, 0, MaxReserved);
}

ProgressStatus ToStatus(QByteArrayView line)
{
    return static_cast<ProgressStatus>(TolerantNumber::ToInt(line));
}

} // namespace

DatabaseReader::DatabaseReader(QByteArrayView content)
    : m_lines(content)
{
}

void DatabaseReader::ReadInto(DiaryDatabase &database)
{
    while (!m_lines.AtEnd()) {
        const QByteArrayView dateLine = m_lines.Next();
        auto day = std::make_unique<TrainingDay>();
        ReadDay(*day, dateLine);
        database.AddDay(std::move(day));
    }
}

void DatabaseReader::ReadDay(TrainingDay &day, QByteArrayView dateLine)
{
    day.SetDate(ParseDateLine(dateLine));
    const int workoutCount = TolerantNumber::ToInt(m_lines.Next());
    day.ReserveWorkouts(ReservedCount(workoutCount));
    for (int i = 0; i < workoutCount && !m_lines.AtEnd(); ++i) {
        auto workout = std::make_unique<Workout>();
        ReadWorkout(*workout);
        day.AddWorkout(std::move(workout));
    }
    day.SetNotes(TextCodec::DecodeLine(m_lines.Next()));
}

void DatabaseReader::ReadWorkout(Workout &workout)
{
    workout.SetName(Name(m_lines.Next()));
    const int exerciseCount = TolerantNumber::ToInt(m_lines.Next());
    workout.SetStatus(ToStatus(m_lines.Next()), true);
    workout.ReserveExercises(ReservedCount(exerciseCount));
    for (int i = 0; i < exerciseCount && !m_lines.AtEnd(); ++i) {
        auto exercise = std::make_unique<ExerciseEntry>();
        exercise->SetName(Name(m_lines.Next()));
        exercise->SetSets(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetReps(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetForced(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetNegative(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetWeight(ToWeight(m_lines.Next()));
        // Most exercises have no note, and an entry starts without one.
        if (const QByteArrayView note = m_lines.Next(); !note.isEmpty())
            exercise->SetNote(TextCodec::DecodeLine(note));
        exercise->SetStatus(ToStatus(m_lines.Next()));
        workout.AddExercise(std::move(exercise));
    }
}

DatabaseReader::SharedName &DatabaseReader::Slot(QByteArrayView line)
{
    const size_t mask = m_names.size() - 1;
    size_t index = size_t(NameHash(line)) & mask;
    while (!m_names[index].bytes.isEmpty() && m_names[index].bytes != line)
        index = (index + 1) & mask;
    return m_names[index];
}

QString DatabaseReader::Name(QByteArrayView line)
{
    if (line.isEmpty())
        return QString();
    if (m_names.empty())
        m_names.resize(InitialNameSlots);
    SharedName &slot = Slot(line);
    if (!slot.bytes.isEmpty())
        return slot.name;
    const QString name = TextCodec::DecodeLine(line);
    if (m_nameCount >= MaxSharedNames)
        return name;
    slot = {line, name};
    // At most half full, so that probes stay short.
    if (++m_nameCount * 2 > qsizetype(m_names.size())) {
        std::vector<SharedName> old(m_names.size() * 2);
        old.swap(m_names);
        for (SharedName &entry : old) {
            if (!entry.bytes.isEmpty())
                Slot(entry.bytes) = std::move(entry);
        }
    }
    return name;
}
