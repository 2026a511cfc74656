// The exchange library: reading other logs' exports, the lossless round trips of the diary's own
// CSV and JSON files, the import plan and bad input.

#include "bench/DiaryGenerator.h"
#include "common/DiaryText.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "exchange/DiaryExport.h"
#include "exchange/DiaryImport.h"
#include "exchange/ImportNameMap.h"
#include "exchange/ImportSource.h"
#include "exchange/NameMatcher.h"
#include "fuzz/ReaderChecks.h"
#include "model/DatabaseFile.h"
#include "model/DatabaseWriter.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

QString Skipped(const QList<SkippedRow> &rows)
{
    QStringList lines;
    for (const SkippedRow &row : rows)
        lines.append(QStringLiteral("%1: %2").arg(row.line).arg(row.reason));
    return lines.join(u'\n');
}

// A day of workouts of one name, one a status, each of the given number of exercises.
void AddDay(DiaryDatabase &diary, const DateValue &date, const QString &notes, const QString &name,
            const QList<ProgressStatus> &workouts, int exercises)
{
    auto day = std::make_unique<TrainingDay>();
    day->SetDate(date);
    day->SetNotes(notes);
    for (const ProgressStatus status : workouts) {
        auto workout = std::make_unique<Workout>();
        workout->SetName(name);
        for (int e = 0; e < exercises; ++e) {
            auto entry = std::make_unique<ExerciseEntry>();
            // Every fourth entry has no name: the file keeps only its status.
            if (e % 4 != 3)
                entry->SetName(QStringLiteral("Press, \"close\" %1").arg(e));
            entry->SetSets(1 + e);
            entry->SetReps(e * 3);
            entry->SetNegative(e);
            entry->SetWeight(float(e) * 12.345f);
            entry->SetNote(e % 2 ? QStringLiteral("line one\nline two;\r\n \"three\"") : QString());
            entry->SetStatus(static_cast<ProgressStatus>(e % 4 == 2 ? 7 : e % 3));
            workout->AddExercise(std::move(entry));
        }
        workout->SetStatus(status, false);
        day->AddWorkout(std::move(workout));
    }
    diary.AddDay(std::move(day));
}

// A generated year with what is hard to keep: days sharing a date (also next to each other),
// notes with line breaks, quotes, separators and blanks at either end, days without workouts and
// workouts without exercises, an impossible date, unnamed entries, odd statuses and unrounded
// weights.
void FillHardDiary(DiaryDatabase &diary, quint32 seed)
{
    DiaryGenerator::Fill(diary, 1);
    QRandomGenerator random(seed);
    const DateValue first = DiaryGenerator::FirstDate();
    for (int i = 0; i < 40; ++i) {
        const DateValue date = first + random.bounded(400);
        const QString notes = i % 3 ? QStringLiteral("note %1\nsecond, \"line\"").arg(i)
                                    : (i % 2 ? QStringLiteral(" easy\t") : QString());
        AddDay(diary, date, notes, QStringLiteral("Extra %1").arg(i % 3),
               {ProgressStatus::Done, ProgressStatus::Failed}, i % 5);
        if (i % 4 == 0) // the same date again, right after
            AddDay(diary, date, notes, QStringLiteral("Extra 0"), {ProgressStatus::NotYet}, 2);
        if (i % 7 == 0)
            AddDay(diary, date, QStringLiteral("rest;day"), QString(), {}, 0);
    }
    AddDay(diary, DateValue::MakeInvalid(), "lost date", "W", {ProgressStatus::Done}, 3);
}

