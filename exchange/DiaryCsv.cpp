#include "exchange/DiaryCsv.h"

#include <QCoreApplication>

#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"
#include "exchange/ExchangeFields.h"
#include "exchange/HeaderColumns.h"
#include "model/TrainingDay.h"

#include <limits>

namespace DiaryCsv {

namespace {

enum Column {
    Date,
    DayNotes,
    WorkoutPosition,
    WorkoutName,
    WorkoutStatus,
    ExercisePosition,
    ExerciseName,
    Sets,
    Reps,
    Forced,
    Negative,
    Weight,
    ExerciseNotes,
    ExerciseStatus,
    ColumnCount
};

// The positions are numbered within the day and the workout; the weight's name says its unit
// ("Weight (kg)" or "Weight (lb)").
const char *const ColumnNames[ColumnCount] = {
    "Date",         "Day notes",     "Workout no.",    "Workout name",   "Workout status",
    "Exercise no.", "Exercise name", "Sets",           "Reps",           "Forced",
    "Negative",     "Weight (kg)",   "Exercise notes", "Exercise status"};
// The names files written before carry for the columns that were renamed since.
const char *const EarlierNames[ColumnCount] = {nullptr,    nullptr,  "Workout", nullptr, nullptr,
                                               "Exercise", nullptr,  nullptr,   nullptr, nullptr,
                                               nullptr,    "Weight", nullptr,   nullptr};
// The weight column's name in pounds, the third accepted name of the column.
const char *const PoundsWeightName = "Weight (lb)";
constexpr int PoundsWeightNameIndex = 2;

void WriteDayPart(CsvWriter &row, const TrainingDay &day, const QByteArray &dateText)
{
    row.Field(dateText).Field(day.GetNotes());
}

void WriteWorkoutPart(CsvWriter &row, const Workout &workout, int position)
{
    row.Field(position)
        .Field(workout.GetName())
        .Field(ExchangeFields::StatusText(workout.GetStatus()));
}

void WriteExercisePart(CsvWriter &row, const ExerciseEntry &entry, int position, WeightUnit unit)
{
    row.Field(position)
        .Field(entry.GetName())
        .Field(entry.GetSets())
        .Field(entry.GetReps())
        .Field(entry.GetForced())
        .Field(entry.GetNegative())
        .Field(unit.ExchangeText(entry.GetWeight()))
        .Field(entry.GetNote())
        .Field(ExchangeFields::StatusText(entry.GetStatus()));
}

void EmptyFields(CsvWriter &row, int count)
{
    for (int i = 0; i < count; ++i)
        row.Field(QByteArray());
}

// Builds days from rows in file order. A row starts a new day when its date or notes differ
// from the current day's, when it or the current day has no workout, or when its workout
// position does not lie after the current one (two days of one date follow each other).
class RowReader
{
public:
    RowReader(ImportedData &result, const HeaderColumns &columns)
        : m_result(result)
        , m_columns(columns)
        , m_unit(columns.NameUsed(Weight) == PoundsWeightNameIndex ? WeightUnit::Pounds
                                                                   : WeightUnit::Kilograms)
    {
        m_result.pounds = m_unit.IsPounds();
    }

    void Take(const QStringList &fields, int line)
    {
        QString reason;
        if (!TakeRow(fields, reason))
            m_result.skipped.append({line, reason});
    }

private:
    QString Text(const QStringList &fields, Column column) const
    {
        return m_columns.Value(fields, column);
    }

