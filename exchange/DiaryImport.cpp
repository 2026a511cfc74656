#include "exchange/DiaryImport.h"

#include "exchange/ExchangeFields.h"
#include "model/DatabaseWriter.h"
#include "model/NameList.h"

#include <QHash>
#include <QSet>

namespace DiaryImport {

namespace {

// What a workout is recognised by: its name and its exercises' names, counts and weights.
QByteArray Signature(const Workout &workout)
{
    QByteArray signature = workout.GetName().toUtf8();
    for (int e = 0; e < workout.GetExerciseCount(); ++e) {
        const ExerciseEntry &entry = *workout.GetExercise(e);
        signature += '\n' + entry.GetName().toUtf8() + '|' + QByteArray::number(entry.GetSets()) +
            '|' + QByteArray::number(entry.GetReps()) + '|' +
            QByteArray::number(entry.GetForced()) + '|' + QByteArray::number(entry.GetNegative()) +
            '|' + DatabaseWriter::WeightText(entry.GetWeight());
    }
    return signature;
}

struct Decision
{
    const TrainingDay *source = nullptr;
    TrainingDay *target = nullptr; // null: a new day
    QList<int> newWorkouts; // indexes into the source day
    int known = 0;
};

// Decides, for every day of source, what it adds to diary as the diary is now.
QList<Decision> Decide(const DiaryDatabase &source, const DiaryDatabase &diary)
{
    QSet<qint64> wanted;
    for (int d = 0; d < source.GetDayCount(); ++d)
        wanted.insert(source.GetDay(d)->GetDate().DayKey());
    // The diary's days of those dates: the first one, and every workout any of them holds.
    QHash<qint64, TrainingDay *> firstDay;
    QHash<qint64, QSet<QByteArray>> present;
    for (int d = 0; d < diary.GetDayCount(); ++d) {
        const TrainingDay *day = diary.GetDay(d);
        const qint64 key = day->GetDate().DayKey();
        if (!wanted.contains(key))
            continue;
        if (!firstDay.contains(key))
            firstDay.insert(key, const_cast<TrainingDay *>(day));
        QSet<QByteArray> &signatures = present[key];
        for (int w = 0; w < day->GetWorkoutCount(); ++w)
            signatures.insert(Signature(*day->GetWorkout(w)));
    }

    QList<Decision> decisions;
    decisions.reserve(source.GetDayCount());
    for (int d = 0; d < source.GetDayCount(); ++d) {
        Decision decision;
        decision.source = source.GetDay(d);
        const qint64 key = decision.source->GetDate().DayKey();
        decision.target = firstDay.value(key, nullptr);
        const QSet<QByteArray> signatures = present.value(key);
        for (int w = 0; w < decision.source->GetWorkoutCount(); ++w) {
            if (decision.target && signatures.contains(Signature(*decision.source->GetWorkout(w))))
                ++decision.known;
            else
                decision.newWorkouts.append(w);
        }
        decisions.append(decision);
    }
    return decisions;
}

void AddName(QStringList &names, const QString &name)
{
    if (!name.isEmpty() && !names.contains(name))
        names.append(name);
}

} // namespace

int Plan::WorkoutsAdded() const
{
    int count = 0;
    for (const DayPlan &day : days)
        count += day.workoutsAdded;
    return count;
}

int Plan::ExercisesAdded() const
{
    int count = 0;
    for (const DayPlan &day : days)
        count += day.exercisesAdded;
    return count;
}

int Plan::WorkoutsKnown() const
{
    int count = 0;
    for (const DayPlan &day : days)
        count += day.workoutsKnown;
    return count;
}

int Plan::DaysAdded() const
{
    return int(
        std::count_if(days.cbegin(), days.cend(), [](const DayPlan &day) { return day.newDay; }));
}

bool Plan::AddsNothing() const
{
    return DaysAdded() == 0 && WorkoutsAdded() == 0;
}

Plan MakePlan(const ImportedData &data, const DiaryDatabase &diary)
{
    Plan plan;
    plan.formatName = data.formatName;
    plan.source = data.days;
    plan.skipped = data.skipped;
    for (const Decision &decision : Decide(*data.days, diary)) {
        DayPlan day;
        day.date = decision.source->GetDate();
        day.newDay = decision.target == nullptr;
        day.workoutsKnown = decision.known;
        day.workoutsAdded = int(decision.newWorkouts.size());
        for (const int w : decision.newWorkouts) {
            day.exercisesAdded += decision.source->GetWorkout(w)->GetExerciseCount();
            day.workoutNames.append(decision.source->GetWorkout(w)->GetName());
        }
        plan.days.append(day);
    }
    return plan;
}

Added Apply(const Plan &plan, DiaryDatabase &diary)
{
    Added added;
    if (!plan.source)
        return added;
    const auto remember = [&added](const Workout &workout) {
        AddName(added.workoutNames, workout.GetName());
        for (int e = 0; e < workout.GetExerciseCount(); ++e)
            AddName(added.exerciseNames, workout.GetExercise(e)->GetName());
        ++added.workouts;
        added.exercises += workout.GetExerciseCount();
    };
    for (const Decision &decision : Decide(*plan.source, diary)) {
        if (!decision.target) {
            auto day = std::make_unique<TrainingDay>();
            day->CopyExactFrom(*decision.source);
            for (int w = 0; w < day->GetWorkoutCount(); ++w)
                remember(*day->GetWorkout(w));
            diary.AddDay(std::move(day));
            ++added.days;
            continue;
        }
        if (decision.target->GetNotes().isEmpty() && !decision.source->GetNotes().isEmpty())
            decision.target->SetNotes(decision.source->GetNotes());
        for (const int w : decision.newWorkouts) {
            auto workout = std::make_unique<Workout>();
            workout->CopyExactFrom(*decision.source->GetWorkout(w));
            remember(*workout);
            decision.target->AddWorkout(std::move(workout));
        }
    }
    return added;
}

void RememberNames(const Added &added, const QString &workoutListPath,
                   const QString &exerciseListPath)
{
    NameList workouts(workoutListPath);
    for (const QString &name : added.workoutNames)
        workouts.Append(name);
    NameList exercises(exerciseListPath);
    for (const QString &name : added.exerciseNames)
        exercises.Append(name);
}

QStringList SummaryLines(const Plan &plan)
{
    QStringList lines;
    lines.append(QStringLiteral("%1: %2 workouts with %3 exercises to add (%4 new days); %5 "
                                "workouts already in the diary; %6 rows skipped.")
                     .arg(plan.formatName)
                     .arg(plan.WorkoutsAdded())
                     .arg(plan.ExercisesAdded())
                     .arg(plan.DaysAdded())
                     .arg(plan.WorkoutsKnown())
                     .arg(plan.skipped.size()));
    for (const DayPlan &day : plan.days) {
        QString date = ExchangeFields::DateText(day.date);
        if (date.isEmpty())
            date = QStringLiteral("(no date)");
        lines.append(QStringLiteral("%1  %2 %3 workouts, %4 exercises; %5 already there")
                         .arg(date)
                         .arg(day.newDay ? QStringLiteral("new day,") : QStringLiteral("adds"))
                         .arg(day.workoutsAdded)
                         .arg(day.exercisesAdded)
                         .arg(day.workoutsKnown));
    }
    for (const SkippedRow &row : plan.skipped)
        lines.append(QStringLiteral("line %1 skipped: %2").arg(row.line).arg(row.reason));
    return lines;
}

} // namespace DiaryImport
