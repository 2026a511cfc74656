#pragma once

#include "exchange/ImportedData.h"

#include <QByteArray>
#include <QList>

class TrainingDay;

// The diary's own JSON file: {"format": "repbook-diary", "version": 1, "days": [...]}, each day
// with its date (yyyy-MM-dd), notes and workouts, each workout with its name, status and
// exercises with every field, one day per line. Read with QJsonDocument.
namespace DiaryJson {

inline constexpr char FormatName[] = "repbook-diary";
inline constexpr int Version = 1;

QByteArray Write(const QList<const TrainingDay *> &days);
// True when data starts (after blanks and a byte-order mark) like a JSON object.
bool LooksLikeJson(const QByteArray &data);
bool Read(const QByteArray &data, ImportedData &result, QString &error);

} // namespace DiaryJson
