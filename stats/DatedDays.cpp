#include "stats/DatedDays.h"

#include "model/DiaryDatabase.h"

#include <algorithm>

namespace DatedDays {

std::vector<DatedDay> InDateOrder(const DiaryDatabase &database)
{
    std::vector<DatedDay> days;
    days.reserve(size_t(database.GetDayCount()));
    for (int d = 0; d < database.GetDayCount(); ++d) {
        const TrainingDay *day = database.GetDay(d);
        const qint64 key = day->GetDate().DayKey();
        if (key != DateValue::NoDayKey)
            days.emplace_back(key, day);
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const DatedDay &a, const DatedDay &b) { return a.first < b.first; });
    return days;
}

} // namespace DatedDays
