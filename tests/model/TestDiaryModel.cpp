#include "common/TestMain.h"

#include "model/DiaryDatabase.h"
#include "model/TrainingProgram.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>
#include <limits>

namespace {

using Status = ProgressStatus;

std::unique_ptr<ExerciseEntry> MakeExercise(const QString &name, float weight = 0.0f,
                                            Status status = Status::NotYet)
{
    auto exercise = std::make_unique<ExerciseEntry>();
    exercise->SetName(name);
    exercise->SetWeight(weight);
    exercise->SetStatus(status);
    return exercise;
}

std::unique_ptr<Workout> MakeWorkout(const QString &name, const QList<Status> &statuses)
{
    auto workout = std::make_unique<Workout>();
    workout->SetName(name);
    for (const Status status : statuses)
        workout->AddExercise(
            MakeExercise(name + QString::number(workout->GetExerciseCount()), 0.0f, status));
    return workout;
}

std::unique_ptr<TrainingDay> MakeDay(const DateValue &date, const QString &notes = QString())
{
    auto day = std::make_unique<TrainingDay>();
    day->SetDate(date);
    day->SetNotes(notes);
    return day;
}

QList<Status> StatusesOf(const Workout &workout)
{
    QList<Status> statuses;
    for (int i = 0; i < workout.GetExerciseCount(); ++i)
        statuses.append(workout.GetExercise(i)->GetStatus());
    return statuses;
}

using EntrySetter = std::function<bool(ExerciseEntry &)>;
using EntryGetter = std::function<double(const ExerciseEntry &)>;

} // namespace

Q_DECLARE_METATYPE(EntrySetter)
Q_DECLARE_METATYPE(EntryGetter)

class TestDiaryModel : public QObject
{
    Q_OBJECT

private slots:
    void newEntryHasDefaultsAndRefusesFieldsUntilNamed();
    void entrySetterRanges_data();
    void entrySetterRanges();
    void weightMarksDone_data();
    void weightMarksDone();
    void statusIsStoredUnchecked();
    void workoutStatusPropagation_data();
    void workoutStatusPropagation();
    void emptyNamesAreRefused();
    void everyChangeMarksItsOwner_data();
    void everyChangeMarksItsOwner();
    void parentFlagIsSticky();
    void setModifiedCascades();
    void copyLeavesStatusesBehind();
    void workoutCopyKeepsOwnNameAndExercises();
    void entryCopyGoesThroughSetters();
    void exactCopyKeepsEverything();
    void copyFromItselfKeepsEverything();
    void findDayReturnsFirstMatch_data();
    void findDayReturnsFirstMatch();
    void dateIndexAgreesWithFindDay();
    void indexOutOfRangeThrows_data();
    void indexOutOfRangeThrows();
    void insertPositions();
    void replaceDay();
    void takeHandsOverWholeElement();
};

void TestDiaryModel::newEntryHasDefaultsAndRefusesFieldsUntilNamed()
{
    ExerciseEntry entry;
    QCOMPARE(entry.GetSets(), 1);
    QCOMPARE(entry.GetReps(), 0);
    QCOMPARE(entry.GetWeight(), 0.0f);
    QVERIFY(entry.GetName().isEmpty());
    QCOMPARE(entry.GetStatus(), Status::NotYet);
    QVERIFY(!entry.IsModified());

    QVERIFY(!entry.SetSets(5));
    QVERIFY(!entry.SetReps(5));
    QVERIFY(!entry.SetForced(5));
    QVERIFY(!entry.SetNegative(5));
    QVERIFY(!entry.SetWeight(5.0f));
    QVERIFY(!entry.SetNote(QStringLiteral("x")));
    QCOMPARE(entry.GetSets(), 1);
    QCOMPARE(entry.GetWeight(), 0.0f);
    QVERIFY(entry.GetNote().isEmpty());
    QVERIFY(!entry.IsModified());

    entry.SetStatus(Status::Failed); // the status needs no name
    QCOMPARE(entry.GetStatus(), Status::Failed);
    QVERIFY(entry.SetName(QStringLiteral("Squat")));
    QVERIFY(entry.SetSets(5));
    QCOMPARE(entry.GetSets(), 5);
}

