#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

class DiaryDatabase;
class TrainingDay;

// Writes a container in the file layout of DatabaseFile: one day record per day, in order, each
// line ended by CR LF; weights with two decimals and a point whatever the locale.
namespace DatabaseWriter {

// A weight as the file writes it: two decimals and a point, e.g. 42.50.
QByteArray WeightText(float weight);
// The record of one day, as it stands in a file.
QByteArray DayRecord(const TrainingDay &day);
// The day records only.
QByteArray Content(const DiaryDatabase &database);
// Hands the record of every day to take, in list order, through one reused buffer: the view
// holds only during the call.
// The same for the days first..end-1 only.
void ForEachDayRecord(const DiaryDatabase &database, int first, int end,
                      const std::function<void(int index, QByteArrayView record)> &take);
void ForEachDayRecord(const DiaryDatabase &database,
                      const std::function<void(int index, QByteArrayView record)> &take);
// The whole file: day records, end marker line and digest line.
QByteArray FileBytes(const DiaryDatabase &database);

} // namespace DatabaseWriter