    std::optional<int> Number(const QStringList &fields, Column column, QString &reason) const
    {
        const QString text = Text(fields, column).trimmed();
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok)
            reason = QCoreApplication::translate("DiaryCsv", "%1 is not a whole number")
                         .arg(QLatin1String(ColumnNames[column]));
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    bool TakeRow(const QStringList &fields, QString &reason)
    {
        const std::optional<DateValue> date = ExchangeFields::ParseDate(Text(fields, Date));
        if (!date) {
            reason = QCoreApplication::translate("DiaryCsv", "unreadable date \"%1\"")
                         .arg(Text(fields, Date));
            return false;
        }
        const QString notes = Text(fields, DayNotes);
        const bool hasWorkout = !Text(fields, WorkoutPosition).trimmed().isEmpty();
        const bool hasExercise = !Text(fields, ExercisePosition).trimmed().isEmpty();
        int workoutPosition = 0;
        int exercisePosition = 0;
        if (hasWorkout) {
            const auto position = Number(fields, WorkoutPosition, reason);
            if (!position)
                return false;
            workoutPosition = *position;
        }
        if (hasExercise) {
            const auto position = Number(fields, ExercisePosition, reason);
            if (!position)
                return false;
            exercisePosition = *position;
        }
        if ((hasWorkout && workoutPosition < 1) || (hasExercise && exercisePosition < 1) ||
            (hasExercise && !hasWorkout)) {
            reason = QCoreApplication::translate(
                "DiaryCsv", "positions of workout and exercise must count from 1");
            return false;
        }
        std::unique_ptr<ExerciseEntry> entry;
        if (hasExercise && !(entry = MakeEntry(fields, reason)))
            return false;

        const bool sameWorkout = workoutPosition == m_workoutPosition && hasExercise &&
            exercisePosition > m_exercisePosition;
        const bool newDay = !m_day || Text(fields, Date) != m_dateText ||
            notes != m_day->GetNotes() || !hasWorkout || m_workoutPosition == 0 ||
            workoutPosition < m_workoutPosition ||
            (workoutPosition == m_workoutPosition && !sameWorkout);
        std::unique_ptr<Workout> workout;
        if (hasWorkout && (newDay || !sameWorkout) && !(workout = MakeWorkout(fields, reason)))
            return false;

        if (newDay) {
            auto day = std::make_unique<TrainingDay>();
            day->SetDate(*date);
            day->SetNotes(notes);
            m_day = day.get();
            m_result.days->AddDay(std::move(day));
            m_dateText = Text(fields, Date);
            m_workoutPosition = 0;
        }
        if (workout) {
            m_day->AddWorkout(std::move(workout));
            m_workoutPosition = workoutPosition;
            // A workout without exercises has one row only.
            m_exercisePosition = hasExercise ? 0 : std::numeric_limits<int>::max();
        }
        if (entry) {
            m_day->GetWorkout(m_day->GetWorkoutCount() - 1)->AddExercise(std::move(entry));
            m_exercisePosition = exercisePosition;
        }
        return true;
    }

    std::unique_ptr<Workout> MakeWorkout(const QStringList &fields, QString &reason) const
    {
        const auto status = ExchangeFields::ParseStatus(Text(fields, WorkoutStatus));
        if (!status) {
            reason = QCoreApplication::translate("DiaryCsv", "unknown workout status \"%1\"")
                         .arg(Text(fields, WorkoutStatus));
            return nullptr;
        }
        auto workout = std::make_unique<Workout>();
        workout->SetName(Text(fields, WorkoutName));
        workout->SetStatus(*status, false);
        return workout;
    }

    std::unique_ptr<ExerciseEntry> MakeEntry(const QStringList &fields, QString &reason) const
    {
        ExchangeFields::ExerciseFields values;
        values.name = Text(fields, ExerciseName);
        values.note = Text(fields, ExerciseNotes);
        const auto status = ExchangeFields::ParseStatus(Text(fields, ExerciseStatus));
        if (!status) {
            reason = QCoreApplication::translate("DiaryCsv", "unknown exercise status \"%1\"")
                         .arg(Text(fields, ExerciseStatus));
            return nullptr;
        }
        values.status = *status;
        if (!values.name.isEmpty()) {
            std::optional<int> counts[4];
            const Column columns[4] = {Sets, Reps, Forced, Negative};
            for (int i = 0; i < 4; ++i) {
                if (!(counts[i] = Number(fields, columns[i], reason)))
                    return nullptr;
            }
            values.sets = *counts[0];
            values.reps = *counts[1];
            values.forced = *counts[2];
            values.negative = *counts[3];
            bool ok = false;
            values.weight = m_unit.ToKg(Text(fields, Weight).trimmed().toDouble(&ok));
            if (!ok) {
                reason = QCoreApplication::translate("DiaryCsv", "unreadable weight \"%1\"")
                             .arg(Text(fields, Weight));
                return nullptr;
            }
        }
        auto entry = std::make_unique<ExerciseEntry>();
        if (!ExchangeFields::Fill(*entry, values, reason))
            return nullptr;
        return entry;
    }

