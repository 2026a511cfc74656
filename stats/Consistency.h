#pragma once

#include <QDate>
#include <QList>

#include <array>

class DiaryDatabase;

// How a calendar day went, from the statuses of its workouts.
enum class DayClass {
    NoWorkout, // no day, or a day without workouts
    AllDone, // every workout Done
    SomeDone, // at least one Done, not all
    FailedOnly, // none Done, at least one Failed
    Missed, // only Not yet, on a day before today
    PlannedAhead, // only Not yet, today or later
};

// The workouts of a month that were due (dated before today, or already marked Done or Failed)
// and how many of them were Done.
struct MonthShare
{
    int planned = 0;
    int done = 0;

    // Done / planned, or -1 when nothing was due.
    double Share() const { return planned > 0 ? double(done) / planned : -1.0; }
};

// Runs of consecutive Monday-to-Sunday weeks with at least one Done workout. The current run
// ends with this week, or with last week while this week has no Done workout yet.
struct WeekStreaks
{
    int current = 0;
    int longest = 0;
};

// The consistency of one calendar year of the diary, computed in one pass over its days.
class YearConsistency
{
public:
    static YearConsistency Compute(const DiaryDatabase &database, int year, const QDate &today);

    int Year() const { return m_year; }
    // One class per day of the year, 1 January first.
    const QList<DayClass> &Days() const { return m_days; }
    DayClass ClassOf(const QDate &date) const;
    const std::array<MonthShare, 12> &Months() const { return m_months; }

private:
    int m_year = 0;
    QList<DayClass> m_days;
    std::array<MonthShare, 12> m_months {};
};

namespace Consistency {

WeekStreaks Streaks(const DiaryDatabase &database, const QDate &today);

} // namespace Consistency
