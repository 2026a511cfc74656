#include "common/DiaryText.h"
#include "common/TestMain.h"
#include "model/DatabaseWriter.h"
#include "model/DateValue.h"
#include "model/DiaryDatabase.h"
#include "model/WeightUnit.h"

#include <functional>
#include <limits>

namespace {

using Status = ProgressStatus;

// A day of the diary notation whose own flag is cleared, as a loaded one is.
std::unique_ptr<TrainingDay> CleanDay(const QString &text)
{
    auto day = testsupport::BuildDay(text);
    day->SetModified(false);
    return day;
}

// An exercise whose own flag is cleared: only its new workout's flag can tell it was added.
std::unique_ptr<ExerciseEntry> CleanExercise()
{
    auto exercise = std::make_unique<ExerciseEntry>();
    exercise->SetName(QStringLiteral("Dips"));
    exercise->SetModified(false);
    return exercise;
}

using EntrySetter = std::function<bool(ExerciseEntry &)>;
using EntryGetter = std::function<double(const ExerciseEntry &)>;

} // namespace

Q_DECLARE_METATYPE(EntrySetter)
Q_DECLARE_METATYPE(EntryGetter)

// The diary's values: dates and entries, the values they take, the flags their changes set, and
// what they share.
class TestDiaryModel : public QObject
{
    Q_OBJECT

private slots:
    // ---- Dates ----------------------------------------------------------------------------------

    void setDate_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("valid");

