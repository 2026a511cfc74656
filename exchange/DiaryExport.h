#pragma once

#include "model/DateValue.h"
#include "model/WeightUnit.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class DiaryDatabase;
class TrainingDay;

// Writes days of the diary as the diary's own CSV or JSON file.
namespace DiaryExport {

enum class Format { Csv, Json };

// The days of the diary in its order, those from and to the given dates (both included) when
// they are given.
QList<const TrainingDay *> DaysOf(const DiaryDatabase &diary,
                                  std::optional<DateValue> from = std::nullopt,
                                  std::optional<DateValue> to = std::nullopt);
// The file's weights are in the unit; reading it gives back the same kilograms either way.
QByteArray Write(const QList<const TrainingDay *> &days, Format format, WeightUnit unit);
// Replaces the file at path with bytes in one step; false with error when it cannot.
bool WriteFile(const QString &path, const QByteArray &bytes, QString &error);

} // namespace DiaryExport
