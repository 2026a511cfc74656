#include "exchange/LiftLogExport.h"

#include "exchange/CsvReader.h"
#include "exchange/ExchangeFields.h"
#include "exchange/HeaderColumns.h"
#include "exchange/SetCollector.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <optional>

namespace LiftLogExport {

namespace {

enum Column { Session, Timestamp, Exercise, Weight, WeightUnit, Reps, Notes, ColumnCount };

const QList<QStringList> Wanted = {{QStringLiteral("SessionId")},  {QStringLiteral("Timestamp")},
                                   {QStringLiteral("Exercise")},   {QStringLiteral("Weight")},
                                   {QStringLiteral("WeightUnit")}, {QStringLiteral("Reps")},
                                   {QStringLiteral("Notes")}};

bool HasRequired(const HeaderColumns &columns)
{
    for (const Column column : {Session, Timestamp, Exercise, Weight, WeightUnit, Reps}) {
        if (!columns.Has(column))
            return false;
    }
    return true;
}

// The local time a timestamp names, as written: "2025-06-02T18:04:11" (or without the seconds),
// with or without fractions of a second and a zone ("Z", "+02:00"), or a date alone. The zone is
// left out so that a session keeps the calendar day it was logged on; the time is held as UTC so
// that no daylight-saving gap moves it.
std::optional<QDateTime> ParseTimestamp(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QDate date = QDate::fromString(trimmed.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    if (trimmed.size() == 10)
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    const QChar separator = trimmed.size() > 10 ? trimmed[10] : QChar();
    QTime time = QTime::fromString(trimmed.mid(11, 8), QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        time = QTime::fromString(trimmed.mid(11, 5), QStringLiteral("HH:mm"));
    if ((separator != u'T' && separator != u' ') || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

// A set waiting for its session's start to be known.
struct Row
{
    LoggedSet set;
    QString session;
};

} // namespace

QString Name()
{
    return QStringLiteral("LiftLog CSV");
}

bool Recognises(const QStringList &header)
{
    return HasRequired(HeaderColumns(header, Wanted));
}

bool Read(const QByteArray &data, ImportedData &result, QString &error)
{
    result.formatName = Name();
    std::optional<HeaderColumns> columns;
    // A session's date is its earliest set's, wherever that row stands, so the rows are read
    // before any set is stored.
    QList<Row> rows;
    QHash<QString, QDateTime> starts;
    CsvReader reader;
    const bool read = reader.Read(data, [&](const QStringList &fields, int line) {
        if (!columns) {
            columns.emplace(fields, Wanted);
            if (HasRequired(*columns))
                return true;
            error = QCoreApplication::translate("LiftLogExport",
                                                "Line %1: the header is not that of a %2 file.")
                        .arg(line)
                        .arg(Name());
            return false;
        }
        const auto text = [&](Column column) { return columns->Value(fields, column); };
        const std::optional<QDateTime> time = ParseTimestamp(text(Timestamp));
        if (!time) {
            result.skipped.append(
                {line,
                 QCoreApplication::translate("LiftLogExport", "unreadable timestamp \"%1\"")
                     .arg(text(Timestamp))});
            return true;
        }
        Row row;
        row.session = text(Session).trimmed();
        row.set.line = line;
        row.set.workoutKey = row.session;
        row.set.exercise = text(Exercise);
        row.set.exerciseNote = text(Notes);
        if (!SetCollector::ParseNumber(text(Weight), row.set.weightKg) ||
            !SetCollector::ParseNumber(text(Reps), row.set.reps)) {
            result.skipped.append(
                {line, QCoreApplication::translate("LiftLogExport", "unreadable number")});
            return true;
        }
        const QString unit = text(WeightUnit).trimmed().toLower();
        if (unit == QLatin1String("lb") || unit == QLatin1String("lbs"))
            row.set.weightKg = ExchangeFields::PoundsToKg(row.set.weightKg);
        else if (!unit.isEmpty() && unit != QLatin1String("kg") && unit != QLatin1String("kgs")) {
            result.skipped.append(
                {line,
                 QCoreApplication::translate("LiftLogExport", "unknown unit \"%1\"").arg(unit)});
            return true;
        }
        auto start = starts.find(row.session);
        if (start == starts.end())
            starts.insert(row.session, *time);
        else if (*time < *start)
            *start = *time;
        rows.append(row);
        return true;
    });
    if (!read)
        error = reader.ErrorString();
    if (!read || !error.isEmpty())
        return false;

    SetCollector sets(result);
    for (Row &row : rows) {
        const QDate date = starts.value(row.session).date();
        row.set.date = DateValue::FromDate(date.year(), date.month(), date.day());
        sets.Add(row.set);
    }
    std::stable_sort(result.skipped.begin(), result.skipped.end(),
                     [](const SkippedRow &a, const SkippedRow &b) { return a.line < b.line; });
    return true;
}

} // namespace LiftLogExport
