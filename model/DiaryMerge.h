#pragma once

#include "model/DateValue.h"
#include "model/Fingerprint.h"

#include <QHash>
#include <QList>

#include <functional>

class DiaryDatabase;

// Three-way merge of a diary by date, for two programs that edit one file. A date's days (all
// days with that date, in list order) are compared as file records with the version both sides
// started from: a date changed on one side only takes that side; a date changed on both sides
// keeps the winner's version and hands the other one over.
namespace DiaryMerge {

// Which side keeps a date that both sides changed.
enum class Winner { Memory, Disk };

struct DateGroup
{
    DateValue date;
    Fingerprint records; // of the records of every day with this date, in list order
};
// Day key (DateValue::DayKey) to that date's records.
using Groups = QHash<qint64, DateGroup>;

Groups GroupByDate(const DiaryDatabase &database);
// The same, each half of the list grouped on its own core. Nothing may change the container
// meanwhile.
Groups GroupByDateOnTwoCores(const DiaryDatabase &database);
// The dates whose records differ between the two, in date order.
QList<DateValue> ChangedDates(const Groups &a, const Groups &b);

struct Result
{
    bool applied = true; // false: the losers could not be kept and memory was left alone
    bool memoryChanged = false; // memory took days from disk
    QList<DateValue> conflicts; // dates both sides changed, in date order
    Groups diskGroups; // the disk's days by date
    Groups memoryGroups; // memory's days by date after the merge
};

// Receives copies of the losing side's days of every conflicting date before memory changes;
// gives false when they could not be kept.
using KeepLosers = std::function<bool(const DiaryDatabase &losers)>;

// Brings the changes disk made since base into memory. Days of memory that keep their date's
// slot are updated in place (pointers to them stay valid); days of dates disk added are appended;
// days of dates disk removed are deleted. keepLosers is called only when there are conflicts.
Result Merge(const Groups &base, const DiaryDatabase &disk, DiaryDatabase &memory, Winner winner,
             const KeepLosers &keepLosers);
// The same with both sides already grouped by date (GroupByDate of disk and of memory as they
// are now).
Result Merge(const Groups &base, const DiaryDatabase &disk, Groups diskGroups,
             DiaryDatabase &memory, Groups memoryGroups, Winner winner,
             const KeepLosers &keepLosers);

} // namespace DiaryMerge