    ImportedData &m_result;
    const HeaderColumns &m_columns;
    const WeightUnit m_unit; // of the file's weights
    TrainingDay *m_day = nullptr;
    QString m_dateText;
    int m_workoutPosition = 0; // 0: the current day has no workout yet
    int m_exercisePosition = 0;
};

HeaderColumns Columns(const QStringList &header)
{
    QList<QStringList> names;
    for (int column = 0; column < ColumnCount; ++column) {
        names.append({QString::fromLatin1(ColumnNames[column])});
        if (EarlierNames[column])
            names.last().append(QString::fromLatin1(EarlierNames[column]));
    }
    names[Weight].append(QString::fromLatin1(PoundsWeightName));
    return HeaderColumns(header, names);
}

} // namespace

QStringList Header(WeightUnit unit)
{
    QStringList header;
    for (const char *name : ColumnNames)
        header.append(QString::fromLatin1(name));
    header[Weight] = unit.IsPounds() ? QString::fromLatin1(PoundsWeightName) : header[Weight];
    return header;
}

QByteArray Write(const QList<const TrainingDay *> &days, WeightUnit unit)
{
    QByteArray out;
    CsvWriter row(out);
    for (const QString &name : Header(unit))
        row.Field(name);
    row.EndRow();
    for (const TrainingDay *day : days) {
        const QByteArray date = ExchangeFields::DateText(day->GetDate()).toLatin1();
        if (day->GetWorkoutCount() == 0) {
            WriteDayPart(row, *day, date);
            EmptyFields(row, ColumnCount - WorkoutPosition);
            row.EndRow();
        }
        for (int w = 0; w < day->GetWorkoutCount(); ++w) {
            const Workout &workout = *day->GetWorkout(w);
            if (workout.GetExerciseCount() == 0) {
                WriteDayPart(row, *day, date);
                WriteWorkoutPart(row, workout, w + 1);
                EmptyFields(row, ColumnCount - ExercisePosition);
                row.EndRow();
            }
            for (int e = 0; e < workout.GetExerciseCount(); ++e) {
                WriteDayPart(row, *day, date);
                WriteWorkoutPart(row, workout, w + 1);
                WriteExercisePart(row, *workout.GetExercise(e), e + 1, unit);
                row.EndRow();
            }
        }
    }
    return out;
}

bool Recognises(const QStringList &header)
{
    return Columns(header).HasAll();
}

bool Read(const QByteArray &data, ImportedData &result, QString &error)
{
    result.formatName = QStringLiteral("Repbook CSV");
    std::optional<HeaderColumns> columns;
    std::optional<RowReader> rows;
    CsvReader reader;
    const bool read = reader.Read(data, [&](const QStringList &fields, int line) {
        if (!columns) {
            columns = Columns(fields);
            if (!columns->HasAll()) {
                error = QCoreApplication::translate("DiaryCsv",
                                                    "Line %1: the header lacks the column \"%2\".")
                            .arg(line)
                            .arg(columns->FirstMissing());
                return false;
            }
            rows.emplace(result, *columns);
            return true;
        }
        rows->Take(fields, line);
        return true;
    });
    if (!read)
        error = reader.ErrorString();
    return read && error.isEmpty();
}

} // namespace DiaryCsv
