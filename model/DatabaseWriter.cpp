#include "model/DatabaseWriter.h"

#include "model/CMD5Checksum.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/TextCodec.h"

#include <charconv>
#include <cmath>
#include <string>

namespace DatabaseWriter {

namespace {

void AppendNumber(std::string &out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, size_t(result.ptr - buffer));
}

// Two decimals of the exact binary value, rounded half to even as printf's "%.2f" does. For a
// float of the weight range, the product with 100 in double precision is close enough to the
// exact value that rounding it to an integer gives the same hundredths.
void AppendWeight(std::string &out, float weight)
{
    if (weight >= 0.0f && weight <= 1.0e6f) {
        const long long hundredths = std::llrint(double(weight) * 100.0);
        AppendNumber(out, hundredths / 100);
        const int fraction = int(hundredths % 100);
        out += '.';
        out += char('0' + fraction / 10);
        out += char('0' + fraction % 10);
    } else {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, double(weight),
                                          std::chars_format::fixed, 2);
        out.append(buffer, size_t(result.ptr - buffer));
    }
}

// Builds the day records in a std::string, whose appends are cheap inline copies.
class RecordWriter
{
public:
    explicit RecordWriter(std::string &out)
        : m_out(out)
    {
    }

    void Day(const TrainingDay &day)
    {
        const DateValue date = day.GetDate();
        Number(date.GetDay());
        m_out += '.';
        Number(date.GetMonth());
        m_out += '.';
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

    void Number(long long value) { AppendNumber(m_out, value); }

    void NumberLine(int value)
    {
        Number(value);
        EndLine();
    }

    void WeightLine(float weight)
    {
        AppendWeight(m_out, weight);
        EndLine();
    }

    void TextLine(const QString &text)
    {
        if (TextCodec::IsPlainAscii(text)) {
            const size_t start = m_out.size();
            m_out.resize(start + size_t(text.size()));
            char *dest = m_out.data() + start;
            for (const QChar c : text)
                *dest++ = static_cast<char>(c.unicode());
        } else {
            const QByteArray encoded = TextCodec::Encode(text);
            m_out.append(encoded.constData(), size_t(encoded.size()));
        }
        EndLine();
    }

    void EndLine() { m_out.append(DatabaseFile::LineEnd, 2); }

    std::string &m_out;
};

// Rough size of a day record, so that the buffer grows only a few times.
constexpr size_t ExpectedBytesPerDay = 800;

std::string Records(const DiaryDatabase &database)
{
    std::string out;
    out.reserve(size_t(database.GetDayCount()) * ExpectedBytesPerDay);
    RecordWriter writer(out);
    for (int i = 0; i < database.GetDayCount(); ++i)
        writer.Day(*database.GetDay(i));
    return out;
}

} // namespace

QByteArray WeightText(float weight)
{
    std::string out;
    AppendWeight(out, weight);
    return QByteArray(out.data(), qsizetype(out.size()));
}

QByteArray DayRecord(const TrainingDay &day)
{
    std::string out;
    RecordWriter(out).Day(day);
    return QByteArray(out.data(), qsizetype(out.size()));
}

QByteArray Content(const DiaryDatabase &database)
{
    const std::string records = Records(database);
    return QByteArray(records.data(), qsizetype(records.size()));
}

QByteArray FileBytes(const DiaryDatabase &database)
{
    std::string records = Records(database);
    const QByteArray digest = CMD5Checksum::HexDigest(records);
    records += DatabaseFile::EndMarker;
    records.append(DatabaseFile::LineEnd, 2);
    records.append(digest.constData(), size_t(digest.size()));
    return QByteArray(records.data(), qsizetype(records.size()));
}

} // namespace DatabaseWriter