void TestDiaryModel::entrySetterRanges_data()
{
    QTest::addColumn<EntrySetter>("set");
    QTest::addColumn<EntryGetter>("get");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("accepted");

    const auto ints = [](const char *field, bool (ExerciseEntry::*setter)(int),
                         int (ExerciseEntry::*getter)() const,
                         std::initializer_list<std::pair<int, bool>> cases) {
        for (const auto &[value, accepted] : cases) {
            QTest::addRow("%s %d", field, value)
                << EntrySetter([=](ExerciseEntry &e) { return (e.*setter)(value); })
                << EntryGetter([=](const ExerciseEntry &e) { return (e.*getter)(); })
                << double(value) << accepted;
        }
    };
    ints("sets", &ExerciseEntry::SetSets, &ExerciseEntry::GetSets,
         {{0, false}, {1, true}, {20, true}, {21, false}, {-1, false}});
    ints("reps", &ExerciseEntry::SetReps, &ExerciseEntry::GetReps,
         {{-1, false},
          {0, true},
          {200, true},
          {201, false},
          {std::numeric_limits<int>::min(), false}});
    ints("forced", &ExerciseEntry::SetForced, &ExerciseEntry::GetForced,
         {{-1, false}, {0, true}, {200, true}, {201, false}});
    ints("negative", &ExerciseEntry::SetNegative, &ExerciseEntry::GetNegative,
         {{-1, false}, {0, true}, {200, true}, {201, false}});

    const auto weightRow = [](const char *label, float value, bool accepted) {
        QTest::addRow("weight %s", label)
            << EntrySetter([=](ExerciseEntry &e) { return e.SetWeight(value); })
            << EntryGetter([](const ExerciseEntry &e) { return double(e.GetWeight()); })
            << double(value) << accepted;
    };
    weightRow("-0.01", -0.01f, false);
    weightRow("0", 0.0f, true);
    weightRow("500", 500.0f, true);
    weightRow("500.01", 500.01f, false);
    weightRow("NaN", std::numeric_limits<float>::quiet_NaN(), false);
    weightRow("infinity", std::numeric_limits<float>::infinity(), false);
}

void TestDiaryModel::entrySetterRanges()
{
    QFETCH(EntrySetter, set);
    QFETCH(EntryGetter, get);
    QFETCH(double, value);
    QFETCH(bool, accepted);

    ExerciseEntry entry;
    entry.SetName(QStringLiteral("Bench press"));
    // Start from a value different from both the default and the one tried.
    entry.SetSets(3);
    entry.SetReps(7);
    entry.SetForced(7);
    entry.SetNegative(7);
    entry.SetWeight(7.5f);
    entry.SetModified(false);
    const double before = get(entry);

    QCOMPARE(set(entry), accepted);
    QCOMPARE(get(entry), accepted ? value : before);
    QCOMPARE(entry.IsModified(), accepted);
}

void TestDiaryModel::weightMarksDone_data()
{
    QTest::addColumn<Status>("before");
    QTest::addColumn<float>("weight");
    QTest::addColumn<Status>("after");
    QTest::newRow("0 keeps Not yet") << Status::NotYet << 0.0f << Status::NotYet;
    QTest::newRow("0 keeps Failed") << Status::Failed << 0.0f << Status::Failed;
    QTest::newRow("2.5 on Not yet") << Status::NotYet << 2.5f << Status::Done;
    QTest::newRow("2.5 on Failed") << Status::Failed << 2.5f << Status::Done;
    QTest::newRow("2.5 on Done") << Status::Done << 2.5f << Status::Done;
    QTest::newRow("refused 600 keeps Not yet") << Status::NotYet << 600.0f << Status::NotYet;
}

