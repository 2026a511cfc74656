#pragma once

#include "model/DateValue.h"
#include "model/OwnedList.h"
#include "model/TrainingDay.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <unordered_map>

// The diary: an ordered list of training days it owns, bound to one file. The container never
// sorts and does not prevent two days with the same date; date lookups return the first.
class DiaryDatabase
{
public:
    // A snapshot lookup from date to the first day with that date, in list order. Valid until
    // the container's list of days or a day's date changes.
    class DateIndex
    {
    public:
        TrainingDay *Find(const DateValue &date) const;

    private:
        friend class DiaryDatabase;
        std::unordered_map<qint64, TrainingDay *> m_days;
    };

    DiaryDatabase() = default;
    DiaryDatabase(const DiaryDatabase &) = delete;
    DiaryDatabase &operator=(const DiaryDatabase &) = delete;

    // Binds the container to path. An empty path deletes all days and gives false; a file that
    // passes the integrity check is loaded (true); otherwise the days are kept (false).
    bool Open(const QString &path);
    // Writes the whole container with end marker and digest to the bound file, atomically: on
    // failure the old file stays as it was, false is returned and the modified flags stay set.
    // A new file is readable and writable by its owner only.
    bool Save();
    // The same with the container's file bytes already made (DatabaseWriter::FileBytes).
    bool Save(const QByteArray &bytes);
    const QString &GetPath() const { return m_path; }
    // Binds the container to path without reading it (for "save as").
    void SetPath(const QString &path) { m_path = path; }

    // Replaces the days by those read from the bytes of a file (the digest is not checked).
    bool LoadFromData(const QByteArray &data);
    // The days of a file's bytes, read on this thread while a second core checks the bytes and
    // runs besideCheck, when given; null when the check fails.
    static std::unique_ptr<DiaryDatabase>
    ReadChecked(const QByteArray &data, const std::function<void()> &besideCheck = {});
    // Replaces the days by those of other, which is left without days; the path stays.
    void TakeDaysFrom(DiaryDatabase &other);

    int AddDay(std::unique_ptr<TrainingDay> day); // index of the new day
    // Puts day before index (clamped to 0..count); gives the index it took.
    int InsertDay(int index, std::unique_ptr<TrainingDay> day);
    TrainingDay *GetDay(int index);
    const TrainingDay *GetDay(int index) const;
    int GetDayCount() const { return m_days.Count(); }
    TrainingDay *FindDay(const DateValue &date);
    const TrainingDay *FindDay(const DateValue &date) const;
    int FindDayIndex(const DateValue &date) const; // -1 when no day has the date
    int RemoveDay(int index); // new count
    void RemoveAllDays();
    // Puts day into the slot at index. The old day is deleted when deleteOld is set; otherwise
    // it is handed back through oldDay (and deleted if oldDay is null). A null day changes
    // nothing and gives false.
    bool ReplaceDay(int index, std::unique_ptr<TrainingDay> day, bool deleteOld,
                    std::unique_ptr<TrainingDay> *oldDay = nullptr);
    // Takes the day out of the list and hands it over.
    std::unique_ptr<TrainingDay> TakeDay(int index);

    // Sticky: a modified day sets the container's own flag, which then stays set.
    bool IsModified();
    // Sets the container's flag and every day's flags.
    void SetModified(bool modified);

    DateIndex MakeDateIndex() const;

private:
    OwnedList<TrainingDay> m_days;
    QString m_path;
    bool m_modified = false;
};
