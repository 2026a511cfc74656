#pragma once

#include "exchange/ImportedData.h"
#include "model/WeightUnit.h"

#include <QList>
#include <QString>
#include <QStringList>

// Adds what a file held to a diary without replacing anything. Each day of the file joins the
// diary's first day of its date when the diary had one, and becomes a new day otherwise; a
// workout whose date, name and exercises the diary already holds is recognised and left out, so
// importing a file twice adds nothing. Days of the file that share a date stay apart, so that a
// diary exported and imported into an empty one comes back the same.
namespace DiaryImport {

// What one day of the file brings.
struct DayPlan
{
    DateValue date;
    bool newDay = false; // the diary has no day of that date
    int workoutsAdded = 0;
    int exercisesAdded = 0;
    int workoutsKnown = 0; // already in the diary: skipped
    QStringList workoutNames; // of the workouts added
    const TrainingDay *source = nullptr; // the file's day, held by Plan::source
    QList<int> addedWorkouts; // indexes of the workouts added into source
};

struct Plan
{
    QString formatName;
    std::shared_ptr<const DiaryDatabase> source;
    QList<DayPlan> days; // one per day of the file, in its order
    QList<SkippedRow> skipped;
    bool pounds = false; // the file gave its weights in pounds

    int WorkoutsAdded() const;
    int ExercisesAdded() const;
    int WorkoutsKnown() const;
    int DaysAdded() const;
    // True when applying it would change nothing.
    bool AddsNothing() const;
};

Plan MakePlan(const ImportedData &data, const DiaryDatabase &diary);

// What applying a plan changed, and the names the name lists should learn.
struct Added
{
    int days = 0;
    int workouts = 0;
    int exercises = 0;
    QStringList workoutNames;
    QStringList exerciseNames;
    // The dates that received something; invalid when nothing was added.
    DateValue first = DateValue::MakeInvalid();
    DateValue last = DateValue::MakeInvalid();
};

// Adds the plan's days and workouts to diary as it is now (the decisions are taken again, so a
// diary changed since the plan was made is never doubled).
Added Apply(const Plan &plan, DiaryDatabase &diary);
// Appends the new names to the two name list files.
void RememberNames(const Added &added, const QString &workoutListPath,
                   const QString &exerciseListPath);

// A workout's entries as a preview lists them, weights in the unit: "Push: Bench Press 3 x 5 x
// 102.06 kg (225 lb), Dips 3 x 10", with the file's pounds beside kilograms when pounds is set.
QString WorkoutText(const Workout &workout, bool pounds, WeightUnit unit);
// The same entries one by one: "Bench Press 3 x 5 x 102.06 kg (225 lb)".
QStringList EntryTexts(const Workout &workout, bool pounds, WeightUnit unit);

// "2025-01-04 to 2025-03-01", or the one date; empty when first is invalid.
QString DatesText(const DateValue &first, const DateValue &last);
// The plan's totals in one line, with the dates it adds to.
QString PlanTotals(const Plan &plan);
// What was added, for a message after the import: "Added 1 workout with 2 exercises (1 new
// day), 2025-03-01."
QString AddedText(const Added &added);
// The plan as lines of text: the totals, with eachDate one line per date, then the skipped rows.
QStringList SummaryLines(const Plan &plan, bool eachDate);

} // namespace DiaryImport