        QTest::newRow("5.3.2007") << 2007 << 3 << 5 << true;
        QTest::newRow("29.2.2007 not a leap year") << 2007 << 2 << 29 << false;
        QTest::newRow("29.2.2008 leap year") << 2008 << 2 << 29 << true;
        QTest::newRow("29.2.1900 century") << 1900 << 2 << 29 << false;
        QTest::newRow("29.2.2000 fourth century") << 2000 << 2 << 29 << true;
        QTest::newRow("31 April") << 2007 << 4 << 31 << false;
        QTest::newRow("month 0") << 2007 << 0 << 1 << false;
        QTest::newRow("month 13") << 2007 << 13 << 1 << false;
        QTest::newRow("day 0") << 2007 << 1 << 0 << false;
        QTest::newRow("day 32") << 2007 << 1 << 32 << false;
        QTest::newRow("year 99") << 99 << 12 << 31 << false;
        QTest::newRow("year 100") << 100 << 1 << 1 << true;
        QTest::newRow("year 9999") << 9999 << 12 << 31 << true;
        QTest::newRow("year 10000") << 10000 << 1 << 1 << false;
        QTest::newRow("day -1") << 2007 << 1 << -1 << false;
        QTest::newRow("year wraps at 16 bits") << 65536 + 2007 << 3 << 5 << false;
        QTest::newRow("day 30.12.1899") << 1899 << 12 << 30 << true;
    }

    void setDate()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, valid);

        DateValue date = DateValue::FromDate(2001, 1, 1);
        QCOMPARE(date.SetDate(year, month, day), valid);
        QCOMPARE(date.GetStatus(), valid ? DateValue::Valid : DateValue::Invalid);
        const QList<int> fields {date.GetYear(), date.GetMonth(), date.GetDay()};
        QCOMPARE(fields, (valid ? QList<int> {year, month, day} : QList<int> {-1, -1, -1}));
        QCOMPARE(DateValue::FromDate(year, month, day).IsValid(), valid);
        if (valid) {
            // The day count agrees with the calendar's own reckoning from 30.12.1899.
            QCOMPARE(date.GetValue(), double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))));
        }
    }

    void addDays_data()
    {
        QTest::addColumn<DateValue>("start");
        QTest::addColumn<qint64>("days");
        QTest::addColumn<DateValue>("expected");

        const auto row = [](const char *name, DateValue start, qint64 days, DateValue expected) {
            QTest::newRow(name) << start << days << expected;
        };
        const auto date = &DateValue::FromDate;
        row("next day", date(2007, 3, 5), 1, date(2007, 3, 6));
        row("across leap day", date(2008, 2, 28), 2, date(2008, 3, 1));
        row("back a year", date(2008, 3, 1), -366, date(2007, 3, 1));
        row("across origin", date(1900, 1, 1), -5, date(1899, 12, 27));
        row("past 9999", date(9999, 12, 31), 1, DateValue::MakeInvalid());
        row("before 100", date(100, 1, 1), -1, DateValue::MakeInvalid());
        row("huge count", date(2007, 3, 5), std::numeric_limits<qint64>::max(),
            DateValue::MakeInvalid());
        row("null stays null", DateValue::MakeNull(), 3, DateValue::MakeNull());
        row("invalid stays invalid", DateValue::MakeInvalid(), 3, DateValue::MakeInvalid());
    }

    void addDays()
    {
        QFETCH(DateValue, start);
        QFETCH(qint64, days);
        QFETCH(DateValue, expected);

        const DateValue later = start.AddDays(days);
        QCOMPARE(later.GetStatus(), expected.GetStatus());
        QVERIFY(later == expected);
        QVERIFY((start + days) == expected);
        if (days != std::numeric_limits<qint64>::max())
            QVERIFY((start - (-days)) == expected);
    }

    // A stored value as a date and time, a weekday (Monday 0) and a distance in days; values
    // outside the years 100 to 9999, and invalid or null ones, have none of them.
    void conversions_data()
    {
        QTest::addColumn<DateValue>("value");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<int>("weekday");
        const auto at = [](int y, int m, int d, int h = 0, int min = 0, int sec = 0) {
            return QDateTime(QDate(y, m, d), QTime(h, min, sec));
        };
        QTest::newRow("origin") << DateValue(0.0) << at(1899, 12, 30) << 5;
        QTest::newRow("evening") << DateValue(39146.75) << at(2007, 3, 5, 18) << 0;
        QTest::newRow("before 0: time forward") << DateValue(-1.25) << at(1899, 12, 29, 6) << 4;
        QTest::newRow("first day") << DateValue(-657434.0) << at(100, 1, 1) << 4;
        QTest::newRow("last minute") << DateValue(2958465.999) << at(9999, 12, 31, 23, 58, 34) << 4;
        QTest::newRow("after 9999") << DateValue(2958466.0) << QDateTime() << -1;
        QTest::newRow("before 100") << DateValue(-657435.0) << QDateTime() << -1;
        QTest::newRow("not a number") << DateValue(std::nan("")) << QDateTime() << -1;
        QTest::newRow("invalid") << DateValue(39146.0, DateValue::Invalid) << QDateTime() << -1;
        QTest::newRow("null") << DateValue::MakeNull() << QDateTime() << -1;
    }

    void conversions()
    {
        QFETCH(DateValue, value);
        QFETCH(QDateTime, moment);
        QFETCH(int, weekday);
        QCOMPARE(value.ToQDateTime(), moment);
        QCOMPARE(value.ToQDate(), moment.date());
        QCOMPARE(value.GetDayOfWeekIndex(), weekday);
        const DateValue reference = DateValue::FromDate(2007, 3, 5);
        const qint64 days = moment.isValid() ? QDate(2007, 3, 5).daysTo(moment.date()) : 0;
        QCOMPARE(reference.DaysTo(value), days);
        QCOMPARE(value.DaysTo(reference), -days);
        // Back from the date and time: the same value, to the second.
        const DateValue back = DateValue::FromQDateTime(moment);
        QCOMPARE(back.IsValid(), moment.isValid());
        QCOMPARE(back.ToQDateTime(), moment);
        QCOMPARE(DateValue::FromQDate(moment.date()).ToQDate(), moment.date());
    }

    // ---- Entries: the values they take, the flags their changes set, what they share -----

    // Counts and weights outside their ranges are refused and leave the entry as it was; nothing is
    // taken before the entry has a name, and an empty name is refused.
    void entryRanges_data()
    {
        QTest::addColumn<EntrySetter>("set");
        QTest::addColumn<EntryGetter>("get");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("accepted");
        // low, high: the lowest and highest accepted values
        const auto ints = [](const char *field, bool (ExerciseEntry::*setter)(int),
                             int (ExerciseEntry::*getter)() const, int low, int high) {
            for (const auto &[value, accepted] :
                 {std::pair {low - 1, false}, {low, true}, {high, true}, {high + 1, false}}) {
                QTest::addRow("%s %d", field, value)
                    << EntrySetter([=](ExerciseEntry &e) { return (e.*setter)(value); })
                    << EntryGetter([=](const ExerciseEntry &e) { return (e.*getter)(); })
                    << double(value) << accepted;
            }
        };
        ints("sets", &ExerciseEntry::SetSets, &ExerciseEntry::GetSets, 1, 20);
        ints("reps", &ExerciseEntry::SetReps, &ExerciseEntry::GetReps, 0, 200);
        ints("forced", &ExerciseEntry::SetForced, &ExerciseEntry::GetForced, 0, 200);
        ints("negative", &ExerciseEntry::SetNegative, &ExerciseEntry::GetNegative, 0, 200);
        for (const auto &[value, accepted] : {std::pair {-0.01f, false},
                                              {0.0f, true},
                                              {500.0f, true},
                                              {500.01f, false},
                                              {std::numeric_limits<float>::quiet_NaN(), false}}) {
            QTest::addRow("weight %g", double(value))
                << EntrySetter([=](ExerciseEntry &e) { return e.SetWeight(value); })
                << EntryGetter([](const ExerciseEntry &e) { return double(e.GetWeight()); })
                << double(value) << accepted;
        }
    }
    void entryRanges()
    {
        QFETCH(EntrySetter, set);
        QFETCH(EntryGetter, get);
        QFETCH(double, value);
        QFETCH(bool, accepted);

        ExerciseEntry entry; // an entry without a name takes nothing, a note neither
        QVERIFY(!set(entry) && !entry.SetNote(QStringLiteral("x")));
        QVERIFY(!entry.SetNote(ExerciseEntry::Note(QStringLiteral("x"))) &&
                entry.GetNote().isEmpty());
        QVERIFY(!entry.SetName(QString()));
        QVERIFY(entry.SetName(QStringLiteral("Bench press")));
        for (const auto &start : {entry.SetSets(3), entry.SetReps(7), entry.SetForced(7),
                                  entry.SetNegative(7), entry.SetWeight(7.5f)})
            QVERIFY(start);
        entry.SetModified(false);
        const double before = get(entry);
        QCOMPARE(set(entry), accepted);
        QCOMPARE(get(entry), accepted ? value : before);
        QCOMPARE(entry.IsModified(), accepted);
    }
    void workoutStatusPropagation_data()
    {
        // The exercises before and after, in the diary notation.
        QTest::addColumn<QString>("before");
        QTest::addColumn<Status>("status");
        QTest::addColumn<bool>("propagate");
        QTest::addColumn<QString>("after");
        QTest::newRow("Failed propagates to Not yet only")
            << "a, b done, c" << Status::Failed << true << "a failed, b done, c failed";
        QTest::newRow("Done propagates")
            << "a, b failed" << Status::Done << true << "a done, b failed";
        QTest::newRow("Not yet never propagates")
            << "a done, b failed" << Status::NotYet << true << "a done, b failed";
        QTest::newRow("without propagation")
            << "a, b done, c" << Status::Done << false << "a, b done, c";
    }
    void workoutStatusPropagation()
    {
        QFETCH(QString, before);
        QFETCH(Status, status);
        QFETCH(bool, propagate);
        QFETCH(QString, after);

        auto workout = testsupport::BuildWorkout(QStringLiteral("Legs[%1]").arg(before));
        const auto original = testsupport::BuildWorkout(QStringLiteral("Legs[%1]").arg(before));
        const auto expected = testsupport::BuildWorkout(QStringLiteral("Legs[%1]").arg(after));
        workout->SetModified(false);
        workout->SetStatus(status, propagate);
        QCOMPARE(workout->GetStatus(), status);
        QVERIFY(workout->IsModified());
        for (int i = 0; i < workout->GetExerciseCount(); ++i) {
            const Status wanted = expected->GetExercise(i)->GetStatus();
            QCOMPARE(workout->GetExercise(i)->GetStatus(), wanted);
            QCOMPARE(workout->GetExercise(i)->IsModified(),
                     original->GetExercise(i)->GetStatus() != wanted);
        }
    }
    void everyChangeMarksItsOwner_data()
    {
        using Change = std::function<bool(DiaryDatabase &)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("dayFlag");
        // A change of the first day, or of what it holds, marks the day too; the days added carry
        // no flag of their own, so only the container's flag tells.
        const auto row = [](const char *name, bool dayFlag, Change change) {
            QTest::newRow(name) << change << dayFlag;
        };
        const auto day = [&row](const char *name, std::function<bool(TrainingDay &)> change) {
            row(name, true, [=](DiaryDatabase &db) { return change(*db.GetDay(0)); });
        };
        const auto workout = [&day](const char *name, std::function<bool(Workout &)> change) {
            day(name, [=](TrainingDay &d) { return change(*d.GetWorkout(0)); });
        };
        day("SetDate", [](auto &d) { return d.SetDate(DateValue::FromDate(2010, 1, 1)), true; });
        day("SetNotes", [](auto &d) { return d.SetNotes(QStringLiteral("tired")), true; });
        day("AddWorkout", [](auto &d) {
            return d.AddWorkout(testsupport::BuildWorkout(QStringLiteral("Back"))) == 1;
        });
        day("InsertWorkout", [](auto &d) {
            auto workout = testsupport::BuildWorkout(QStringLiteral("Back"));
            workout->SetModified(false); // only the day's own flag can tell
            return d.InsertWorkout(0, std::move(workout)) == 2;
        });
        day("RemoveWorkout", [](auto &d) { return d.RemoveWorkout(0) == 0; });
        day("TakeWorkout", [](auto &d) { return d.TakeWorkout(0) != nullptr; });
        day("RemoveAllWorkouts", [](auto &d) { return d.RemoveAllWorkouts(), d.IsEmpty(); });
        workout("exercise reps", [](auto &w) { return w.GetExercise(1)->SetReps(12); });
        workout("exercise note",
                [](auto &w) { return w.GetExercise(1)->SetNote(QStringLiteral("slow")); });
        workout("renamed, not to nothing",
                [](auto &w) { return !w.SetName(QString()) && w.SetName(QStringLiteral("Push")); });
        workout("AddExercise", [](auto &w) { return w.AddExercise(CleanExercise()) == 2; });
        workout("InsertExercise",
                [](auto &w) { return w.InsertExercise(0, CleanExercise()) == 3; });
        workout("RemoveExercise", [](auto &w) { return w.RemoveExercise(0) == 1; });
        workout("TakeExercise", [](auto &w) { return w.TakeExercise(0) != nullptr; });
        workout("RemoveAllExercises", [](auto &w) { return w.RemoveAllExercises(), true; });
        workout("exercise copied onto itself", [](auto &w) {
            ExerciseEntry *exercise = w.GetExercise(0);
            return exercise->CopyFrom(*exercise), exercise->IsModified();
        });
        row("AddDay", false,
            [](auto &db) { return db.AddDay(CleanDay(QStringLiteral("2.1.2010"))) == 2; });
        row("InsertDay", false,
            [](auto &db) { return db.InsertDay(0, CleanDay(QStringLiteral("2.1.2010"))) == 0; });
        row("RemoveDay", false, [](auto &db) { return db.RemoveDay(1) == 1; });
        row("RemoveAllDays", false,
            [](auto &db) { return db.RemoveAllDays(), db.GetDayCount() == 0; });
        row("ReplaceDay, after a refused empty one", false, [](auto &db) {
            return !db.ReplaceDay(1, nullptr, true) && !db.IsModified() &&
                db.ReplaceDay(1, CleanDay(QStringLiteral("-")), true);
        });
    }
    void everyChangeMarksItsOwner()
    {
        QFETCH(std::function<bool(DiaryDatabase &)>, change);
        QFETCH(bool, dayFlag);

        DiaryDatabase db;
        QVERIFY(testsupport::BuildDiary(
            db, QStringLiteral("5.3.2007 Chest[Chest0, Chest1]; 6.3.2007")));
        db.SetModified(false);
        QVERIFY(!db.IsModified());

        QVERIFY(change(db));
        QVERIFY(db.IsModified());
        if (dayFlag)
            QVERIFY(db.GetDay(0)->IsModified());
    }
    // Notes and statuses other than the three named ones are kept apart from the entry; whatever
    // the order of changes, the entry and its copies read back the last values set. A weight above
    // 0 marks the exercise Done.
    void notesAndUnnamedStatuses_data()
    {
        // In turn (separated by blanks): "n" + note, "m" + note given as a Note shared with another
        // entry, "s" + status, "w" + weight
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("status");

        const auto row = [](const char *name, const char *changes, const char *note, int status) {
            QTest::newRow(name) << QString::fromLatin1(changes).split(u' ', Qt::SkipEmptyParts)
                                << QString::fromLatin1(note) << status;
        };
        row("nothing set", "", "", 0);
        row("note set, cleared, set again", "na n nb", "b", 0);
        row("cleared note keeps an unnamed status", "na s7 n", "", 7);
        row("named status after an unnamed one keeps the note", "s-5 nx s2", "x", 2);
        row("unnamed status replaced, then a note", "s7 s300000 nc", "c", 300000);
        row("named status, then the note cleared", "s7 nd s1 n", "", 1);
        row("shared note, then an unnamed status", "ma s7", "a", 7);
        row("shared note given with an unnamed status", "s7 mb", "b", 7);
        row("shared note, named status, shared empty note", "mc s1 m", "", 1);
        row("weight 0 keeps Not yet", "w0", "", 0);
        row("weight 0 keeps Failed", "s2 w0", "", 2);
        row("weight 2.5 on Not yet", "w2.5", "", 1);
        row("weight 2.5 on Failed", "s2 w2.5", "", 1);
        row("weight 2.5 on Done", "s1 w2.5", "", 1);
        row("refused weight 600 keeps Not yet", "w600", "", 0);
    }
    void notesAndUnnamedStatuses()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, note);
        QFETCH(int, status);

        ExerciseEntry entry;
        ExerciseEntry other;
        entry.SetName(QStringLiteral("Dips"));
        other.SetName(QStringLiteral("Dips"));
        for (const QString &change : changes) {
            if (change.startsWith(u's')) {
                entry.SetStatus(static_cast<Status>(change.mid(1).toInt()));
            } else if (change.startsWith(u'w')) {
                entry.SetWeight(change.mid(1).toFloat());
            } else if (change.startsWith(u'n')) {
                QVERIFY(entry.SetNote(change.mid(1)));
            } else {
                const ExerciseEntry::Note shared(change.mid(1));
                QVERIFY(other.SetNote(shared) && entry.SetNote(shared));
            }
        }
        ExerciseEntry exact;
        exact.CopyExactFrom(entry);
        ExerciseEntry copy;
        copy.CopyFrom(entry);
        // Changing one entry leaves the others as they were, whatever storage they share.
        other.SetStatus(static_cast<Status>(9));
        other.SetNote(QStringLiteral("changed"));
        // A copy takes no status: it is Not yet unless its weight marks it Done.
        const int copied = entry.GetWeight() > 0 ? int(Status::Done) : int(Status::NotYet);
        for (const ExerciseEntry *read : {&entry, &exact, &copy}) {
            QCOMPARE(read->GetNote(), note);
            QCOMPARE(int(read->GetStatus()), read == &copy ? copied : status);
        }
    }

    void weightUnitFollowsTheLocale()
    {
        QVERIFY(WeightUnit::ForLocale(QLocale(QLocale::English, QLocale::UnitedStates)).IsPounds());
        QVERIFY(!WeightUnit::ForLocale(QLocale(QLocale::German, QLocale::Germany)).IsPounds());
        QVERIFY(!WeightUnit::ForLocale(QLocale::c()).IsPounds());
        QVERIFY(
            !WeightUnit::ForLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)).IsPounds());
    }
    // Reading shares equal exercise and workout names through a table of its own; sharing must
    // never change which name an entry reads back.
    void namesReadBackUnchangedPastTableGrowthAndCap()
    {
        // More distinct names than the table keeps, names that differ only in their middle (equal
        // length and ends), non-ASCII names, each written twice.
        QStringList names;
        for (int i = 0; i < 5000; ++i)
            names << QStringLiteral("Exercise %1").arg(i);
        for (int i = 0; i < 40; ++i)
            names << QStringLiteral("Pull-ups wi%1th a band")
                         .arg(QChar(u'a' + i % 26))
                         .repeated(1 + i / 26);
        names << QStringLiteral("Übung ähnlich") << QStringLiteral("Übung ähnlicH");

        QStringList exercises = names + names;
        exercises.replaceInStrings(QStringLiteral(" "), QStringLiteral("_"));
        DiaryDatabase written;
        QVERIFY(testsupport::BuildDiary(
            written,
            QStringLiteral("1.5.2024 Exercise_7[%1]").arg(exercises.join(QStringLiteral(", ")))));

        DiaryDatabase read;
        read.LoadFromData(DatabaseWriter::FileBytes(written));
        QCOMPARE(testsupport::DescribeDiary(read), testsupport::DescribeDiary(written));
        const Workout &readWorkout = *read.GetDay(0)->GetWorkout(0);
        // A repeated name shares the first one's string.
        QCOMPARE(readWorkout.GetExercise(int(names.size()) + 3)->GetName().constData(),
                 readWorkout.GetExercise(3)->GetName().constData());
    }
};

REPBOOK_TEST_MAIN_CORE(TestDiaryModel)

#include "TestDiaryModel.moc"
