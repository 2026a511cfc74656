#pragma once

#include "model/DateValue.h"

#include <QByteArray>
#include <QList>
#include <QSet>

class DiaryDatabase;

// The days of some dates of a diary as they stood at one moment: each day's place in the list
// and its file record, nothing else. Putting a snapshot back gives those dates exactly these
// days again, in the same places, so the saved file is the same byte for byte. Days of other
// dates are neither kept nor touched.
class DaysSnapshot
{
public:
    DaysSnapshot() = default;

    // The days of the given dates.
    static DaysSnapshot Take(const DiaryDatabase &database, const QList<DateValue> &dates);
    // Every day of the diary.
    static DaysSnapshot TakeAll(const DiaryDatabase &database);
    // The part of this snapshot that holds the given dates.
    DaysSnapshot Only(const QList<DateValue> &dates) const;
    // The dates whose days differ between two snapshots, in date order.
    static QList<DateValue> ChangedDates(const DaysSnapshot &a, const DaysSnapshot &b);

    // True when the diary's days of these dates are the snapshot's, in the same order.
    bool Matches(const DiaryDatabase &database) const;
    // Removes the diary's days of these dates and puts the snapshot's back in their places.
    void Restore(DiaryDatabase &database) const;

    const QList<DateValue> &Dates() const { return m_dates; }
    bool HoldsSameDaysAs(const DaysSnapshot &other) const;

private:
    struct Entry
    {
        int index = 0;
        qint64 key = 0;
        QByteArray record;
    };

    void SetDates(const QList<DateValue> &dates);

    QList<DateValue> m_dates; // in date order, each once
    QSet<qint64> m_keys;
    QList<Entry> m_entries; // in list order
};
