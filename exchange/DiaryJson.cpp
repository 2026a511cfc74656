#include "exchange/DiaryJson.h"

#include "exchange/CsvReader.h"
#include "exchange/ExchangeFields.h"
#include "model/DatabaseWriter.h"
#include "model/TrainingDay.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace DiaryJson {

namespace {

QJsonValue StatusValue(ProgressStatus status)
{
    return ExchangeFields::StatusText(status);
}

QJsonObject ExerciseObject(const ExerciseEntry &entry)
{
    return QJsonObject {
        {QStringLiteral("name"), entry.GetName()},
        {QStringLiteral("sets"), entry.GetSets()},
        {QStringLiteral("reps"), entry.GetReps()},
        {QStringLiteral("forced"), entry.GetForced()},
        {QStringLiteral("negative"), entry.GetNegative()},
        // The weight as the diary file rounds it, so that reading gives back the same file.
        {QStringLiteral("weight"), DatabaseWriter::WeightText(entry.GetWeight()).toDouble()},
        {QStringLiteral("note"), entry.GetNote()},
        {QStringLiteral("status"), StatusValue(entry.GetStatus())},
    };
}

QJsonObject DayObject(const TrainingDay &day)
{
    QJsonArray workouts;
    for (int w = 0; w < day.GetWorkoutCount(); ++w) {
        const Workout &workout = *day.GetWorkout(w);
        QJsonArray exercises;
        for (int e = 0; e < workout.GetExerciseCount(); ++e)
            exercises.append(ExerciseObject(*workout.GetExercise(e)));
        workouts.append(QJsonObject {{QStringLiteral("name"), workout.GetName()},
                                     {QStringLiteral("status"), StatusValue(workout.GetStatus())},
                                     {QStringLiteral("exercises"), exercises}});
    }
    return QJsonObject {{QStringLiteral("date"), ExchangeFields::DateText(day.GetDate())},
                        {QStringLiteral("notes"), day.GetNotes()},
                        {QStringLiteral("workouts"), workouts}};
}

// Reads the tree; every failure names the day (counted from 1) where it was found.
class TreeReader
{
public:
    explicit TreeReader(ImportedData &result)
        : m_result(result)
    {
    }

    bool Days(const QJsonArray &days, QString &error)
    {
        for (qsizetype d = 0; d < days.size(); ++d) {
            QString reason;
            if (!Day(days[d].toObject(), reason)) {
                error = QStringLiteral("Day %1 of the file: %2.").arg(d + 1).arg(reason);
                return false;
            }
        }
        return true;
    }

private:
    bool Day(const QJsonObject &object, QString &reason)
    {
        const auto date = ExchangeFields::ParseDate(object.value(QStringLiteral("date")).toString());
        if (!date) {
            reason = QStringLiteral("unreadable date");
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
            reason = QStringLiteral("unknown status \"%1\"").arg(value.toString());
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
            fields.weight = exercise.value(QStringLiteral("weight")).toDouble();
            fields.note = exercise.value(QStringLiteral("note")).toString();
            auto entry = std::make_unique<ExerciseEntry>();
            if (!ExchangeFields::Fill(*entry, fields, reason))
                return nullptr;
            workout->AddExercise(std::move(entry));
        }
        return workout;
    }

    ImportedData &m_result;
};

// The line of a byte offset, counted from 1.
int LineAt(const QByteArray &data, qsizetype offset)
{
    return int(QByteArrayView(data).first(qBound(qsizetype(0), offset, data.size())).count('\n'))
        + 1;
}

} // namespace

QByteArray Write(const QList<const TrainingDay *> &days)
{
    QByteArray out = QByteArrayLiteral("{\"format\":\"") + FormatName
        + QByteArrayLiteral("\",\"version\":") + QByteArray::number(Version)
        + QByteArrayLiteral(",\"days\":[\n");
    for (qsizetype i = 0; i < days.size(); ++i) {
        out += QJsonDocument(DayObject(*days[i])).toJson(QJsonDocument::Compact);
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
        error = QStringLiteral("Line %1 is not valid JSON: %2.")
                    .arg(LineAt(text, parseError.offset))
                    .arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(FormatName)
        || !root.value(QStringLiteral("days")).isArray()) {
        error = QStringLiteral("Line 1: this JSON file is no Repbook diary export.");
        return false;
    }
    if (root.value(QStringLiteral("version")).toInt() > Version) {
        error = QStringLiteral("Line 1: the file was written by a newer Repbook (version %1).")
                    .arg(root.value(QStringLiteral("version")).toInt());
        return false;
    }
    return TreeReader(result).Days(root.value(QStringLiteral("days")).toArray(), error);
}

} // namespace DiaryJson