void TestDiaryModel::weightMarksDone()
{
    QFETCH(Status, before);
    QFETCH(float, weight);
    QFETCH(Status, after);
    auto entry = MakeExercise(QStringLiteral("Row"), 0.0f, before);
    entry->SetWeight(weight);
    QCOMPARE(entry->GetStatus(), after);
}

void TestDiaryModel::statusIsStoredUnchecked()
{
    ExerciseEntry entry;
    entry.SetStatus(static_cast<Status>(7));
    QCOMPARE(static_cast<int>(entry.GetStatus()), 7);
    QVERIFY(entry.IsModified());
    QCOMPARE(StatusName(Status::NotYet), QStringLiteral("Not yet"));
    QCOMPARE(StatusName(Status::Done), QStringLiteral("Done"));
    QCOMPARE(StatusName(Status::Failed), QStringLiteral("Failed"));
}

void TestDiaryModel::workoutStatusPropagation_data()
{
    QTest::addColumn<QList<Status>>("before");
    QTest::addColumn<Status>("status");
    QTest::addColumn<bool>("propagate");
    QTest::addColumn<QList<Status>>("after");

    const QList<Status> mixed {Status::NotYet, Status::Done, Status::NotYet};
    QTest::newRow("Failed propagates to Not yet only")
        << mixed << Status::Failed << true
        << QList<Status> {Status::Failed, Status::Done, Status::Failed};
    QTest::newRow("Done propagates")
        << QList<Status> {Status::NotYet, Status::Failed} << Status::Done << true
        << QList<Status> {Status::Done, Status::Failed};
    QTest::newRow("Not yet never propagates")
        << QList<Status> {Status::Done, Status::Failed} << Status::NotYet << true
        << QList<Status> {Status::Done, Status::Failed};
    QTest::newRow("without propagation") << mixed << Status::Done << false << mixed;
}

void TestDiaryModel::workoutStatusPropagation()
{
    QFETCH(QList<Status>, before);
    QFETCH(Status, status);
    QFETCH(bool, propagate);
    QFETCH(QList<Status>, after);

    auto workout = MakeWorkout(QStringLiteral("Legs"), before);
    workout->SetModified(false);
    workout->SetStatus(status, propagate);
    QCOMPARE(workout->GetStatus(), status);
    QCOMPARE(StatusesOf(*workout), after);
    QVERIFY(workout->IsModified());
    for (int i = 0; i < workout->GetExerciseCount(); ++i)
        QCOMPARE(workout->GetExercise(i)->IsModified(), before[i] != after[i]);
}

void TestDiaryModel::emptyNamesAreRefused()
{
    Workout workout;
    QVERIFY(workout.SetName(QStringLiteral("Chest")));
    QVERIFY(!workout.SetName(QString()));
    QCOMPARE(workout.GetName(), QStringLiteral("Chest"));
    auto entry = MakeExercise(QStringLiteral("Dips"));
    QVERIFY(!entry->SetName(QString()));
    QCOMPARE(entry->GetName(), QStringLiteral("Dips"));
    QVERIFY(entry->SetNote(QString())); // an empty note is a note
}

