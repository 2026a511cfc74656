#include "model/DiaryMerge.h"

#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace DiaryMerge {

namespace {

// Day indices of a container by day key, each list in list order.
QHash<qint64, QList<int>> IndicesByDate(const DiaryDatabase &database)
{
    QHash<qint64, QList<int>> indices;
    for (int i = 0; i < database.GetDayCount(); ++i)
        indices[database.GetDay(i)->GetDate().DayKey()].append(i);
    return indices;
}

// Nothing when no day has the date.
std::optional<Fingerprint> RecordsOf(const Groups &groups, qint64 key)
{
    const auto found = groups.constFind(key);
    return found == groups.cend() ? std::nullopt : std::optional(found->records);
}

void AppendCopies(DiaryDatabase &target, const DiaryDatabase &source, const QList<int> &indices)
{
    for (const int index : indices) {
        auto copy = std::make_unique<TrainingDay>();
        copy->CopyExactFrom(*source.GetDay(index));
        target.AddDay(std::move(copy));
    }
}

} // namespace

Groups GroupByDate(const DiaryDatabase &database)
{
    // Only a fingerprint of each date's records is kept: far smaller than the records, and
    // compared in one step.
    Groups groups;
    groups.reserve(database.GetDayCount());
    DatabaseWriter::ForEachDayRecord(database, [&](int index, QByteArrayView record) {
        const DateValue date = database.GetDay(index)->GetDate();
        const auto found = groups.find(date.DayKey());
        if (found == groups.end())
            groups.insert(date.DayKey(), {date, Fingerprint::Of(record)});
        else
            found->records = Fingerprint::Of(record, found->records);
    });
    return groups;
}

QList<DateValue> ChangedDates(const Groups &a, const Groups &b)
{
    QList<DateValue> dates;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        if (RecordsOf(b, it.key()) != it->records)
            dates.append(it->date);
    }
    for (auto it = b.cbegin(); it != b.cend(); ++it) {
        if (!a.contains(it.key()))
            dates.append(it->date);
    }
    std::sort(dates.begin(), dates.end());
    return dates;
}

Result Merge(const Groups &base, const DiaryDatabase &disk, DiaryDatabase &memory, Winner winner,
             const KeepLosers &keepLosers)
{
    return Merge(base, disk, GroupByDate(disk), memory, GroupByDate(memory), winner, keepLosers);
}

Result Merge(const Groups &base, const DiaryDatabase &disk, Groups diskByDate,
             DiaryDatabase &memory, Groups memoryByDate, Winner winner,
             const KeepLosers &keepLosers)
{
    Result result;
    result.diskGroups = std::move(diskByDate);
    result.memoryGroups = std::move(memoryByDate);
    const Groups &diskGroups = result.diskGroups;
    const Groups &memoryGroups = result.memoryGroups;
    const QHash<qint64, QList<int>> diskDays = IndicesByDate(disk);
    const QHash<qint64, QList<int>> memoryDays = IndicesByDate(memory);

    // Decide every date first; memory changes only once the losers are safe.
    QList<qint64> taken; // dates whose days memory takes from disk
    DiaryDatabase losers;
    for (const DateValue &date : ChangedDates(base, diskGroups)) {
        const qint64 key = date.DayKey();
        const std::optional<Fingerprint> memoryRecords = RecordsOf(memoryGroups, key);
        if (memoryRecords == RecordsOf(diskGroups, key))
            continue; // both sides made the same change
        if (memoryRecords == RecordsOf(base, key)) {
            taken.append(key);
            continue;
        }
        result.conflicts.append(date);
        if (winner == Winner::Memory) {
            AppendCopies(losers, disk, diskDays.value(key));
        } else {
            AppendCopies(losers, memory, memoryDays.value(key));
            taken.append(key);
        }
    }
    if (!result.conflicts.isEmpty() && !keepLosers(losers)) {
        result.applied = false;
        return result;
    }

    QList<int> removals; // memory days whose date has fewer days on disk
    QList<int> additions; // disk days whose date has more days than in memory
    for (const qint64 key : taken) {
        if (diskGroups.contains(key))
            result.memoryGroups.insert(key, diskGroups.value(key));
        else
            result.memoryGroups.remove(key);
        const QList<int> target = memoryDays.value(key);
        const QList<int> source = diskDays.value(key);
        const qsizetype shared = std::min(target.size(), source.size());
        for (qsizetype i = 0; i < shared; ++i)
            memory.GetDay(target.at(i))->CopyExactFrom(*disk.GetDay(source.at(i)));
        removals.append(target.mid(shared));
        additions.append(source.mid(shared));
    }
    std::sort(removals.begin(), removals.end(), std::greater<int>());
    for (const int index : removals)
        memory.RemoveDay(index);
    std::sort(additions.begin(), additions.end());
    AppendCopies(memory, disk, additions);
    result.memoryChanged = !taken.isEmpty();
    return result;
}

} // namespace DiaryMerge
