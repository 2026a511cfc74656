#include "stats/ExerciseCatalog.h"

#include "model/DiaryDatabase.h"
#include "stats/DatedDays.h"
#include "stats/ExerciseName.h"
#include "stats/StatsDate.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace ExerciseCatalog {

namespace {

struct Group
{
    QString name; // the latest spelling
    int trainingDays = 0;
    qint64 lastKey = DateValue::NoDayKey;
};

} // namespace

QList<ExerciseSummary> Build(const DiaryDatabase &database, const PerformedFilter &filter)
{
    std::vector<Group> groups;
    QHash<QString, int> groupOfKey;
    // Entries repeat a few spellings thousands of times: each spelling is folded only once.
    QHash<QString, int> groupOfSpelling;
    for (const auto &[dayKey, day] : DatedDays::InDateOrder(database)) {
        for (int w = 0; w < day->GetWorkoutCount(); ++w) {
            const Workout *workout = day->GetWorkout(w);
            for (int e = 0; e < workout->GetExerciseCount(); ++e) {
                const ExerciseEntry *entry = workout->GetExercise(e);
                if (!filter.Counts(entry->GetStatus()))
                    continue;
                const QString spelling = entry->GetName();
                auto found = groupOfSpelling.constFind(spelling);
                if (found == groupOfSpelling.cend()) {
                    const QString key = ExerciseName::Key(spelling);
                    int index = -1;
                    if (!key.isEmpty()) {
                        index = groupOfKey.value(key, -1);
                        if (index < 0) {
                            index = int(groups.size());
                            groups.push_back({});
                            groupOfKey.insert(key, index);
                        }
                    }
                    found = groupOfSpelling.insert(spelling, index);
                }
                if (*found < 0)
                    continue;
                Group &group = groups[size_t(*found)];
                if (group.lastKey != dayKey) {
                    ++group.trainingDays;
                    group.lastKey = dayKey;
                }
                group.name = spelling; // days come in date order: the last one wins
            }
        }
    }

    QList<ExerciseSummary> list;
    list.reserve(qsizetype(groups.size()));
    for (const Group &group : groups)
        list.append({group.name.trimmed(), group.trainingDays, StatsDate::FromKey(group.lastKey)});
    std::sort(list.begin(), list.end(), [](const ExerciseSummary &a, const ExerciseSummary &b) {
        if (a.lastDate != b.lastDate)
            return a.lastDate > b.lastDate;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return list;
}

} // namespace ExerciseCatalog