void TestDiaryModel::everyChangeMarksItsOwner_data()
{
    using Change = std::function<bool(DiaryDatabase &)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("dayFlag");

    QTest::newRow("SetDate") << Change([](DiaryDatabase &db) {
        db.GetDay(0)->SetDate(DateValue::FromDate(2010, 1, 1));
        return true;
    }) << true;
    QTest::newRow("SetNotes") << Change([](DiaryDatabase &db) {
        db.GetDay(0)->SetNotes(QStringLiteral("tired"));
        return true;
    }) << true;
    QTest::newRow("AddWorkout") << Change([](DiaryDatabase &db) {
        return db.GetDay(0)->AddWorkout(MakeWorkout(QStringLiteral("Back"), {})) == 1;
    }) << true;
    QTest::newRow("RemoveWorkout")
        << Change([](DiaryDatabase &db) { return db.GetDay(0)->RemoveWorkout(0) == 0; }) << true;
    QTest::newRow("RemoveAllWorkouts") << Change([](DiaryDatabase &db) {
        db.GetDay(0)->RemoveAllWorkouts();
        return db.GetDay(0)->IsEmpty();
    }) << true;
    QTest::newRow("exercise reps") << Change([](DiaryDatabase &db) {
        return db.GetDay(0)->GetWorkout(0)->GetExercise(1)->SetReps(12);
    }) << true;
    QTest::newRow("RemoveExercise") << Change([](DiaryDatabase &db) {
        return db.GetDay(0)->GetWorkout(0)->RemoveExercise(0) == 1;
    }) << true;
    QTest::newRow("AddDay") << Change([](DiaryDatabase &db) {
        return db.AddDay(MakeDay(DateValue::FromDate(2010, 1, 2))) == 2;
    }) << false;
    QTest::newRow("RemoveDay") << Change([](DiaryDatabase &db) { return db.RemoveDay(1) == 1; })
                               << false;
    QTest::newRow("RemoveAllDays") << Change([](DiaryDatabase &db) {
        db.RemoveAllDays();
        return db.GetDayCount() == 0;
    }) << false;
    QTest::newRow("ReplaceDay") << Change([](DiaryDatabase &db) {
        return db.ReplaceDay(1, MakeDay(DateValue()), true);
    }) << false;
}

void TestDiaryModel::everyChangeMarksItsOwner()
{
    QFETCH(std::function<bool(DiaryDatabase &)>, change);
    QFETCH(bool, dayFlag);

    DiaryDatabase db;
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 5)));
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 6)));
    db.GetDay(0)->AddWorkout(
        MakeWorkout(QStringLiteral("Chest"), {Status::NotYet, Status::NotYet}));
    db.SetModified(false);
    QVERIFY(!db.IsModified());

    QVERIFY(change(db));
    QVERIFY(db.IsModified());
    if (dayFlag)
        QVERIFY(db.GetDay(0)->IsModified());
}

void TestDiaryModel::parentFlagIsSticky()
{
    DiaryDatabase db;
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 5)));
    db.GetDay(0)->AddWorkout(MakeWorkout(QStringLiteral("Chest"), {Status::NotYet}));
    db.SetModified(false);

    ExerciseEntry *exercise = db.GetDay(0)->GetWorkout(0)->GetExercise(0);
    QVERIFY(exercise->SetReps(12));
    QVERIFY(db.IsModified());
    // Clearing the exercise alone does not clear what its parents have already seen.
    exercise->SetModified(false);
    QVERIFY(db.IsModified());
    QVERIFY(db.GetDay(0)->IsModified());
    QVERIFY(db.GetDay(0)->GetWorkout(0)->IsModified());
}

void TestDiaryModel::setModifiedCascades()
{
    TrainingDay day;
    day.AddWorkout(MakeWorkout(QStringLiteral("Chest"), {Status::NotYet, Status::Done}));
    day.AddWorkout(MakeWorkout(QStringLiteral("Back"), {Status::NotYet}));
    day.SetModified(false);
    QVERIFY(!day.GetWorkout(0)->GetExercise(1)->IsModified());
    QVERIFY(!day.IsModified());

    day.SetModified(true);
    QVERIFY(day.GetWorkout(1)->GetExercise(0)->IsModified());
    QVERIFY(day.GetWorkout(0)->GetExercise(1)->IsModified());
}

