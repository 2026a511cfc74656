#include "exchange/ExchangeFields.h"

#include <QCoreApplication>

#include "model/ExerciseEntry.h"
#include "model/WeightUnit.h"

#include <cmath>

namespace ExchangeFields {

QString DateText(const DateValue &date)
{
    if (date.GetYear() < 0)
        return QString();
    return QStringLiteral("%1-%2-%3")
        .arg(date.GetYear(), 4, 10, QLatin1Char('0'))
        .arg(date.GetMonth(), 2, 10, QLatin1Char('0'))
        .arg(date.GetDay(), 2, 10, QLatin1Char('0'));
}

std::optional<DateValue> ParseDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return DateValue::MakeInvalid();
    const QDate date = QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    const DateValue value = DateValue::FromDate(date.year(), date.month(), date.day());
    if (!value.IsValid())
        return std::nullopt;
    return value;
}

QString StatusText(ProgressStatus status)
{
    const QString name = StatusName(status);
    return name.isEmpty() ? QString::number(static_cast<qint32>(status)) : name;
}

std::optional<ProgressStatus> ParseStatus(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const ProgressStatus status :
         {ProgressStatus::NotYet, ProgressStatus::Done, ProgressStatus::Failed}) {
        if (trimmed.compare(StatusName(status), Qt::CaseInsensitive) == 0)
            return status;
    }
    if (trimmed.isEmpty())
        return ProgressStatus::NotYet;
    bool ok = false;
    const int number = trimmed.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<ProgressStatus>(number);
}

bool Fill(ExerciseEntry &entry, const ExerciseFields &fields, QString &reason)
{
    entry.SetStatus(fields.status);
    if (fields.name.isEmpty())
        return true;
    entry.SetName(fields.name);
    const auto count = [&reason](bool accepted, const char *what, int maximum, int minimum = 0) {
        if (!accepted)
            reason = QCoreApplication::translate("ExchangeFields", "%1 outside %2..%3")
                         .arg(QCoreApplication::translate("ExchangeFields", what))
                         .arg(minimum)
                         .arg(maximum);
        return accepted;
    };
    if (!count(entry.SetSets(fields.sets), QT_TRANSLATE_NOOP("ExchangeFields", "sets"),
               ExerciseEntry::MaxSets, ExerciseEntry::MinSets) ||
        !count(entry.SetReps(fields.reps), QT_TRANSLATE_NOOP("ExchangeFields", "reps"),
               ExerciseEntry::MaxReps) ||
        !count(entry.SetForced(fields.forced), QT_TRANSLATE_NOOP("ExchangeFields", "forced reps"),
               ExerciseEntry::MaxReps) ||
        !count(entry.SetNegative(fields.negative),
               QT_TRANSLATE_NOOP("ExchangeFields", "negative reps"), ExerciseEntry::MaxReps))
        return false;
    if (!std::isfinite(fields.weight) || !entry.SetWeight(float(fields.weight))) {
        reason = QCoreApplication::translate("ExchangeFields", "weight outside 0..%1 kg")
                     .arg(double(ExerciseEntry::MaxWeight));
        return false;
    }
    entry.SetNote(fields.note);
    entry.SetStatus(fields.status);
    return true;
}

double PoundsToKg(double pounds)
{
    return WeightUnit(WeightUnit::Pounds).ToKg(pounds);
}

} // namespace ExchangeFields
