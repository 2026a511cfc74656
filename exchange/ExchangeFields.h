#pragma once

#include "model/DateValue.h"
#include "model/ProgressStatus.h"

#include <QString>

#include <optional>

class ExerciseEntry;

// The field forms shared by the diary's own CSV and JSON files.
namespace ExchangeFields {

// yyyy-MM-dd; empty for a date without calendar fields.
QString DateText(const DateValue &date);
// The date of a yyyy-MM-dd text (an empty text is a date without calendar fields); nothing when
// the text is no such date.
std::optional<DateValue> ParseDate(const QString &text);

// "Not yet", "Done", "Failed"; any other value as its number.
QString StatusText(ProgressStatus status);
std::optional<ProgressStatus> ParseStatus(const QString &text);

// An exercise entry's fields as a file holds them.
struct ExerciseFields
{
    QString name;
    int sets = 1;
    int reps = 0;
    int forced = 0;
    int negative = 0;
    double weight = 0.0;
    QString note;
    ProgressStatus status = ProgressStatus::NotYet;
};

// Sets every field through the entry's setters. False, with the reason, when a value lies
// outside the entry's ranges (an entry without a name takes only its status, as the diary file
// does).
bool Fill(ExerciseEntry &entry, const ExerciseFields &fields, QString &reason);

// Kilograms rounded to two decimals from pounds (WeightUnit::ToKg).
double PoundsToKg(double pounds);

} // namespace ExchangeFields