void TestDiaryModel::copyLeavesStatusesBehind()
{
    TrainingDay source;
    source.SetDate(DateValue::FromDate(2007, 3, 5));
    source.SetNotes(QStringLiteral("Felt strong"));
    auto workout = std::make_unique<Workout>();
    workout->SetName(QStringLiteral("Chest"));
    workout->AddExercise(MakeExercise(QStringLiteral("Dips"), 0.0f, Status::Done));
    workout->AddExercise(MakeExercise(QStringLiteral("Bench press"), 40.0f, Status::Done));
    workout->SetStatus(Status::Done, false);
    source.AddWorkout(std::move(workout));

    TrainingDay copy;
    copy.AddWorkout(MakeWorkout(QStringLiteral("Old"), {Status::Failed}));
    copy.SetModified(false);
    copy.CopyFrom(source);

    QVERIFY(copy.IsModified());
    QVERIFY(copy.GetDate() == source.GetDate());
    QCOMPARE(copy.GetNotes(), QStringLiteral("Felt strong"));
    QCOMPARE(copy.GetWorkoutCount(), 1); // the old workout is gone
    const Workout *copied = copy.GetWorkout(0);
    QVERIFY(copied != source.GetWorkout(0));
    QCOMPARE(copied->GetName(), QStringLiteral("Chest"));
    QCOMPARE(copied->GetStatus(), Status::NotYet);
    QCOMPARE(StatusesOf(*copied), (QList<Status> {Status::NotYet, Status::Done}));
    QCOMPARE(copied->GetExercise(1)->GetWeight(), 40.0f);
}

void TestDiaryModel::workoutCopyKeepsOwnNameAndExercises()
{
    Workout source;
    source.AddExercise(MakeExercise(QStringLiteral("Row")));

    Workout target;
    target.SetName(QStringLiteral("Back"));
    target.AddExercise(MakeExercise(QStringLiteral("Pull-up")));
    target.SetStatus(Status::Failed, false);
    target.CopyFrom(source);

    QCOMPARE(target.GetName(), QStringLiteral("Back")); // an empty source name leaves the old one
    QCOMPARE(target.GetStatus(), Status::Failed);
    QCOMPARE(target.GetExerciseCount(), 2);
    QCOMPARE(target.GetExercise(0)->GetName(), QStringLiteral("Pull-up"));
    QCOMPARE(target.GetExercise(1)->GetName(), QStringLiteral("Row"));
}

void TestDiaryModel::entryCopyGoesThroughSetters()
{
    ExerciseEntry source;
    source.SetName(QStringLiteral("Dips"));
    source.SetSets(3);
    source.SetReps(12);
    source.SetForced(2);
    source.SetNegative(1);
    source.SetNote(QStringLiteral("slow"));
    source.SetStatus(Status::Failed);

    ExerciseEntry copy;
    copy.CopyFrom(source);
    QCOMPARE(copy.GetName(), QStringLiteral("Dips"));
    QCOMPARE(copy.GetSets(), 3);
    QCOMPARE(copy.GetReps(), 12);
    QCOMPARE(copy.GetForced(), 2);
    QCOMPARE(copy.GetNegative(), 1);
    QCOMPARE(copy.GetNote(), QStringLiteral("slow"));
    QCOMPARE(copy.GetStatus(), Status::NotYet);

    // An unnamed source cannot pass its fields on: every setter refuses before a name is set.
    ExerciseEntry unnamed;
    unnamed.SetStatus(Status::Done);
    ExerciseEntry blank;
    blank.CopyFrom(unnamed);
    QVERIFY(blank.GetName().isEmpty());
    QCOMPARE(blank.GetStatus(), Status::NotYet);
    QVERIFY(blank.IsModified());
}

