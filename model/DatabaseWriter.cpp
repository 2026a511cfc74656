#include "model/DatabaseWriter.h"

#include "model/CMD5Checksum.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/TextCodec.h"

#include <charconv>

namespace DatabaseWriter {

namespace {

class RecordWriter
{
public:
    explicit RecordWriter(QByteArray &out)
        : m_out(out)
    {
    }

    void Day(const TrainingDay &day)
    {
        const DateValue date = day.GetDate();
        Number(date.GetDay());
        m_out.append('.');
        Number(date.GetMonth());
        m_out.append('.');
        Number(date.GetYear());
        EndLine();
        NumberLine(day.GetWorkoutCount());
        for (int i = 0; i < day.GetWorkoutCount(); ++i)
            Workout(*day.GetWorkout(i));
        TextLine(day.GetNotes());
    }

private:
    void Workout(const ::Workout &workout)
    {
        TextLine(workout.GetName());
        NumberLine(workout.GetExerciseCount());
        NumberLine(static_cast<int>(workout.GetStatus()));
        for (int i = 0; i < workout.GetExerciseCount(); ++i)
            Exercise(*workout.GetExercise(i));
    }

    void Exercise(const ExerciseEntry &exercise)
    {
        TextLine(exercise.GetName());
        NumberLine(exercise.GetSets());
        NumberLine(exercise.GetReps());
        NumberLine(exercise.GetForced());
        NumberLine(exercise.GetNegative());
        WeightLine(exercise.GetWeight());
        TextLine(exercise.GetNote());
        NumberLine(static_cast<int>(exercise.GetStatus()));
    }

    void Number(int value)
    {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        m_out.append(buffer, result.ptr - buffer);
    }

    void NumberLine(int value)
    {
        Number(value);
        EndLine();
    }

    // Two decimals of the exact binary value, rounded as printf's "%.2f" does.
    void WeightLine(float weight)
    {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, double(weight),
                                          std::chars_format::fixed, 2);
        m_out.append(buffer, result.ptr - buffer);
        EndLine();
    }

    void TextLine(const QString &text)
    {
        TextCodec::AppendEncoded(m_out, text);
        EndLine();
    }

    void EndLine() { m_out.append(DatabaseFile::LineEnd, 2); }

    QByteArray &m_out;
};

// Rough size of a day record, so that the buffer grows only a few times.
constexpr qsizetype ExpectedBytesPerDay = 512;

} // namespace

QByteArray Content(const DiaryDatabase &database)
{
    QByteArray out;
    out.reserve(qsizetype(database.GetDayCount()) * ExpectedBytesPerDay);
    RecordWriter writer(out);
    for (int i = 0; i < database.GetDayCount(); ++i)
        writer.Day(*database.GetDay(i));
    return out;
}

QByteArray FileBytes(const DiaryDatabase &database)
{
    QByteArray bytes = Content(database);
    const QByteArray digest = CMD5Checksum::HexDigest(bytes);
    bytes.append(DatabaseFile::EndMarker);
    bytes.append(DatabaseFile::LineEnd, 2);
    bytes.append(digest);
    return bytes;
}

} // namespace DatabaseWriter
