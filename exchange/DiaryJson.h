#pragma once

#include "exchange/ImportedData.h"
#include "model/WeightUnit.h"

#include <QByteArray>
#include <QList>

class TrainingDay;

// The diary's own JSON file: {"format": "repbook-diary", "version": 1, "days": [...]}, each day
// with its date (yyyy-MM-dd), notes and workouts, each workout with its name, status and
// exercises with every field, one day per line. Read with QJsonDocument. Weights are kilograms;
// a file with weights in pounds says so ("weightUnit": "lb") and is version 2, which older
// readers refuse instead of reading pounds as kilograms.
namespace DiaryJson {

inline constexpr char FormatName[] = "repbook-diary";
inline constexpr int Version = 1;
inline constexpr int PoundsVersion = 2;

QByteArray Write(const QList<const TrainingDay *> &days, WeightUnit unit);
// True when data starts (after blanks and a byte-order mark) like a JSON object.
bool LooksLikeJson(const QByteArray &data);
bool Read(const QByteArray &data, ImportedData &result, QString &error);

} // namespace DiaryJson