void TestDiaryModel::exactCopyKeepsEverything()
{
    TrainingDay source;
    source.SetDate(DateValue::FromDate(2007, 3, 5));
    source.SetNotes(QStringLiteral("line one\nline two"));
    source.AddWorkout(MakeWorkout(QStringLiteral("Chest"), {Status::Failed, Status::NotYet}));
    source.GetWorkout(0)->SetStatus(Status::Failed, false);
    source.GetWorkout(0)->GetExercise(0)->SetWeight(55.5f);
    source.GetWorkout(0)->GetExercise(0)->SetStatus(Status::Failed);

    TrainingDay backup;
    backup.AddWorkout(MakeWorkout(QStringLiteral("Old"), {Status::Done, Status::Done}));
    backup.CopyExactFrom(source);

    QVERIFY(backup.IsModified());
    QCOMPARE(backup.GetWorkoutCount(), 1);
    QCOMPARE(backup.GetNotes(), source.GetNotes());
    const Workout *workout = backup.GetWorkout(0);
    QCOMPARE(workout->GetStatus(), Status::Failed);
    QCOMPARE(workout->GetExerciseCount(), 2);
    QCOMPARE(StatusesOf(*workout), (QList<Status> {Status::Failed, Status::NotYet}));
    QCOMPARE(workout->GetExercise(0)->GetWeight(), 55.5f);

    // A workout restored exactly loses the exercises it had.
    Workout target;
    target.AddExercise(MakeExercise(QStringLiteral("Extra")));
    target.CopyExactFrom(*source.GetWorkout(0));
    QCOMPARE(target.GetExerciseCount(), 2);
    QCOMPARE(target.GetName(), QStringLiteral("Chest"));
}

void TestDiaryModel::copyFromItselfKeepsEverything()
{
    TrainingDay day;
    day.AddWorkout(MakeWorkout(QStringLiteral("Chest"), {Status::Done}));
    day.CopyFrom(day);
    day.CopyExactFrom(day);
    QCOMPARE(day.GetWorkoutCount(), 1);
    Workout *workout = day.GetWorkout(0);
    workout->CopyFrom(*workout);
    workout->CopyExactFrom(*workout);
    QCOMPARE(workout->GetExerciseCount(), 1);
    QCOMPARE(workout->GetExercise(0)->GetStatus(), Status::Done);
}

void TestDiaryModel::findDayReturnsFirstMatch_data()
{
    QTest::addColumn<DateValue>("wanted");
    QTest::addColumn<int>("index");

    const double march5 = DateValue::FromDate(2007, 3, 5).GetValue();
    QTest::newRow("plain date") << DateValue::FromDate(2007, 3, 6) << 1;
    QTest::newRow("stored at noon") << DateValue::FromDate(2007, 3, 5) << 0;
    QTest::newRow("wanted with a time") << DateValue(march5 + 0.3) << 0;
    QTest::newRow("duplicate date gives the first") << DateValue::FromDate(2007, 3, 7) << 2;
    QTest::newRow("invalid matches the first invalid") << DateValue::MakeInvalid() << 3;
    QTest::newRow("null matches invalid too") << DateValue::MakeNull() << 3;
    QTest::newRow("missing") << DateValue::FromDate(2007, 3, 8) << -1;
}

void TestDiaryModel::findDayReturnsFirstMatch()
{
    QFETCH(DateValue, wanted);
    QFETCH(int, index);

    const double march5 = DateValue::FromDate(2007, 3, 5).GetValue();
    DiaryDatabase db;
    QCOMPARE(db.FindDayIndex(wanted), -1);
    db.AddDay(MakeDay(DateValue(march5 + 0.5)));
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 6)));
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 7), QStringLiteral("first")));
    db.AddDay(MakeDay(DateValue::FromDate(2007, 2, 30), QStringLiteral("invalid")));
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 7), QStringLiteral("second")));
    db.AddDay(MakeDay(DateValue::MakeInvalid()));

    QCOMPARE(db.FindDayIndex(wanted), index);
    TrainingDay *expected = index < 0 ? nullptr : db.GetDay(index);
    QCOMPARE(db.FindDay(wanted), expected);
    QCOMPARE(std::as_const(db).FindDay(wanted), expected);
    QCOMPARE(db.MakeDateIndex().Find(wanted), expected);
}

