#include "model/DiaryMerge.h"

#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"

#include <algorithm>
#include <functional>
#include <future>
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

// Only a fingerprint of each date's records is kept: far smaller than the records, and
// compared in one step.
Groups GroupDays(const DiaryDatabase &database, int first, int end)
{
    Groups groups;
    groups.reserve(std::max(end - first, 0));
    DatabaseWriter::ForEachDayRecord(database, first, end, [&](int index, QByteArrayView record) {
        const DateValue date = database.GetDay(index)->GetDate();
        const auto found = groups.find(date.DayKey());
        if (found == groups.end())
            groups.insert(date.DayKey(), {date, Fingerprint::Of(record)});
        else
            found->records = Fingerprint::Of(record, found->records);
    });
    return groups;
}

} // namespace

Groups GroupByDate(const DiaryDatabase &database)
{
    return GroupDays(database, 0, database.GetDayCount());
}

Groups GroupByDateOnTwoCores(const DiaryDatabase &database)
{
    const int half = database.GetDayCount() / 2;
    std::future<Groups> later = std::async(std::launch::async | std::launch::deferred, [&] {
        return GroupDays(database, half, database.GetDayCount());
    });
    Groups groups = GroupDays(database, 0, half);
    const Groups rest = later.get();
    for (auto it = rest.cbegin(); it != rest.cend(); ++it) {
        // A date with days in both halves chains its records in list order: the halves'
        // fingerprints cannot be joined, so the whole list is grouped again (rare: the
        // container keeps one day per date).
        if (groups.contains(it.key()))
            return GroupByDate(database);
        groups.insert(it.key(), it.value());
    }
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
