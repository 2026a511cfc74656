#include "model/DatabaseWriter.h"

#include "model/CMD5Checksum.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace DatabaseWriter {

namespace {

// Builds the day records in a std::string through a write position of its own: the string is
// grown ahead in large steps and cut to the written length by Finish, so that each line costs
// a bounds check and a few stores.
class RecordWriter
{
public:
    explicit RecordWriter(std::string &out)
        : m_out(out)
        , m_length(out.size())
    {
    }

    void Day(const TrainingDay &day)
    {
        const DateValue date = day.GetDate();
        Number(date.GetDay());
        Put('.');
        Number(date.GetMonth());
        Put('.');
        Number(date.GetYear());
        EndLine();
        NumberLine(day.GetWorkoutCount());
        for (int i = 0; i < day.GetWorkoutCount(); ++i)
            Workout(*day.GetWorkout(i));
        TextLine(day.GetNotes());
    }

    // Two decimals of the exact binary value, rounded half to even as printf's "%.2f" does.
    // Weights lie between 0 and ExerciseEntry::MaxWeight (SetWeight refuses anything else); for
    // a float of that range, the product with 100 in double precision is close enough to the
    // exact value that rounding it to an integer gives the same hundredths.
    void Weight(float weight)
    {
        const long long hundredths = std::llrint(double(weight) * 100.0);
        Number(hundredths / 100);
        const int fraction = int(hundredths % 100);
        char *dest = Room(3);
        dest[0] = '.';
        dest[1] = char('0' + fraction / 10);
        dest[2] = char('0' + fraction % 10);
        m_length += 3;
    }

    void Finish() { m_out.resize(m_length); }
    // What was written since the start or the last Rewind.
    QByteArrayView Written() const { return QByteArrayView(m_out.data(), qsizetype(m_length)); }
    // Starts over at the front, keeping the room.
    void Rewind() { m_length = 0; }

private:
    // A number of up to 20 digits with its sign, and its line end.
    static constexpr size_t MaxNumber = 24;

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

    // Room for count more bytes at the write position.
    Q_ALWAYS_INLINE char *Room(size_t count)
    {
        if (m_out.size() - m_length < count) [[unlikely]]
            Grow(count);
        return m_out.data() + m_length;
    }

    Q_NEVER_INLINE void Grow(size_t count)
    {
        m_out.resize(std::max(m_out.size() * 2, m_length + count));
    }

    void Put(char c)
    {
        *Room(1) = c;
        ++m_length;
    }

    void Put(const char *bytes, size_t count)
    {
        std::memcpy(Room(count), bytes, count);
        m_length += count;
    }

    Q_ALWAYS_INLINE void Number(long long value)
    {
        char *dest = Room(MaxNumber);
        // Counts, statuses and days are mostly one or two digits.
        if (value >= 0 && value < 10) {
            dest[0] = char('0' + value);
            m_length += 1;
        } else if (value >= 10 && value < 100) {
            dest[0] = char('0' + value / 10);
            dest[1] = char('0' + value % 10);
            m_length += 2;
        } else {
            const auto result = std::to_chars(dest, dest + MaxNumber, value);
            m_length += size_t(result.ptr - dest);
        }
    }

    void NumberLine(int value)
    {
        Number(value);
        EndLine();
    }

    void WeightLine(float weight)
    {
        Weight(weight);
        EndLine();
    }

    void TextLine(const QString &text)
    {
        // Plain ASCII without line breaks goes straight in, checked while it is copied; any
        // other text is encoded in place of the copy.
        char *dest = Room(size_t(text.size()));
        char16_t special = 0;
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            special |= unit >= 0x80 || unit == u'\n' || unit == u'\r';
            *dest++ = static_cast<char>(unit);
        }
        if (special) {
            const QByteArray encoded = TextCodec::Encode(text);
            Put(encoded.constData(), size_t(encoded.size()));
        } else {
            m_length += size_t(text.size());
        }
        EndLine();
    }

    Q_ALWAYS_INLINE void EndLine()
    {
        char *dest = Room(2);
        dest[0] = '\r';
        dest[1] = '\n';
        m_length += 2;
    }

    std::string &m_out;
    size_t m_length; // bytes written; the string beyond them is room
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
    writer.Finish();
    return out;
}

} // namespace

QByteArray WeightText(float weight)
{
    std::string out;
    RecordWriter writer(out);
    writer.Weight(weight);
    writer.Finish();
    return QByteArray(out.data(), qsizetype(out.size()));
}

QByteArray DayRecord(const TrainingDay &day)
{
    std::string out;
    RecordWriter writer(out);
    writer.Day(day);
    writer.Finish();
    return QByteArray(out.data(), qsizetype(out.size()));
}

QByteArray Content(const DiaryDatabase &database)
{
    const std::string records = Records(database);
    return QByteArray(records.data(), qsizetype(records.size()));
}

void ForEachDayRecord(const DiaryDatabase &database,
                      const std::function<void(int index, QByteArrayView record)> &take)
{
    ForEachDayRecord(database, 0, database.GetDayCount(), take);
}

void ForEachDayRecord(const DiaryDatabase &database, int first, int end,
                      const std::function<void(int index, QByteArrayView record)> &take)
{
    std::string buffer;
    RecordWriter writer(buffer);
    for (int i = std::max(first, 0); i < std::min(end, database.GetDayCount()); ++i) {
        writer.Rewind();
        writer.Day(*database.GetDay(i));
        take(i, writer.Written());
    }
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