void TestDiaryModel::dateIndexAgreesWithFindDay()
{
    // Days in no particular order, with repeated dates, over a little more than a year.
    DiaryDatabase db;
    const DateValue start = DateValue::FromDate(2011, 12, 20);
    for (int i = 0; i < 600; ++i)
        db.AddDay(MakeDay(start + (i * 37) % 420, QString::number(i)));
    const DiaryDatabase::DateIndex index = db.MakeDateIndex();
    int found = 0;
    for (int cell = -3; cell < 430; ++cell) {
        const DateValue date = start + cell;
        QCOMPARE(index.Find(date), db.FindDay(date));
        found += index.Find(date) ? 1 : 0;
    }
    QCOMPARE(found, 420);
}

void TestDiaryModel::indexOutOfRangeThrows_data()
{
    using Call = std::function<void(DiaryDatabase &)>;
    QTest::addColumn<Call>("call");

    for (const int bad : {-1, 2}) {
        QTest::addRow("GetDay %d", bad) << Call([=](DiaryDatabase &db) { db.GetDay(bad); });
        QTest::addRow("RemoveDay %d", bad) << Call([=](DiaryDatabase &db) { db.RemoveDay(bad); });
        QTest::addRow("TakeDay %d", bad) << Call([=](DiaryDatabase &db) { db.TakeDay(bad); });
        QTest::addRow("ReplaceDay %d", bad) << Call(
            [=](DiaryDatabase &db) { db.ReplaceDay(bad, std::make_unique<TrainingDay>(), true); });
        QTest::addRow("GetWorkout %d", bad)
            << Call([=](DiaryDatabase &db) { db.GetDay(0)->GetWorkout(bad); });
        QTest::addRow("RemoveWorkout %d", bad)
            << Call([=](DiaryDatabase &db) { db.GetDay(0)->RemoveWorkout(bad); });
        QTest::addRow("GetExercise %d", bad)
            << Call([=](DiaryDatabase &db) { db.GetDay(0)->GetWorkout(0)->GetExercise(bad); });
        QTest::addRow("RemoveExercise %d", bad)
            << Call([=](DiaryDatabase &db) { db.GetDay(0)->GetWorkout(0)->RemoveExercise(bad); });
        QTest::addRow("TakeExercise %d", bad)
            << Call([=](DiaryDatabase &db) { db.GetDay(0)->GetWorkout(0)->TakeExercise(bad); });
    }
    QTest::newRow("InsertWorkout past the end") << Call(
        [](DiaryDatabase &db) { db.GetDay(0)->InsertWorkout(3, std::make_unique<Workout>()); });
    QTest::newRow("InsertExercise before 0") << Call([](DiaryDatabase &db) {
        db.GetDay(0)->GetWorkout(0)->InsertExercise(-1, std::make_unique<ExerciseEntry>());
    });
    QTest::newRow("AddDay of nothing") << Call([](DiaryDatabase &db) { db.AddDay(nullptr); });
}

void TestDiaryModel::indexOutOfRangeThrows()
{
    QFETCH(std::function<void(DiaryDatabase &)>, call);
    DiaryDatabase db;
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 5)));
    db.AddDay(MakeDay(DateValue::FromDate(2007, 3, 6)));
    db.GetDay(0)->AddWorkout(MakeWorkout(QStringLiteral("A"), {Status::NotYet, Status::NotYet}));
    db.GetDay(0)->AddWorkout(MakeWorkout(QStringLiteral("B"), {}));

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, call(db));
    // Nothing changed.
    QCOMPARE(db.GetDayCount(), 2);
    QCOMPARE(db.GetDay(0)->GetWorkoutCount(), 2);
    QCOMPARE(db.GetDay(0)->GetWorkout(0)->GetExerciseCount(), 2);
}

