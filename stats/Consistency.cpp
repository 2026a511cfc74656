#include "stats/Consistency.h"

#include "model/DiaryDatabase.h"
#include "stats/StatsDate.h"

#include <algorithm>
#include <vector>

namespace {

struct StatusCount
{
    int done = 0;
    int failed = 0;
    int notYet = 0; // every other status counts as still to do

    int Total() const { return done + failed + notYet; }
};

void CountWorkouts(const TrainingDay &day, StatusCount &count)
{
    for (int w = 0; w < day.GetWorkoutCount(); ++w) {
        switch (day.GetWorkout(w)->GetStatus()) {
        case ProgressStatus::Done:
            ++count.done;
            break;
        case ProgressStatus::Failed:
            ++count.failed;
            break;
        default:
            ++count.notYet;
            break;
        }
    }
}

DayClass Classify(const StatusCount &count, bool past)
{
    if (count.Total() == 0)
        return DayClass::NoWorkout;
    if (count.done == count.Total())
        return DayClass::AllDone;
    if (count.done > 0)
        return DayClass::SomeDone;
    if (count.failed > 0)
        return DayClass::FailedOnly;
    return past ? DayClass::Missed : DayClass::PlannedAhead;
}

} // namespace

YearConsistency YearConsistency::Compute(const DiaryDatabase &database, int year,
                                         const QDate &today)
{
    YearConsistency result;
    result.m_year = year;
    const QDate first(year, 1, 1);
    if (!first.isValid())
        return result;
    const qint64 firstKey = StatsDate::ToKey(first);
    const int dayCount = first.daysInYear();
    // Several diary days may share a date: their workouts count together.
    std::vector<StatusCount> counts(static_cast<size_t>(dayCount));
    for (int d = 0; d < database.GetDayCount(); ++d) {
        const TrainingDay *day = database.GetDay(d);
        const qint64 offset = day->GetDate().DayKey() - firstKey;
        if (day->GetDate().DayKey() != DateValue::NoDayKey && offset >= 0 && offset < dayCount)
            CountWorkouts(*day, counts[size_t(offset)]);
    }
    const qint64 todayOffset = StatsDate::ToKey(today) - firstKey;
    result.m_days.reserve(dayCount);
    for (int offset = 0; offset < dayCount; ++offset) {
        const StatusCount &count = counts[size_t(offset)];
        const bool past = offset < todayOffset;
        result.m_days.append(Classify(count, past));
        MonthShare &month = result.m_months[size_t(first.addDays(offset).month() - 1)];
        month.done += count.done;
        month.planned += count.done + count.failed + (past ? count.notYet : 0);
    }
    return result;
}

DayClass YearConsistency::ClassOf(const QDate &date) const
{
    if (date.year() != m_year || m_days.isEmpty())
        return DayClass::NoWorkout;
    return m_days.value(date.dayOfYear() - 1, DayClass::NoWorkout);
}

namespace Consistency {

WeekStreaks Streaks(const DiaryDatabase &database, const QDate &today)
{
    std::vector<qint64> weeks;
    for (int d = 0; d < database.GetDayCount(); ++d) {
        const TrainingDay *day = database.GetDay(d);
        const qint64 key = day->GetDate().DayKey();
        if (key == DateValue::NoDayKey)
            continue;
        StatusCount count;
        CountWorkouts(*day, count);
        if (count.done > 0)
            weeks.push_back(StatsDate::WeekOf(StatsDate::FromKey(key)));
    }
    std::sort(weeks.begin(), weeks.end());
    weeks.erase(std::unique(weeks.begin(), weeks.end()), weeks.end());

    WeekStreaks streaks;
    const qint64 thisWeek = StatsDate::WeekOf(today);
    int run = 0;
    for (size_t i = 0; i < weeks.size(); ++i) {
        // Weeks after this one (planned ahead yet marked Done) do not extend a streak.
        if (weeks[i] > thisWeek)
            break;
        run = (i > 0 && weeks[i] == weeks[i - 1] + 1) ? run + 1 : 1;
        streaks.longest = std::max(streaks.longest, run);
        if (weeks[i] >= thisWeek - 1)
            streaks.current = run;
    }
    return streaks;
}

} // namespace Consistency
