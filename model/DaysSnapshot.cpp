#include "model/DaysSnapshot.h"

#include "model/DatabaseReader.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"

#include <QHash>

#include <algorithm>

void DaysSnapshot::SetDates(const QList<DateValue> &dates)
{
    m_dates.clear();
    m_keys.clear();
    for (const DateValue &date : dates) {
        if (!m_keys.contains(date.DayKey())) {
            m_keys.insert(date.DayKey());
            m_dates.append(date);
        }
    }
    std::sort(m_dates.begin(), m_dates.end());
}

DaysSnapshot DaysSnapshot::Take(const DiaryDatabase &database, const QList<DateValue> &dates)
{
    DaysSnapshot snapshot;
    snapshot.SetDates(dates);
    for (int i = 0; i < database.GetDayCount(); ++i) {
        const TrainingDay &day = *database.GetDay(i);
        const qint64 key = day.GetDate().DayKey();
        if (snapshot.m_keys.contains(key))
            snapshot.m_entries.append({i, key, DatabaseWriter::DayRecord(day)});
    }
    return snapshot;
}

DaysSnapshot DaysSnapshot::TakeAll(const DiaryDatabase &database)
{
    QList<DateValue> dates;
    dates.reserve(database.GetDayCount());
    for (int i = 0; i < database.GetDayCount(); ++i)
        dates.append(database.GetDay(i)->GetDate());
    return Take(database, dates);
}

DaysSnapshot DaysSnapshot::Only(const QList<DateValue> &dates) const
{
    DaysSnapshot part;
    part.SetDates(dates);
    for (const Entry &entry : m_entries) {
        if (part.m_keys.contains(entry.key))
            part.m_entries.append(entry);
    }
    return part;
}

QList<DateValue> DaysSnapshot::ChangedDates(const DaysSnapshot &a, const DaysSnapshot &b)
{
    const auto group = [](const DaysSnapshot &snapshot) {
        QHash<qint64, QByteArray> groups;
        for (const Entry &entry : snapshot.m_entries)
            groups[entry.key] += entry.record;
        return groups;
    };
    const QHash<qint64, QByteArray> left = group(a);
    const QHash<qint64, QByteArray> right = group(b);
    QList<DateValue> changed;
    for (const DaysSnapshot *side : {&a, &b}) {
        for (const DateValue &date : side->m_dates) {
            const qint64 key = date.DayKey();
            if (left.value(key) != right.value(key) &&
                std::none_of(changed.cbegin(), changed.cend(),
                             [key](const DateValue &d) { return d.DayKey() == key; }))
                changed.append(date);
        }
    }
    std::sort(changed.begin(), changed.end());
    return changed;
}

bool DaysSnapshot::HoldsSameDaysAs(const DaysSnapshot &other) const
{
    if (m_entries.size() != other.m_entries.size())
        return false;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).record != other.m_entries.at(i).record)
            return false;
    }
    return true;
}

bool DaysSnapshot::Matches(const DiaryDatabase &database) const
{
    return Take(database, m_dates).HoldsSameDaysAs(*this);
}

void DaysSnapshot::Restore(DiaryDatabase &database) const
{
    for (int i = database.GetDayCount() - 1; i >= 0; --i) {
        if (m_keys.contains(database.GetDay(i)->GetDate().DayKey()))
            database.RemoveDay(i);
    }
    QByteArray content;
    for (const Entry &entry : m_entries)
        content += entry.record;
    DiaryDatabase days;
    DatabaseReader(content).ReadInto(days);
    // In ascending order every earlier place is filled again before a later one is used.
    for (const Entry &entry : m_entries) {
        if (days.GetDayCount() == 0)
            break;
        database.InsertDay(entry.index, days.TakeDay(0));
    }
}
