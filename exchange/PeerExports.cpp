#include "exchange/PeerExports.h"

#include "exchange/CsvReader.h"
#include "exchange/ExchangeFields.h"
#include "exchange/HeaderColumns.h"
#include "exchange/SetCollector.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <optional>

namespace PeerExports {

namespace {

// The columns every reader looks for; a log that lacks one leaves it empty.
enum Column {
    Start,
    Title,
    Notes,
    Exercise,
    ExerciseNotes,
    SetKind,
    Weight,
    WeightUnit,
    Reps,
    Distance,
    Seconds,
    Category,
    ColumnCount
};

QStringList Names(std::initializer_list<const char *> names)
{
    QStringList list;
    for (const char *name : names)
        list.append(QString::fromLatin1(name));
    return list;
}

// Accepted names of each column per log. The weight's names say its unit: an accepted name
// with "lbs" means pounds.
QList<QStringList> Wanted(Kind kind)
{
    QList<QStringList> wanted(ColumnCount);
    switch (kind) {
    case Kind::Strong:
        wanted[Start] = Names({"Date"});
        wanted[Title] = Names({"Workout Name"});
        wanted[Notes] = Names({"Workout Notes"});
        wanted[Exercise] = Names({"Exercise Name"});
        wanted[ExerciseNotes] = Names({"Notes"});
        wanted[SetKind] = Names({"Set Order"});
        wanted[Weight] = Names({"Weight", "Weight (kg)", "Weight (lbs)"});
        wanted[WeightUnit] = Names({"Weight Unit"});
        wanted[Reps] = Names({"Reps"});
        wanted[Distance] = Names({"Distance"});
        wanted[Seconds] = Names({"Seconds"});
        break;
    case Kind::Hevy:
        wanted[Start] = Names({"start_time"});
        wanted[Title] = Names({"title"});
        wanted[Notes] = Names({"description"});
        wanted[Exercise] = Names({"exercise_title"});
        wanted[ExerciseNotes] = Names({"exercise_notes"});
        wanted[SetKind] = Names({"set_type"});
        wanted[Weight] = Names({"weight_kg", "weight_lbs"});
        wanted[Reps] = Names({"reps"});
        wanted[Distance] = Names({"distance_km", "distance_miles"});
        wanted[Seconds] = Names({"duration_seconds"});
        break;
    case Kind::FitNotes:
        wanted[Start] = Names({"Date"});
        wanted[Exercise] = Names({"Exercise"});
        wanted[Category] = Names({"Category"});
        wanted[ExerciseNotes] = Names({"Comment"});
        wanted[Weight] = Names({"Weight (kgs)", "Weight (kg)", "Weight (lbs)", "Weight"});
        wanted[Reps] = Names({"Reps"});
        wanted[Distance] = Names({"Distance"});
        wanted[Seconds] = Names({"Time"});
        break;
    }
    return wanted;
}

// The columns without which a file is not that log's.
QList<Column> Required(Kind kind)
{
    switch (kind) {
    case Kind::Strong:
        return {Start, Title, Exercise, SetKind, Reps};
    case Kind::Hevy:
        return {Start, Title, Exercise, Reps};
    case Kind::FitNotes:
        return {Start, Exercise, Category, Reps};
    }
    return {};
}

bool HasRequired(Kind kind, const HeaderColumns &columns)
{
    for (const Column column : Required(kind)) {
        if (!columns.Has(column))
            return false;
    }
    return true;
}

// The day a workout started on. Only the date part is read: the time of day plays no part, and
// converting it would ask the time zone database on every row.
std::optional<DateValue> StartDate(Kind kind, const QString &text)
{
    const QString trimmed = text.trimmed();
    QDate date;
    if (kind == Kind::Hevy) // "28 Mar 2025, 09:00"
        date = QLocale::c().toDate(trimmed.section(u',', 0, 0).trimmed(),
                                   QStringLiteral("d MMM yyyy"));
    if (!date.isValid()) // "2025-03-28 09:00:00" or "2025-03-28"
        date = QDate::fromString(trimmed.section(u' ', 0, 0), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    const DateValue value = DateValue::FromDate(date.year(), date.month(), date.day());
    return value.IsValid() ? std::optional<DateValue>(value) : std::nullopt;
}

LoggedSet::Kind SetKindOf(Kind kind, const QString &text)
{
    const QString value = text.trimmed().toLower();
    if (value == (kind == Kind::Strong ? QLatin1String("w") : QLatin1String("warmup")))
        return LoggedSet::Kind::WarmUp;
    if (value == (kind == Kind::Strong ? QLatin1String("d") : QLatin1String("dropset")))
        return LoggedSet::Kind::Drop;
    if (value == (kind == Kind::Strong ? QLatin1String("f") : QLatin1String("failure")))
        return LoggedSet::Kind::Failure;
    return LoggedSet::Kind::Normal;
}

class RowReader
{
public:
    RowReader(Kind kind, const HeaderColumns &columns, ImportedData &result)
        : m_kind(kind)
        , m_columns(columns)
        , m_result(result)
        , m_sets(result)
        , m_pounds(columns.NameUsed(Weight) >= 0 &&
                   Wanted(kind)[Weight][columns.NameUsed(Weight)].contains(QLatin1String("lbs")))
    {
    }

    void Take(const QStringList &fields, int line)
    {
        // FitNotes names a date's workout after the categories of its stored sets.
        const QString key = m_columns.Value(fields, Start).trimmed();
        if (TakeSet(fields, line) && m_kind == Kind::FitNotes) {
            QStringList &categories = m_categories[key];
            const QString category = m_columns.Value(fields, Category).trimmed();
            if (!category.isEmpty() && !categories.contains(category))
                categories.append(category);
        }
    }

    void Finish()
    {
        for (auto it = m_categories.cbegin(); it != m_categories.cend(); ++it)
            m_sets.Rename(it.key(), it.value().join(QStringLiteral(", ")));
    }

private:
    bool TakeSet(const QStringList &fields, int line)
    {
        const auto text = [&](Column column) { return m_columns.Value(fields, column); };
        if (m_kind == Kind::Strong &&
            text(SetKind).trimmed().compare(QLatin1String("Rest Timer"), Qt::CaseInsensitive) == 0)
            return false;
        LoggedSet set;
        set.line = line;
        // The rows of one workout repeat its start.
        if (text(Start) != m_lastStart) {
            m_lastStart = text(Start);
            m_lastDate = StartDate(m_kind, m_lastStart);
        }
        const std::optional<DateValue> date = m_lastDate;
        if (!date)
            return m_sets.Skip(line,
                               QCoreApplication::translate("PeerExports", "unreadable date \"%1\"")
                                   .arg(text(Start)));
        set.date = *date;
        set.workoutName = text(Title);
        set.workoutKey = text(Start).trimmed() + u'\n' + text(Title);
        if (m_kind == Kind::FitNotes)
            set.workoutKey = text(Start).trimmed();
        set.workoutNote = text(Notes);
        set.exercise = text(Exercise);
        set.exerciseNote = text(ExerciseNotes);
        set.kind = SetKindOf(m_kind, text(SetKind));
        double distance = 0.0;
        double seconds = 0.0;
        if (!SetCollector::ParseNumber(text(Weight), set.weightKg) ||
            !SetCollector::ParseNumber(text(Reps), set.reps) ||
            !SetCollector::ParseNumber(text(Distance), distance) ||
            (m_kind != Kind::FitNotes && !SetCollector::ParseNumber(text(Seconds), seconds)))
            return m_sets.Skip(line,
                               QCoreApplication::translate("PeerExports", "unreadable number"));
        const QString unit = text(WeightUnit).trimmed().toLower();
        if (m_pounds || unit == QLatin1String("lbs") || unit == QLatin1String("lb")) {
            set.weightKg = ExchangeFields::PoundsToKg(set.weightKg);
            m_result.pounds = true;
        }
        set.timeOrDistance = distance != 0.0 || seconds != 0.0 ||
            (m_kind == Kind::FitNotes && !text(Seconds).trimmed().isEmpty() &&
             text(Seconds).trimmed() != QLatin1String("0:00:00"));
        return m_sets.Add(set);
    }

    Kind m_kind;
    const HeaderColumns &m_columns;
    ImportedData &m_result;
    SetCollector m_sets;
    bool m_pounds;
    QHash<QString, QStringList> m_categories; // FitNotes: a date's categories, in order
    QString m_lastStart;
    std::optional<DateValue> m_lastDate;
};

} // namespace

QString Name(Kind kind)
{
    switch (kind) {
    case Kind::Strong:
        return QStringLiteral("Strong CSV");
    case Kind::Hevy:
        return QStringLiteral("Hevy CSV");
    case Kind::FitNotes:
        return QStringLiteral("FitNotes CSV");
    }
    return QString();
}

bool Recognises(Kind kind, const QStringList &header)
{
    return HasRequired(kind, HeaderColumns(header, Wanted(kind)));
}

bool Read(Kind kind, const QByteArray &data, ImportedData &result, QString &error)
{
    result.formatName = Name(kind);
    std::optional<HeaderColumns> columns;
    std::optional<RowReader> rows;
    CsvReader reader;
    const bool read = reader.Read(data, [&](const QStringList &fields, int line) {
        if (columns) {
            rows->Take(fields, line);
            return true;
        }
        columns.emplace(fields, Wanted(kind));
        if (!HasRequired(kind, *columns)) {
            error = QCoreApplication::translate("PeerExports",
                                                "Line %1: the header is not that of a %2 file.")
                        .arg(line)
                        .arg(Name(kind));
            return false;
        }
        rows.emplace(kind, *columns, result);
        return true;
    });
    if (!read)
        error = reader.ErrorString();
    if (rows)
        rows->Finish();
    return read && error.isEmpty();
}

} // namespace PeerExports
