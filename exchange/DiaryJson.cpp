#include "exchange/DiaryJson.h"

#include "exchange/CsvReader.h"
#include "exchange/ExchangeFields.h"
#include "model/TrainingDay.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace DiaryJson {

namespace {

// Writes the tree directly: building a QJsonObject per exercise costs several times the
// writing itself on a long diary. The output is what QJsonDocument reads back.
class TreeWriter
{
public:
    TreeWriter(QByteArray &out, WeightUnit unit)
        : m_out(out)
        , m_unit(unit)
    {
    }

    void Day(const TrainingDay &day)
    {
        m_out += "{\"date\":";
        String(ExchangeFields::DateText(day.GetDate()));
        m_out += ",\"notes\":";
        String(day.GetNotes());
        m_out += ",\"workouts\":[";
        for (int w = 0; w < day.GetWorkoutCount(); ++w) {
            if (w > 0)
                m_out += ',';
            Workout(*day.GetWorkout(w));
        }
        m_out += "]}";
    }

private:
    void Workout(const ::Workout &workout)
    {
        m_out += "{\"name\":";
        String(workout.GetName());
        m_out += ",\"status\":";
        String(ExchangeFields::StatusText(workout.GetStatus()));
        m_out += ",\"exercises\":[";
        for (int e = 0; e < workout.GetExerciseCount(); ++e) {
            if (e > 0)
                m_out += ',';
            Exercise(*workout.GetExercise(e));
        }
        m_out += "]}";
    }

    void Exercise(const ExerciseEntry &entry)
    {
        m_out += "{\"name\":";
        String(entry.GetName());
        m_out += ",\"sets\":" + QByteArray::number(entry.GetSets());
        m_out += ",\"reps\":" + QByteArray::number(entry.GetReps());
        m_out += ",\"forced\":" + QByteArray::number(entry.GetForced());
        m_out += ",\"negative\":" + QByteArray::number(entry.GetNegative());
        // The weight as the diary file rounds it (or pounds that give it back), so that reading
        // gives back the same file.
        m_out += ",\"weight\":" + m_unit.ExchangeText(entry.GetWeight());
        m_out += ",\"note\":";
        String(entry.GetNote());
        m_out += ",\"status\":";
        String(ExchangeFields::StatusText(entry.GetStatus()));
        m_out += '}';
    }

    // A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
    void String(const QString &text)
    {
        m_out += '"';
        for (const char c : text.toUtf8()) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                m_out += '\\';
                m_out += c;
            } else if (c == '\n') {
                m_out += "\\n";
            } else if (u < 0x20) {
                static const char digits[] = "0123456789abcdef";
                m_out += "\\u00";
                m_out += digits[u >> 4];
                m_out += digits[u & 0xF];
            } else {
                m_out += c;
            }
        }
        m_out += '"';
    }

    QByteArray &m_out;
    const WeightUnit m_unit;
};

// Reads the tree; every failure names the day (counted from 1) where it was found.
class TreeReader
{
public:
    TreeReader(ImportedData &result, WeightUnit unit)
        : m_result(result)
        , m_unit(unit)
    {
        m_result.pounds = unit.IsPounds();
    }

    bool Days(const QJsonArray &days, QString &error)
    {
        for (qsizetype d = 0; d < days.size(); ++d) {
            QString reason = QCoreApplication::translate("DiaryJson", "a day must be an object");
            if (!days[d].isObject() || !Day(days[d].toObject(), reason)) {
                error = QCoreApplication::translate("DiaryJson", "Day %1 of the file: %2.")
                            .arg(d + 1)
                            .arg(reason);
                return false;
            }
        }
        return true;
    }

private:
    bool Day(const QJsonObject &object, QString &reason)
    {
        const auto date =
            ExchangeFields::ParseDate(object.value(QStringLiteral("date")).toString());
        if (!date) {
            reason = QCoreApplication::translate("DiaryJson", "unreadable date");
            return false;
        }
        auto day = std::make_unique<TrainingDay>();
        day->SetDate(*date);
        day->SetNotes(object.value(QStringLiteral("notes")).toString());
        for (const QJsonValue &value : object.value(QStringLiteral("workouts")).toArray()) {
            auto workout = Workout(value.toObject(), reason);
            if (!workout)
                return false;
            day->AddWorkout(std::move(workout));
        }
        m_result.days->AddDay(std::move(day));
        return true;
    }

