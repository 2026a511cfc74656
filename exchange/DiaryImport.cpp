#include "exchange/DiaryImport.h"

#include "exchange/ExchangeFields.h"
#include "model/DatabaseWriter.h"
#include "model/NameList.h"
#include "model/NumberText.h"

#include <QCoreApplication>
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

void Widen(DateValue &first, DateValue &last, const DateValue &date)
{
    if (!date.IsValid() || date.GetYear() < 0)
        return;
    if (!first.IsValid() || date < first)
        first = date;
    if (!last.IsValid() || date > last)
        last = date;
}

QString EntryText(const ExerciseEntry &entry, bool pounds, WeightUnit unit)
{
    QString text = QStringLiteral("%1 %2 \u00d7 %3")
                       .arg(entry.GetName())
                       .arg(entry.GetSets())
                       .arg(entry.GetReps());
    if (entry.GetWeight() <= 0.0f)
        return text;
    text +=
        QStringLiteral(" \u00d7 %1 %2").arg(unit.Compact(entry.GetWeight()), unit.ShownSymbol());
    const WeightUnit filePounds(WeightUnit::Pounds);
    if (pounds && unit != filePounds)
        text += QStringLiteral(" (%1 %2)")
                    .arg(filePounds.Compact(entry.GetWeight()), filePounds.ShownSymbol());
    return text;
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
    plan.pounds = data.pounds;
    for (const Decision &decision : Decide(*data.days, diary)) {
        DayPlan day;
        day.date = decision.source->GetDate();
        day.newDay = decision.target == nullptr;
        day.workoutsKnown = decision.known;
        day.workoutsAdded = int(decision.newWorkouts.size());
        day.source = decision.source;
        day.addedWorkouts = decision.newWorkouts;
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
        if (!decision.target || !decision.newWorkouts.isEmpty())
            Widen(added.first, added.last, decision.source->GetDate());
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

QStringList EntryTexts(const Workout &workout, bool pounds, WeightUnit unit)
{
    QStringList entries;
    for (int e = 0; e < workout.GetExerciseCount(); ++e)
        entries.append(EntryText(*workout.GetExercise(e), pounds, unit));
    return entries;
}

QString WorkoutText(const Workout &workout, bool pounds, WeightUnit unit)
{
    const QString list = EntryTexts(workout, pounds, unit).join(QStringLiteral(", "));
    if (workout.GetName().isEmpty())
        return list;
    return list.isEmpty() ? workout.GetName() : workout.GetName() + QStringLiteral(": ") + list;
}

QString DatesText(const DateValue &first, const DateValue &last)
{
    if (!first.IsValid())
        return QString();
    if (!last.IsValid() || last == first)
        return ExchangeFields::DateText(first);
    return QCoreApplication::translate("DiaryImport", "%1 to %2")
        .arg(ExchangeFields::DateText(first), ExchangeFields::DateText(last));
}

QString PlanTotals(const Plan &plan)
{
    DateValue first = DateValue::MakeInvalid();
    DateValue last = DateValue::MakeInvalid();
    for (const DayPlan &day : plan.days) {
        if (day.newDay || day.workoutsAdded > 0)
            Widen(first, last, day.date);
    }
    const QString dates = DatesText(first, last);
    return QCoreApplication::translate(
               "DiaryImport", "%1: %2 with %3 to add (%4)%5; %6 already in the diary; %7 skipped.")
        .arg(plan.formatName,
             CountText(plan.WorkoutsAdded(), QT_TRANSLATE_N_NOOP("CountText", "%n workout(s)"),
                       QStringLiteral("workout")),
             CountText(plan.ExercisesAdded(), QT_TRANSLATE_N_NOOP("CountText", "%n exercise(s)"),
                       QStringLiteral("exercise")),
             CountText(plan.DaysAdded(), QT_TRANSLATE_N_NOOP("CountText", "%n new day(s)"),
                       QStringLiteral("new day")),
             dates.isEmpty() ? QString() : QStringLiteral(", ") + dates,
             CountText(plan.WorkoutsKnown(), QT_TRANSLATE_N_NOOP("CountText", "%n workout(s)"),
                       QStringLiteral("workout")),
             CountText(plan.skipped.size(), QT_TRANSLATE_N_NOOP("CountText", "%n row(s)"),
                       QStringLiteral("row")));
}

QString AddedText(const Added &added)
{
    const QString dates = DatesText(added.first, added.last);
    return QCoreApplication::translate("DiaryImport", "Added %1 with %2 (%3)%4.")
        .arg(CountText(added.workouts, QT_TRANSLATE_N_NOOP("CountText", "%n workout(s)"),
                       QStringLiteral("workout")),
             CountText(added.exercises, QT_TRANSLATE_N_NOOP("CountText", "%n exercise(s)"),
                       QStringLiteral("exercise")),
             CountText(added.days, QT_TRANSLATE_N_NOOP("CountText", "%n new day(s)"),
                       QStringLiteral("new day")),
             dates.isEmpty() ? QString() : QStringLiteral(", ") + dates);
}

QStringList SummaryLines(const Plan &plan, bool eachDate)
{
    QStringList lines {PlanTotals(plan)};
    for (const DayPlan &day : plan.days) {
        if (!eachDate)
            break;
        QString date = ExchangeFields::DateText(day.date);
        if (date.isEmpty())
            date = QCoreApplication::translate("DiaryImport", "(no date)");
        lines.append(
            (day.newDay
                 ? QCoreApplication::translate("DiaryImport",
                                               "%1  new day, %2, %3; %4 already there")
                 : QCoreApplication::translate("DiaryImport", "%1  adds %2, %3; %4 already there"))
                .arg(date,
                     CountText(day.workoutsAdded, QT_TRANSLATE_N_NOOP("CountText", "%n workout(s)"),
                               QStringLiteral("workout")),
                     CountText(day.exercisesAdded,
                               QT_TRANSLATE_N_NOOP("CountText", "%n exercise(s)"),
                               QStringLiteral("exercise")))
                .arg(day.workoutsKnown));
    }
    for (const SkippedRow &row : plan.skipped)
        lines.append(QCoreApplication::translate("DiaryImport", "line %1 skipped: %2")
                         .arg(row.line)
                         .arg(row.reason));
    return lines;
}

} // namespace DiaryImport