ImportedData Read(const QString &path, ImportSource::Format format = ImportSource::Format::Auto)
{
    ImportedData data;
    QString error;
    // A file that should read but does not fails the calling test, whatever it read before.
    if (!ImportSource::ReadFile(path, format, data, error))
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return data;
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void readsOtherLogs_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("days"); // as the diary holds them, every workout Done
        QTest::addColumn<QString>("skipped");
        QTest::addColumn<QString>("preview"); // of the first workout; empty: not checked

        QTest::newRow("strong: warm-up, rest timer, drop and failure sets")
            << Data("strong.csv") << "Strong CSV"
            << "28.3.2025 \"Good session\" Push_Day:done[Bench_Press_(Barbell) 1x10 40 "
               "\"warm-up\", Bench_Press_(Barbell) 2x8 60, Bench_Press_(Barbell) 1x12 45 \"drop "
               "set\", Dips 1x15 done \"to failure; slow, controlled\"]; 30.3.2025 Legs:done[Squat "
               "1x5 100]"
            << "8: time or distance only\n10: weight 600 kg outside 0..500 kg\n"
               "11: unreadable date \"not a date\""
            << "Push Day: Bench Press (Barbell) 1 \u00d7 10 \u00d7 40 kg, Bench Press (Barbell) 2 "
               "\u00d7 8 \u00d7 60 kg, Bench Press (Barbell) 1 \u00d7 12 \u00d7 45 kg, Dips 1 "
               "\u00d7 15";
        QTest::newRow("strong: BOM, semicolons, quoted header, pounds, decimal comma")
            << Data("strong_semicolon_lbs.csv") << "Strong CSV"
            << "1.4.2025 Morning:done[Deadlift 2x5 102.06, Curl 1x12 10.21]"
            << ""
            << "Morning: Deadlift 2 \u00d7 5 \u00d7 102.06 kg (225 lb), Curl 1 \u00d7 12 \u00d7 "
               "10.21 kg (22.5 lb)";
        QTest::newRow("strong: weight unit column")
            << Data("strong_unit_column.csv") << "Strong CSV"
            << "2.4.2025 Upper:done[Row 1x10 45.36, Row 1x10 40]"
            << "" << QString();
        QTest::newRow("hevy: line breaks in a quoted description")
            << Data("hevy.csv") << "Hevy CSV"
            << "28.3.2025 \"Felt good\nafter the break\" Full_Body:done[Squat_(Barbell) 1x5 60 "
               "\"warm-up\", Squat_(Barbell) 2x5 100, Pull_Up 1x12 done \"to failure; wide grip\"]"
            << "8: time or distance only" << QString();
        QTest::newRow("fitnotes: a date is a workout named after its categories")
            << Data("fitnotes.csv") << "FitNotes CSV"
            << "27.3.2025 Chest,_Triceps,_Biceps:done[Flat_Barbell_Bench_Press 2x5 80, "
               "Barbell_Curl 1x10 30 \"last one slow\"]"
            << "5: time or distance only\n6: reps 300 outside 0..200\n7: time or distance only"
            << QString();
        QTest::newRow("fitnotes: the most repetitions a set may have, and one more")
            << WriteTemp(QStringLiteral("reps.csv"),
                         "Date,Exercise,Category,Weight (kgs),Reps\n"
                         "2025-03-29,Squat,Legs,60,200\n"
                         "2025-03-29,Squat,Legs,60,201\n")
            << "FitNotes CSV"
            << "29.3.2025 Legs:done[Squat 1x200 60]"
            << "3: reps 201 outside 0..200" << QString();
        QTest::newRow("liftlog: a session past midnight, units per row, notes")
            << Data("liftlog.csv") << "LiftLog CSV"
            << "2.6.2025 Workout:done[Squat 2x5 100, Bench_Press 2x8 61.23 \"paused, 1s\"]; "
               "3.6.2025 Workout:done[Deadlift 1x3 140 \"grip failed\", Deadlift 1x3 140.61, Row "
               "1x10 60]"
            << "8: unreadable timestamp \"yesterday\"\n9: unknown unit \"stone\"" << QString();
        QTest::newRow("fitnotes: pounds, a date without categories")
            << Data("fitnotes_lbs.csv") << "FitNotes CSV"
            << "27.3.2025 Legs:done[Squat 1x8 61.23]; 28.3.2025 Workout:done[Plank 1x1 done]"
            << ""
            << "Legs: Squat 1 \u00d7 8 \u00d7 61.23 kg (135 lb)";
        QTest::newRow("repbook: the header of earlier versions")
            << Data("repbook_earlier_header.csv") << "Repbook CSV"
            << "2.5.2025 Pull:done[Row 3x8 62.5]"
            << ""
            << "Pull: Row 3 \u00d7 8 \u00d7 62.5 kg";
    }
    void readsOtherLogs()
    {
        QFETCH(QString, file);
        QFETCH(QString, format);
        QFETCH(QString, days);
        QFETCH(QString, skipped);
        QFETCH(QString, preview);
        const ImportedData data = Read(file);
        QCOMPARE(data.formatName, format);
        QCOMPARE(testsupport::DescribeDiary(*data.days), days);
        QCOMPARE(Skipped(data.skipped), skipped);
        if (!preview.isEmpty())
            QCOMPARE(DiaryImport::WorkoutText(*data.days->GetDay(0)->GetWorkout(0), data.pounds,
                                              WeightUnit()),
                     preview);
    }
    void roundTripIsLossless_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {1u, 2u, 3u}) {
            QTest::addRow("csv %u", seed) << int(DiaryExport::Format::Csv) << seed;
            QTest::addRow("json %u", seed) << int(DiaryExport::Format::Json) << seed;
        }
    }
    void roundTripIsLossless()
    {
        QFETCH(int, format);
        QFETCH(quint32, seed);
        // The third seed is written in pounds, read back as the same kilograms.
        const auto unit = seed == 3 ? WeightUnit::Pounds : WeightUnit::Kilograms;
        // The original as the diary file holds it: what the user has after a save and a load.
        DiaryDatabase made;
        FillHardDiary(made, seed);
        const QByteArray original = DatabaseWriter::FileBytes(made);
        DiaryDatabase diary;
        QVERIFY(diary.LoadFromData(original));

        const ImportedData data = Read(Export(diary, DiaryExport::Format(format), unit));
        QCOMPARE(Skipped(data.skipped), QString());

        DiaryDatabase empty;
        const DiaryImport::Plan plan = DiaryImport::MakePlan(data, empty);
        QCOMPARE(plan.DaysAdded(), diary.GetDayCount());
        DiaryImport::Apply(plan, empty);
        QCOMPARE(DatabaseWriter::FileBytes(empty).split('\n'), original.split('\n'));
    }
    void secondImportAddsNothing()
    {
        DiaryDatabase diary;
        // A day already holding something else on the first date of the file.
        QVERIFY(testsupport::BuildDiary(diary, QStringLiteral("28.3.2025 Mobility[Press 1x0]")));
        for (const char *file : {"strong.csv", "hevy.csv", "fitnotes.csv", "liftlog.csv"}) {
            const ImportedData data = Read(Data(file));
            DiaryImport::Apply(DiaryImport::MakePlan(data, diary), diary);
            const QByteArray before = DatabaseWriter::FileBytes(diary);
            const DiaryImport::Plan again = DiaryImport::MakePlan(Read(Data(file)), diary);
            // Nothing to add: the totals name no dates.
            QVERIFY2(again.AddsNothing() && !DiaryImport::PlanTotals(again).contains(u'-'), file);

            QCOMPARE(again.WorkoutsKnown(), data.days->GetDayCount());
            DiaryImport::Apply(again, diary);
            QCOMPARE(DatabaseWriter::FileBytes(diary), before);
        }
        // The imported workouts joined the existing day; nothing there was replaced.
        const TrainingDay *day = diary.FindDay(DateValue::FromDate(2025, 3, 28));
        QCOMPARE(day->GetWorkoutCount(), 3);
        QCOMPARE(day->GetWorkout(0)->GetName(), QStringLiteral("Mobility"));
        QCOMPARE(day->GetNotes(), QStringLiteral("Good session"));
        QCOMPARE(diary.GetDayCount(), 5);
        // One date to add: named once.
        DiaryDatabase empty;
        const QString totals = DiaryImport::PlanTotals(
            DiaryImport::MakePlan(Read(Data("strong_unit_column.csv")), empty));
        QVERIFY2(totals.contains(QLatin1String("(1 new day), 2025-04-02;")), qPrintable(totals));
    }
    void previewCountsWhatIsNew()
    {
        DiaryDatabase diary;
        DiaryImport::Apply(DiaryImport::MakePlan(Read(Data("strong.csv")), diary), diary);
        diary.RemoveDay(diary.FindDayIndex(DateValue::FromDate(2025, 3, 30)));
        // A changed workout is new: the file's set of that date is told apart from the diary's.
        diary.GetDay(0)->GetWorkout(0)->GetExercise(1)->SetReps(9);

        const QString exported = Export(diary, DiaryExport::Format::Csv, WeightUnit());
        const DiaryImport::Plan plan = DiaryImport::MakePlan(Read(Data("strong.csv")), diary);
        // The totals, each date, then the rows skipped; without the dates only the totals and rows.
        const QStringList summary = DiaryImport::SummaryLines(plan, true);
        QCOMPARE(
            summary,
            QStringList({"Strong CSV: 2 workouts with 5 exercises to add (1 new day), 2025-03-28 "
                         "to 2025-03-30; 0 workouts already in the diary; 3 rows skipped.",
                         "2025-03-28  adds 1 workout, 4 exercises; 0 already there",
                         "2025-03-30  new day, 1 workout, 1 exercise; 0 already there",
                         "line 8 skipped: time or distance only",
                         "line 10 skipped: weight 600 kg outside 0..500 kg",
                         "line 11 skipped: unreadable date \"not a date\""}));
        QCOMPARE(DiaryImport::SummaryLines(plan, false), summary.mid(0, 1) + summary.mid(3));
        // The own export of the same diary is wholly known.
        QVERIFY(DiaryImport::MakePlan(Read(exported), diary).AddsNothing());
    }
    void badInputIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("message");
        const auto row = [](const QByteArray &name, const QString &file, const QString &message,
                            int format = int(ImportSource::Format::Auto)) {
            QTest::newRow(name.constData()) << file << format << message;
        };
        row("broken quotes", Data("broken_quotes.csv"),
            "Line 2 opens a quoted field that is never closed.");
        row("binary data", Data("binary.csv"),
            "Line 3 holds binary data: this is not a text file.");
        row("four control characters and tabs are still text",
            WriteTemp(QStringLiteral("controls.csv"),
                      "Date,Exercise,Category,Weight (kgs),Reps\n\x01\x02\x03\x04\t\t\t\t\t,\"5\n"),
            "Line 2 opens a quoted field that is never closed.");
        row("empty", Data("empty.csv"), "Line 1: the file is empty.");
        row("another kind of file", Data("other_kind.csv"), "Line 1: the file is no export");
        row("forced format of another log", Data("hevy.csv"),
            "Line 1: the header is not that of a Strong CSV file.",
            int(ImportSource::Format::Strong));
        row("forced LiftLog CSV on another log", Data("hevy.csv"),
            "Line 1: the header is not that of a LiftLog CSV file.",
            int(ImportSource::Format::LiftLog));
        row("forced Repbook CSV on another log", Data("hevy.csv"), "Line 1: the header lacks",
            int(ImportSource::Format::Csv));
        row("broken JSON", Data("broken.json"), "Line 3 is not valid JSON");
        row("missing", Data("no-such-file.csv"), "cannot be read.");
        // Lines are counted as an editor shows them, blank lines before the header included.
        const QByteArrayList rows = {"Date,Exercise,Category,Weight (kgs),Reps",
                                     "2025-03-27,Squat,Legs,1,5", "2025-03-27,\"Squat,Legs,1,5",
                                     "2025-03-28,Squat,Legs,1,5"};
        for (const QByteArray end : {"\n", "\r\n", "\r", "\n\n"})
            row("line ends " + end.toHex(),
                WriteTemp("ends" + end.toHex() + ".csv", end + end + rows.join(end)),
                QStringLiteral("Line %1 opens a quoted").arg(end == "\n\n" ? 9 : 5));
        // Far larger than any diary: refused before it is read; the largest allowed size is read.
        for (const qint64 size : {qint64(300) << 20, DatabaseFile::MaxFileSize}) {
            QFile file(m_dir.filePath(QStringLiteral("%1.csv").arg(size)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
            row(QByteArray::number(size) + " bytes", file.fileName(),
                size == DatabaseFile::MaxFileSize ? "Line 1 holds binary data"
                                                  : "is too large to import (300 MB");
        }
        row("days that are no objects",
            WriteTemp(QStringLiteral("numbers.json"),
                      R"({"format":"repbook-diary","version":1,"days":[1,2]})"),
            "Day 1 of the file: a day must be an object.");
    }
    void badInputIsRefused()
    {
        QFETCH(QString, file);
        QFETCH(int, format);
        QFETCH(QString, message);
        ImportedData data;
        QString error;
        QVERIFY(!ImportSource::ReadFile(file, ImportSource::Format(format), data, error));
        QVERIFY2(error.contains(message), qPrintable(error));
    }
    // Every seed of the fuzzing targets and every finding, through each reader.
    void readersKeepTheirProperties_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("file");
        const QDir seeds(testsupport::dataFile(QStringLiteral("fuzz/readers")));
        for (const QString &reader : ReaderChecks::ReaderNames()) {
            for (const QString &folder : {reader, QStringLiteral("regressions")}) {
                for (const QFileInfo &file :
                     QDir(seeds.filePath(folder)).entryInfoList(QDir::Files))
                    QTest::addRow("%s %s", qPrintable(reader), qPrintable(file.fileName()))
                        << reader << file.filePath();
            }
        }
    }
    void readersKeepTheirProperties()
    {
        QFETCH(QString, reader);
        QFETCH(QString, file);
        QFile input(file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QByteArray data = input.readAll();
        QCOMPARE(ReaderChecks::Check(reader, data), QString());
        QCOMPARE(ReaderChecks::Check(QStringLiteral("detect"), data), QString());
    }
    void proposesClosestName_data()
    {
        QTest::addColumn<QString>("names"); // imported|proposed
        QTest::newRow("case") << "bench press|Bench press";
        QTest::newRow("spacing") << " Bench   Press|Bench press";
        QTest::newRow("equipment suffix") << "Bench Press (Barbell)|Bench press";
        QTest::newRow("two suffixes") << "Squat [Smith] (Machine)|Squat";
        QTest::newRow("plural") << "Barbell Curls|Barbell curl";
        QTest::newRow("diary name in the plural") << "Dip|Dips";
        QTest::newRow("one edit") << "Pull Up|Pull-up";
        QTest::newRow("one letter more") << "Squatt|Squat";
        QTest::newRow("one edit in five letters") << "Squad|Squat";
        QTest::newRow("two edits in a long name") << "Bnech Press|Bench press";
        QTest::newRow("two edits in ten letters") << "Bakc squat|Back squat";
        QTest::newRow("fewest edits win") << "Hack squatt|Hack squat";
        QTest::newRow("short names must be equal") << "Rope|";
        QTest::newRow("nothing close") << "Deadlift|";
        QTest::newRow("only a suffix") << "(Barbell)|";
        // The longest names compared by their edits: 80 letters, two less than the diary's.
        QTest::newRow("two edits in 80 letters")
            << "Incline dumbbell bench press with pause at the bottom and a slow lowering phase.|"
               "Incline dumbbell bench press with a pause at the bottom and a slow lowering phase.";
        QTest::newRow("a longer name but for its suffix")
            << "Incline dumbbell bench press with a pause at the bottom and a slow lowering phase. "
               "(Barbell)|Incline dumbbell bench press with a pause at the bottom and a slow "
               "lowering phase.";
    }
    void proposesClosestName()
    {
        QFETCH(QString, names);
        const QStringList known =
            QStringLiteral("Row|Bench press|Squat|Back squat|Barbell curl|Pull-up|Dips|Hack squat|"
                           "Incline dumbbell bench press with a pause at the bottom and a slow "
                           "lowering phase.")
                .split(u'|');
        QCOMPARE(NameMatcher::Closest(names.section(u'|', 0, 0), known), names.section(u'|', 1));
    }
    void rememberedNamesJoinTheDiary()
    {
        DiaryDatabase diary;
        QVERIFY(testsupport::BuildDiary(diary, QStringLiteral("1.1.2025 Old:done[Bench_press]")));
        const QStringList known = NameMatcher::KnownNames(diary, {QStringLiteral("Dip")});
        QCOMPARE(known, QStringList({"Dip", "Bench press"}));

        const QString names = ImportNameMap::PathBeside(m_dir.filePath("UEList.txt"));
        ImportNameMap map(names);
        QString error;
        // Nothing worth keeping makes no file.
        QVERIFY(map.Remember("Strong CSV", {{"Squat", "Squat"}}, error) && !QFile::exists(names));
        const QHash<QString, QString> strong = {
            {"Bench Press (Barbell)", "Bench press"}, {"Squat", "Squat"}, {"Bad\tname", "Row"}};
        QVERIFY(map.Remember("Strong CSV", strong, error));
        const QHash<QString, QString> hevy = {{"Dips", "Dip"},
                                              {"Bench Press (Barbell)", "Bench press"}};
        QVERIFY(map.Remember("Hevy CSV", hevy, error));
        ImportNameMap reread(map);
        reread.Load();
        const QHash<QString, QString> remembered = reread.For(QStringLiteral("Strong CSV"));
        QCOMPARE(remembered.size(), 1); // a name joined to itself or holding a tab is not kept

        const ImportedData data = Read(Data("strong.csv"));
        QStringList proposals;
        for (const NameMatcher::Proposal &p : NameMatcher::Propose(*data.days, known, remembered))
            proposals.append(p.imported + u'>' + p.proposed + (p.remembered ? u'!' : u' '));
        QCOMPARE(proposals,
                 QStringList({"Bench Press (Barbell)>Bench press!", "Dips>Dip ", "Squat> "}));

        // Joined names make the same workouts: a second import with the choices adds nothing.
        DiaryImport::Apply(DiaryImport::MakePlan(NameMatcher::WithNames(data, remembered), diary),
                           diary);
        QVERIFY(testsupport::DescribeDiary(diary).contains("Push_Day:done[Bench_press 1x10 40 "));
        QVERIFY(
            DiaryImport::MakePlan(NameMatcher::WithNames(data, remembered), diary).AddsNothing());
        QVERIFY(!DiaryImport::MakePlan(data, diary).AddsNothing());

        // Leaving a name as new forgets its choice; the other source keeps its own, the same
        // name included.
        QVERIFY(reread.Remember("Strong CSV", {{"Bench Press (Barbell)", QString()}}, error));
        map.Load();
        QVERIFY(map.For(QStringLiteral("Strong CSV")).isEmpty());
        QCOMPARE(map.For(QStringLiteral("Hevy CSV")), hevy);
        QVERIFY(!ImportNameMap(m_dir.filePath("no/such/folder/x.txt"))
                     .Remember("Strong CSV", {{"A", "B"}}, error));
        QVERIFY(error.contains(QStringLiteral("could not be saved")));
    }

private:
    static QString Data(const QString &name) { return testsupport::dataFile("exchange/" + name); }
    // The diary's days exported into the test folder.
    QString Export(const DiaryDatabase &diary, DiaryExport::Format format, WeightUnit unit)
    {
        const QString path = m_dir.filePath(QStringLiteral("export"));
        QString error;
        if (!DiaryExport::WriteFile(
                path, DiaryExport::Write(DiaryExport::DaysOf(diary), format, unit), error))
            qWarning("cannot export: %s", qPrintable(error));
        return path;
    }

    QString WriteTemp(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return testsupport::WriteFile(path, bytes) ? path : QString(); // "": the row fails
    }

    QTemporaryDir m_dir;
};

REPBOOK_TEST_MAIN_CORE(TestExchange)
#include "tst_exchange.moc"