    static std::optional<ProgressStatus> Status(const QJsonObject &object, QString &reason)
    {
        const QJsonValue value = object.value(QStringLiteral("status"));
        const auto status = ExchangeFields::ParseStatus(
            value.isDouble() ? QString::number(value.toInt()) : value.toString());
        if (!status)
            reason = QCoreApplication::translate("DiaryJson", "unknown status \"%1\"")
                         .arg(value.toString());
        return status;
    }

    std::unique_ptr<::Workout> Workout(const QJsonObject &object, QString &reason)
    {
        const auto status = Status(object, reason);
        if (!status)
            return nullptr;
        auto workout = std::make_unique<::Workout>();
        workout->SetName(object.value(QStringLiteral("name")).toString());
        workout->SetStatus(*status, false);
        for (const QJsonValue &value : object.value(QStringLiteral("exercises")).toArray()) {
            const QJsonObject exercise = value.toObject();
            ExchangeFields::ExerciseFields fields;
            const auto exerciseStatus = Status(exercise, reason);
            if (!exerciseStatus)
                return nullptr;
            fields.status = *exerciseStatus;
            fields.name = exercise.value(QStringLiteral("name")).toString();
            fields.sets = exercise.value(QStringLiteral("sets")).toInt(1);
            fields.reps = exercise.value(QStringLiteral("reps")).toInt();
            fields.forced = exercise.value(QStringLiteral("forced")).toInt();
            fields.negative = exercise.value(QStringLiteral("negative")).toInt();
            fields.weight = m_unit.ToKg(exercise.value(QStringLiteral("weight")).toDouble());
            fields.note = exercise.value(QStringLiteral("note")).toString();
            auto entry = std::make_unique<ExerciseEntry>();
            if (!ExchangeFields::Fill(*entry, fields, reason))
                return nullptr;
            workout->AddExercise(std::move(entry));
        }
        return workout;
    }

    ImportedData &m_result;
    const WeightUnit m_unit; // of the file's weights
};

// The line of a byte offset, counted from 1.
int LineAt(const QByteArray &data, qsizetype offset)
{
    return int(QByteArrayView(data).first(qBound(qsizetype(0), offset, data.size())).count('\n')) +
        1;
}

} // namespace

QByteArray Write(const QList<const TrainingDay *> &days, WeightUnit unit)
{
    // Pounds need the unit field, which a reader of the first version would not heed.
    QByteArray out = QByteArrayLiteral("{\"format\":\"") + FormatName +
        QByteArrayLiteral("\",\"version\":") +
        QByteArray::number(unit.IsPounds() ? PoundsVersion : Version);
    if (unit.IsPounds())
        out += ",\"weightUnit\":\"" + unit.Symbol().toLatin1() + '"';
    out += QByteArrayLiteral(",\"days\":[\n");
    out.reserve(out.size() + days.size() * 1200);
    TreeWriter writer(out, unit);
    for (qsizetype i = 0; i < days.size(); ++i) {
        writer.Day(*days[i]);
        out += i + 1 < days.size() ? ",\n" : "\n";
    }
    out += "]}\n";
    return out;
}

bool LooksLikeJson(const QByteArray &data)
{
    return CsvReader::WithoutBom(data).trimmed().startsWith('{');
}

bool Read(const QByteArray &data, ImportedData &result, QString &error)
{
    result.formatName = QStringLiteral("Repbook JSON");
    QJsonParseError parseError;
    const QByteArray text = CsvReader::WithoutBom(data);
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QCoreApplication::translate("DiaryJson", "Line %1 is not valid JSON: %2.")
                    .arg(LineAt(text, parseError.offset))
                    .arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(FormatName) ||
        !root.value(QStringLiteral("days")).isArray()) {
        error = QCoreApplication::translate("DiaryJson",
                                            "Line 1: this JSON file is no Repbook diary export.");
        return false;
    }
    if (root.value(QStringLiteral("version")).toInt() > PoundsVersion) {
        error = QCoreApplication::translate(
                    "DiaryJson", "Line 1: the file was written by a newer Repbook (version %1).")
                    .arg(root.value(QStringLiteral("version")).toInt());
        return false;
    }
    const QString symbol = root.value(QStringLiteral("weightUnit")).toString(QStringLiteral("kg"));
    const std::optional<WeightUnit> unit = WeightUnit::FromSymbol(symbol);
    if (!unit) {
        error = QCoreApplication::translate("DiaryJson", "Line 1: unknown weight unit \"%1\".")
                    .arg(symbol);
        return false;
    }
    return TreeReader(result, *unit).Days(root.value(QStringLiteral("days")).toArray(), error);
}

} // namespace DiaryJson
