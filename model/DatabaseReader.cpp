#include "model/DatabaseReader.h"

#include "model/DateValue.h"
#include "model/DiaryDatabase.h"
#include "model/TextCodec.h"
#include "model/TolerantNumber.h"

#include <algorithm>
#include <limits>

namespace {

// The day, month and year of a date line: points separate the numbers, runs of points count as
// one separator and leading points are skipped; a missing number reads 0.
DateValue ParseDateLine(QByteArrayView line)
{
    int fields[3] = {0, 0, 0};
    qsizetype position = 0;
    for (int &field : fields) {
        while (position < line.size() && line[position] == '.')
            ++position;
        if (position == line.size())
            break;
        const qsizetype start = position;
        while (position < line.size() && line[position] != '.')
            ++position;
        field = TolerantNumber::ToInt(line.sliced(start, position - start));
    }
    return DateValue::FromDate(fields[2], fields[1], fields[0]);
}

float ToWeight(QByteArrayView line)
{
    // Narrowing a double beyond the float range is undefined; such weights are refused anyway,
    // so they are held to the range first. NaN passes through and is refused as well.
    constexpr double max = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(TolerantNumber::ToDouble(line), -max, max));
}

// Room is made ahead for at most this many workouts of a day or exercises of a workout; a larger
// count, as a damaged file may hold, grows the list as it is read.
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
    workout.SetName(m_names.Get(m_lines.Next()));
    const int exerciseCount = TolerantNumber::ToInt(m_lines.Next());
    workout.SetStatus(ToStatus(m_lines.Next()), true);
    workout.ReserveExercises(ReservedCount(exerciseCount));
    for (int i = 0; i < exerciseCount && !m_lines.AtEnd(); ++i) {
        auto exercise = std::make_unique<ExerciseEntry>();
        exercise->SetName(m_names.Get(m_lines.Next()));
        exercise->SetSets(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetReps(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetForced(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetNegative(TolerantNumber::ToInt(m_lines.Next()));
        exercise->SetWeight(ToWeight(m_lines.Next()));
        // Most exercises have no note, and an entry starts without one.
        if (const QByteArrayView note = m_lines.Next(); !note.isEmpty())
            exercise->SetNote(m_notes.Get(note));
        exercise->SetStatus(ToStatus(m_lines.Next()));
        workout.AddExercise(std::move(exercise));
    }
}
