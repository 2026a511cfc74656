#include "common/DiaryText.h"
#include "common/TestMain.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"

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

using EntrySetter = std::function<bool(ExerciseEntry &)>;
using EntryGetter = std::function<double(const ExerciseEntry &)>;

} // namespace

Q_DECLARE_METATYPE(EntrySetter)
Q_DECLARE_METATYPE(EntryGetter)

// The diary's entries: the values they take, the flags their changes set, and what they share.
class TestDiaryModel : public QObject
{
    Q_OBJECT

private slots:
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

        ExerciseEntry entry;
        QVERIFY(!set(entry));
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
        row("SetDate", true, [](DiaryDatabase &db) {
            return db.GetDay(0)->SetDate(DateValue::FromDate(2010, 1, 1)), true;
        });
        row("SetNotes", true, [](DiaryDatabase &db) {
            return db.GetDay(0)->SetNotes(QStringLiteral("tired")), true;
        });
        row("AddWorkout", true, [](DiaryDatabase &db) {
            return db.GetDay(0)->AddWorkout(testsupport::BuildWorkout(QStringLiteral("Back"))) == 1;
        });
        row("RemoveWorkout", true,
            [](DiaryDatabase &db) { return db.GetDay(0)->RemoveWorkout(0) == 0; });
        row("RemoveAllWorkouts", true, [](DiaryDatabase &db) {
            return db.GetDay(0)->RemoveAllWorkouts(), db.GetDay(0)->IsEmpty();
        });
        row("exercise reps", true, [](DiaryDatabase &db) {
            return db.GetDay(0)->GetWorkout(0)->GetExercise(1)->SetReps(12);
        });
        row("RemoveExercise", true,
            [](DiaryDatabase &db) { return db.GetDay(0)->GetWorkout(0)->RemoveExercise(0) == 1; });
        row("AddDay", false,
            [](DiaryDatabase &db) { return db.AddDay(CleanDay(QStringLiteral("2.1.2010"))) == 2; });
        row("InsertDay", false, [](DiaryDatabase &db) {
            return db.InsertDay(0, CleanDay(QStringLiteral("2.1.2010"))) == 0;
        });
        row("RemoveDay", false, [](DiaryDatabase &db) { return db.RemoveDay(1) == 1; });
        row("RemoveAllDays", false,
            [](DiaryDatabase &db) { return db.RemoveAllDays(), db.GetDayCount() == 0; });
        row("ReplaceDay", false, [](DiaryDatabase &db) {
            return db.ReplaceDay(1, CleanDay(QStringLiteral("-")), true);
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

        QStringList exercises;
        for (int round = 0; round < 2; ++round) {
            for (const QString &name : names)
                exercises << QString(name).replace(u' ', u'_');
        }
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