void TestDiaryModel::insertPositions()
{
    Workout workout;
    QCOMPARE(workout.AddExercise(MakeExercise(QStringLiteral("B"))), 0);
    QCOMPARE(workout.InsertExercise(0, MakeExercise(QStringLiteral("A"))), 2);
    QCOMPARE(workout.InsertExercise(2, MakeExercise(QStringLiteral("C"))), 3);
    QCOMPARE(workout.AddExercise(MakeExercise(QStringLiteral("D"))), 3);
    QStringList names;
    for (int i = 0; i < workout.GetExerciseCount(); ++i)
        names << workout.GetExercise(i)->GetName();
    QCOMPARE(names, (QStringList {"A", "B", "C", "D"}));

    TrainingDay day;
    QVERIFY(day.IsEmpty());
    day.SetNotes(QStringLiteral("notes do not count"));
    QVERIFY(day.IsEmpty());
    QCOMPARE(day.InsertWorkout(0, MakeWorkout(QStringLiteral("Y"), {})), 1);
    QCOMPARE(day.InsertWorkout(0, MakeWorkout(QStringLiteral("X"), {})), 2);
    QCOMPARE(day.GetWorkout(0)->GetName(), QStringLiteral("X"));
    QVERIFY(!day.IsEmpty());
}

void TestDiaryModel::replaceDay()
{
    TrainingProgram program;
    program.AddDay(MakeDay(DateValue(), QStringLiteral("day 1")));
    program.AddDay(MakeDay(DateValue(), QStringLiteral("day 2")));
    program.SetModified(false);

    // Swap the two days the way the program editor does.
    std::unique_ptr<TrainingDay> first;
    QVERIFY(program.ReplaceDay(0, program.TakeDay(1), false, &first));
    QCOMPARE(program.GetDayCount(), 1);
    QCOMPARE(first->GetNotes(), QStringLiteral("day 1"));
    program.AddDay(std::move(first));
    QCOMPARE(program.GetDay(0)->GetNotes(), QStringLiteral("day 2"));
    QCOMPARE(program.GetDay(1)->GetNotes(), QStringLiteral("day 1"));
    QVERIFY(program.IsModified());

    program.SetModified(false);
    QVERIFY(!program.ReplaceDay(1, nullptr, true));
    QCOMPARE(program.GetDay(1)->GetNotes(), QStringLiteral("day 1"));
    QVERIFY(!program.IsModified());

    std::unique_ptr<TrainingDay> untouched;
    QVERIFY(program.ReplaceDay(1, MakeDay(DateValue(), QStringLiteral("new")), true, &untouched));
    QVERIFY(!untouched); // deleted, not handed back
    QCOMPARE(program.GetDay(1)->GetNotes(), QStringLiteral("new"));
}

void TestDiaryModel::takeHandsOverWholeElement()
{
    TrainingDay day;
    day.AddWorkout(MakeWorkout(QStringLiteral("Chest"), {Status::Failed}));
    day.AddWorkout(MakeWorkout(QStringLiteral("Back"), {}));
    day.GetWorkout(0)->SetStatus(Status::Failed, false);
    day.SetModified(false);

    std::unique_ptr<Workout> moved = day.TakeWorkout(0);
    QVERIFY(day.IsModified());
    QCOMPARE(day.GetWorkoutCount(), 1);
    QCOMPARE(moved->GetStatus(), Status::Failed);
    std::unique_ptr<ExerciseEntry> exercise = moved->TakeExercise(0);
    QCOMPARE(exercise->GetStatus(), Status::Failed);
    QVERIFY(moved->IsEmpty());
    moved->AddExercise(std::move(exercise));
    QCOMPARE(day.InsertWorkout(1, std::move(moved)), 2);
    QCOMPARE(day.GetWorkout(1)->GetName(), QStringLiteral("Chest"));
    QCOMPARE(day.GetWorkout(1)->GetExercise(0)->GetStatus(), Status::Failed);
}

REPBOOK_TEST_MAIN_CORE(TestDiaryModel)
#include "TestDiaryModel.moc"
