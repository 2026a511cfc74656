#pragma once

#include "model/DateValue.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class DiaryDatabase;

// The other versions of days both sides changed, as they are kept beside the diary: each
// conflict file ("<diary>.conflict-yyyyMMdd-HHmmss", SideFile) holds the losing side's days of
// the dates of one merge, whether the other side was the other program or another computer. A
// record is one date of one such file; taking it puts its days into the diary in place of the
// diary's, dropping it removes the date from its file (and the file once nothing is left).
namespace ConflictRecords {

struct Record
{
    // The conflict files that hold this version of the date: one, or more when the same copy
    // was merged on both computers, each keeping a file that the sync carried to the other.
    QStringList files;
    QDateTime kept; // when the newest was written, from its name; invalid when it does not say
    DateValue date;
    // The other version: that file's days of the date, in list order.
    std::shared_ptr<const DiaryDatabase> days;
};

struct Found
{
    QList<Record> records; // in date order, the newest file first for the same date
    QStringList unreadable; // conflict files that fail their check; left as they are
};

// True when fileName (without folders) is a conflict file of the diary file named diaryName.
bool IsRecordOf(const QString &fileName, const QString &diaryName);
// Reads every conflict file beside the diary at diaryPath.
Found Read(const QString &diaryPath);
// Replaces the diary's days of the record's date by copies of the record's days.
void Take(const Record &record, DiaryDatabase &diary);
// Removes the record's date from its files, and a file that held nothing else; false and an
// error when a file could not be written.
bool Drop(const Record &record, QString &error);

} // namespace ConflictRecords
