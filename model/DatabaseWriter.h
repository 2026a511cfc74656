#pragma once

#include <QByteArray>
#include <QList>

class DiaryDatabase;
class TrainingDay;

// Writes a container in the file layout of DatabaseFile: one day record per day, in order, each
// line ended by CR LF; weights with two decimals and a point whatever the locale.
namespace DatabaseWriter {

// The record of one day, as it stands in a file.
QByteArray DayRecord(const TrainingDay &day);
// The day records only.
QByteArray Content(const DiaryDatabase &database);
// The day records only, with where each day's record ends: day i spans
// [i == 0 ? 0 : ends[i - 1], ends[i]).
QByteArray Content(const DiaryDatabase &database, QList<qsizetype> &ends);
// The whole file: day records, end marker line and digest line.
QByteArray FileBytes(const DiaryDatabase &database);

} // namespace DatabaseWriter
