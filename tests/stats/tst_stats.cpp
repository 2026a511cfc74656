#include "common/DiaryText.h"
#include "common/TestMain.h"
#include "model/DiaryDatabase.h"
#include "stats/Consistency.h"
#include "stats/DiarySearch.h"
#include "stats/ExerciseCatalog.h"
#include "stats/ExerciseHistory.h"
#include "stats/PeriodPoints.h"
#include "stats/PersonalRecords.h"
#include "stats/ValueScale.h"

namespace {

// Adds days in the diary notation (common/DiaryText.h): one exercise a day, as a rule, so dates
// may repeat in the diary as in real files. D1, D2 and D3 are 4, 11 and 18 March 2024.
void Fill(DiaryDatabase &database, const QString &days)
{
    QVERIFY(testsupport::BuildDiary(database, days));
}

// A day with workouts in the notation, such as "W:done W:failed".
void AddWorkouts(DiaryDatabase &database, const QDate &date, const QString &workouts)
{
    Fill(database, testsupport::DateText(DateValue::FromQDate(date)) + u' ' + workouts);
}

const QDate D1(2024, 3, 4), D2(2024, 3, 11), D3(2024, 3, 18);
const QString Bench = QStringLiteral("Bench press");

} // namespace

class TestStats : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_diary.RemoveAllDays(); }
    void repRangesAndEstimate_data()
    {
        QTest::addColumn<int>("reps"); // at 60 kg
        QTest::addColumn<int>("range"); // of the weight record; -1: none
        QTest::addColumn<double>("estimate"); // of the one-repetition maximum: 60 * (1 + reps / 30)
        const int reps[] = {0, 1, 2, 3, 4, 6, 7, 10, 11, 15, 16};
        const int ranges[] = {-1, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5};
        const double estimates[] = {0, 60, 64, 66, 68, 72, 74, 80, 82, 90, 92};
        for (size_t i = 0; i < std::size(reps); ++i)
            QTest::addRow("%d reps", reps[i]) << reps[i] << ranges[i] << estimates[i];
    }
    void repRangesAndEstimate()
    {
        QFETCH(int, reps);
        QFETCH(int, range);
        QFETCH(double, estimate);
        Fill(m_diary,
             QStringLiteral("4.3.2024 W[Bench_press 3x%1 60]; 11.3.2024 W[Bench_press 3x%2 done]")
                 .arg(reps)
                 .arg(reps + 1));
        const ExerciseRecords records = PersonalRecords::ForExercise(m_diary, Bench, {});
        for (int i = 0; i < int(RepRanges.size()); ++i)
            QCOMPARE(records.byRange[size_t(i)],
                     (i == range ? LiftRecord {60, reps, D1} : LiftRecord()));
        QCOMPARE(ExerciseHistory::Collect(m_diary, Bench, {}).Days()[0].estimatedMax, estimate);
        QCOMPARE(records.bestEstimate, estimate);
        QCOMPARE(records.bestEstimateLift.IsSet(), reps > 0);
        // Body-weight work sets no weight record, only its own.
        QCOMPARE(records.mostBodyweightReps, reps + 1);
        QCOMPARE(records.mostBodyweightRepsDate, D2);
    }
    // Done only, then with Failed; never Not yet.
    void performedStatuses()
    {
        Fill(m_diary,
             QStringLiteral("4.3.2024 W[Bench_press 3x5 100]; 11.3.2024 W[Bench_press 3x5 120 "
                            "failed]; 18.3.2024 W[Bench_press 3x5 140 notyet]"));
        for (const bool countFailed : {false, true}) {
            const PerformedFilter filter {countFailed};
            const ExerciseRecords records = PersonalRecords::ForExercise(m_diary, Bench, filter);
            QCOMPARE(records.byRange[2].weight, countFailed ? 120.0 : 100.0);
            QCOMPARE(
                ExerciseCatalog::Build(m_diary, filter),
                (QList<ExerciseSummary> {{Bench, countFailed ? 2 : 1, countFailed ? D2 : D1}}));
        }
    }
    void namesMatchWithoutCaseAndSpaces()
    {
        // The latest date comes first in the diary: the shown spelling follows dates, then order.
        Fill(m_diary,
             QStringLiteral("18.3.2024 W[_bench_PRESS_ 3x5 90]; 4.3.2024 W[Bench_press 3x5 80]; "
                            "11.3.2024 W[BENCH_PRESS 3x5 85]; 11.3.2024 W[Bench_presses 3x5 85]; "
                            "18.3.2024 W[Bench_PRESS 3x5 90]"));
        QCOMPARE(ExerciseCatalog::Build(m_diary, {}),
                 (QList<ExerciseSummary> {{"Bench PRESS", 3, D3}, {"Bench presses", 1, D2}}));
        const ExerciseHistory history = ExerciseHistory::Collect(m_diary, "bench press", {});
        QCOMPARE(history.Name(), QStringLiteral("Bench PRESS"));
        QCOMPARE(history.Days().size(), 3);
        QCOMPARE(history.Days()[0].date, D1); // in date order
        QCOMPARE(PersonalRecords::ForAll(m_diary, {}).size(), 2);
    }
    void dayMeasuresAddUpOverEntries()
    {
        // Diary days with the same date count as one training day; each best is not the last entry.
        Fill(m_diary,
             QStringLiteral("4.3.2024 W[Bench_press 2x3 80]; 11.3.2024 W[Bench_press 1x1 50]; "
                            "4.3.2024 W[Bench_press 1x20 done]; 4.3.2024 W[Bench_press 3x10 60]"));
        const QList<ExerciseDayStats> days = ExerciseHistory::Collect(m_diary, Bench, {}).Days();
        QCOMPARE(days.size(), 2);
        QCOMPARE(days[0],
                 (ExerciseDayStats {D1, 80.0, 80.0 * (1.0 + 3 / 30.0), 3 * 10 * 60.0 + 2 * 3 * 80.0,
                                    20, 6}));
        QCOMPARE(MeasureValue(days[1], ProgressMeasure::Volume), 50.0);
    }
    void recordsBelongToTheirFirstDate()
    {
        // In diary order the later date comes first; records still go to the earliest date.
        Fill(m_diary,
             QStringLiteral("11.3.2024 W[Bench_press 3x5 100]; 4.3.2024 W[Bench_press 3x5 100]; "
                            "18.3.2024 W[Bench_press 3x5 102.5]; 18.3.2024 W[Bench_press 3x2 90]; "
                            "4.3.2024 W[Bench_press 3x2 90]"));
        const ExerciseRecords records = PersonalRecords::ForExercise(m_diary, Bench, {});
        QCOMPARE(records.byRange[2].date, D3); // 102.5 beat the 100 of D1
        QCOMPARE(records.byRange[1].date, D1); // 90 x 2 twice: the first
        QCOMPARE(records.bestVolumeDate, D3);
        QCOMPARE(records.bestEstimateLift.weight, 102.5);

        DiaryDatabase equalDays;
        Fill(equalDays,
             QStringLiteral("11.3.2024 W[Bench_press 3x5 100]; 4.3.2024 W[Bench_press 3x5 100]; "
                            "4.3.2024 W[Bench_press 3x4 100]"));
        const ExerciseRecords ties = PersonalRecords::ForExercise(equalDays, Bench, {});
        QCOMPARE(ties.byRange[2], (LiftRecord {100, 5, D1})); // the day's first set of the two
        QCOMPARE(std::pair(ties.bestEstimateLift.date, ties.bestVolumeDate), std::pair(D1, D1));
    }
    void dayClasses_data()
    {
        QTest::addColumn<QString>("workouts");
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<DayClass>("expected");
        QTest::newRow("all done") << "W:done W:done" << -3 << DayClass::AllDone;
        QTest::newRow("some done") << "W:done W:failed" << -3 << DayClass::SomeDone;
        QTest::newRow("some done, rest not yet") << "W W:done" << 0 << DayClass::SomeDone;
        QTest::newRow("failed only") << "W:failed W" << -1 << DayClass::FailedOnly;
        QTest::newRow("missed yesterday") << "W" << -1 << DayClass::Missed;
        QTest::newRow("planned today") << "W" << 0 << DayClass::PlannedAhead;
        QTest::newRow("planned tomorrow") << "W" << 1 << DayClass::PlannedAhead;
        QTest::newRow("day without workouts") << "" << -1 << DayClass::NoWorkout;
    }
    void dayClasses()
    {
        QFETCH(QString, workouts);
        QFETCH(int, daysFromToday);
        QFETCH(DayClass, expected);
        const QDate today(2024, 6, 12);
        const QDate date = today.addDays(daysFromToday);
        AddWorkouts(m_diary, date, workouts);
        const YearConsistency year = YearConsistency::Compute(m_diary, 2024, today);
        QCOMPARE(year.Days().size(), 366);
        QCOMPARE(year.ClassOf(date), expected);
        QCOMPARE(year.ClassOf(date.addDays(1)), DayClass::NoWorkout);
        QCOMPARE(year.ClassOf(QDate(2025, 1, 1).addDays(date.dayOfYear() - 1)),
                 DayClass::NoWorkout);
    }
    void monthShareCountsDueWorkouts()
    {
        const QDate today(2024, 1, 20);
        // On the 9th one was missed; the 25th is not due yet.
        Fill(m_diary,
             QStringLiteral("2.1.2024 W:done W:done W:failed; 9.1.2024 W W:done; 25.1.2024 W; "
                            "31.12.2023 W"));
        const YearConsistency year = YearConsistency::Compute(m_diary, 2024, today);
        QCOMPARE(std::pair(year.Months()[0].planned, year.Months()[0].done), std::pair(5, 3));
        QCOMPARE(year.Months()[1].Share(), -1.0);
    }
    void streaks_data()
    {
        QTest::addColumn<QList<QDate>>("doneDays");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("longest");
        // 2025-12-29 is a Monday; its week ends on 2026-01-04.
        const QList<QDate> acrossNewYear {QDate(2025, 12, 17), QDate(2025, 12, 22),
                                          QDate(2026, 1, 3), QDate(2026, 1, 5)};
        QTest::newRow("across the year's end") << acrossNewYear << QDate(2026, 1, 7) << 4 << 4;
        QTest::newRow("this week not yet trained") << acrossNewYear << QDate(2026, 1, 14) << 4 << 4;
        QTest::newRow("broken off") << acrossNewYear << QDate(2026, 1, 21) << 0 << 4;
        QTest::newRow("gap of a week")
            << QList {QDate(2025, 12, 1), QDate(2025, 12, 8), QDate(2025, 12, 22)}
            << QDate(2025, 12, 24) << 1 << 2;
        QTest::newRow("days ahead do not count")
            << QList {QDate(2026, 1, 5), QDate(2026, 1, 12)} << QDate(2026, 1, 6) << 1 << 1;
    }
    void streaks()
    {
        QFETCH(QList<QDate>, doneDays);
        QFETCH(QDate, today);
        QFETCH(int, current);
        QFETCH(int, longest);
        for (const QDate &date : doneDays)
            AddWorkouts(m_diary, date, QStringLiteral("W:failed W:done"));
        // Weeks without a Done workout break a streak.
        Fill(m_diary, QStringLiteral("10.12.2025 W:failed"));
        const WeekStreaks streaks = Consistency::Streaks(m_diary, today);
        QCOMPARE(streaks.current, current);
        QCOMPARE(streaks.longest, longest);
    }
    void emptyDiary()
    {
        QVERIFY(ExerciseCatalog::Build(m_diary, {}).isEmpty());
        const ExerciseHistory history = ExerciseHistory::Collect(m_diary, Bench, {});
        QCOMPARE(history.Name(), Bench);
        QVERIFY(history.IsEmpty() && history.Records().IsEmpty());
        QVERIFY(PersonalRecords::ForAll(m_diary, {}).isEmpty());
        const YearConsistency year = YearConsistency::Compute(m_diary, 2024, QDate(2024, 5, 1));
        QCOMPARE(year.Days().count(DayClass::NoWorkout), year.Days().size());
        QCOMPARE(year.Months()[3].Share(), -1.0);
        QCOMPARE(Consistency::Streaks(m_diary, QDate(2024, 5, 1)).longest, 0);
    }
    void periodPoints_data()
    {
        QTest::addColumn<int>("measure");
        QTest::addColumn<int>("room"); // points the chart has room for
        QTest::addColumn<QString>("points"); // after what a point stands for
        const int heaviest = int(ProgressMeasure::Heaviest);
        QTest::newRow("room for every day")
            << heaviest << 4 << "01-06 100, 01-08 110, 01-13 110, 02-03 90";
        QTest::newRow("weeks take their best day")
            << heaviest << 3
            << "One point per week: the best of each week., 01-08 110, 01-13 110, 02-03 90";
        QTest::newRow("weeks sum the volume")
            << int(ProgressMeasure::Volume) << 3
            << "One point per week: the sum of each week., 01-08 1800, 01-13 500, 02-03 300";
        QTest::newRow("months take their best day")
            << heaviest << 2 << "One point per month: the best of each month., 01-08 110, 02-03 90";
        QTest::newRow("months sum the sets")
            << int(ProgressMeasure::Sets) << 1
            << "One point per month: the sum of each month., 01-13 6, 02-03 4";
    }
    void periodPoints()
    {
        QFETCH(int, measure);
        QFETCH(int, room);
        QFETCH(QString, points);
        // Monday and Wednesday of one week, the next Monday, a day of the next month. The month's
        // best is reached twice: its point keeps the first day that reached it.
        const QList<ExerciseDayStats> days = {
            {.date = QDate(2025, 1, 6), .heaviest = 100, .volume = 1000, .sets = 3},
            {.date = QDate(2025, 1, 8), .heaviest = 110, .volume = 800, .sets = 2},
            {.date = QDate(2025, 1, 13), .heaviest = 110, .volume = 500, .sets = 1},
            {.date = QDate(2025, 2, 3), .heaviest = 90, .volume = 300, .sets = 4}};
        const PointPeriod period = PeriodPoints::FinestPeriod(days, room);
        QStringList shown {PeriodPoints::Description(period, ProgressMeasure(measure))};
        for (const MeasurePoint &point :
             PeriodPoints::Points(days, ProgressMeasure(measure), period))
            shown.append(point.date.toString("MM-dd ") + QString::number(point.value));
        shown.removeAll(QString());
        QCOMPARE(shown.join(QStringLiteral(", ")), points);
    }
    void valueScale_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QList<double>>("scale"); // min, max, step
        QTest::newRow("a 200 kg best") << 150.0 << 200.0 << QList<double> {140, 220, 20};
        QTest::newRow("21 sets") << 9.0 << 21.0 << QList<double> {5, 25, 5};
        QTest::newRow("from zero") << 0.0 << 200.0 << QList<double> {0, 250, 50};
        QTest::newRow("one value") << 100.0 << 100.0 << QList<double> {90, 110, 5};
        QTest::newRow("only zeros") << 0.0 << 0.0 << QList<double> {0, 1, 0.2};
        QTest::newRow("decimals") << 1.2 << 1.9 << QList<double> {1, 2, 0.2};
    }
    void valueScale()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QList<double>, scale);
        const ValueScale fitted = ValueScale::Fit(low, high);
        QCOMPARE((QList<double> {fitted.min, fitted.max, fitted.step}), scale);
        QVERIFY(fitted.tickCount <= 6);
        QCOMPARE(fitted.tickCount, qRound((fitted.max - fitted.min) / fitted.step) + 1);
        // Room beyond the data, so that points there are drawn whole.
        QVERIFY(fitted.max > high && (fitted.min < low || low == 0.0));
    }
    void search_data()
    {
        QTest::addColumn<QString>("text");
        // Each match as its date, where it was found and the field's text, the matched part in
        // brackets; '|' between matches.
        QTest::addColumn<QStringList>("matches");
        const auto row = [](const char *name, const char *text, const char *matches) {
            QTest::newRow(name) << QString::fromUtf8(text)
                                << QString::fromUtf8(matches).split(u'|', Qt::SkipEmptyParts);
        };
        row("case, a mark beyond 16 bits", "SQUAT", "2024-03-04 exercise [Squat\U0001E000]");
        row("accents in the diary", "creme brulee", "2024-03-18 exercise [Crème brûlée] curl");
        row("accents typed, newest first", "NÉGATIVES",
            "2024-03-11 exercise note [NEGATIVES] only|2024-03-04 exercise note Slow [negatives]");
        row("combining marks in the diary", "lege", "2024-03-11 workout [Le\u0301ge\u0300]re");
        row("ligature and day note", "fin",
            "2024-03-18 exercise note [\ufb01n]al set|2024-03-04 day note Knee felt odd\nthen "
            "[fin]e");
        row("across a line break", "odd then", "2024-03-04 day note Knee felt [odd\nthen] fine");
        row("workout before its exercises", "press",
            "2024-03-18 workout [Press]ing|2024-03-18 exercise Bench [press]");
        row("no match", "rowing", "");
        row("only a mark", "\u0301", "");
        row("only a space", " ", "");
    }
    void search();

private:
    DiaryDatabase m_diary; // emptied before each case
};

void TestStats::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, matches);
    Fill(m_diary,
         QStringLiteral(
             "4.3.2024 \"Knee felt odd\nthen fine\" Legs[Squat\U0001E000 \"Slow negatives\"]; "
             "18.3.2024 Pressing[Bench_press, Crème_brûlée_curl \"\ufb01nal set\"]; "
             "11.3.2024 Le\u0301ge\u0300re[Deadlift \"NEGATIVES only\"]"));
    DiarySearch search;
    search.Rebuild(m_diary);
    QStringList found;
    for (const SearchMatch &match : search.Find(text))
        found.append(QStringLiteral("%1 %2 %3")
                         .arg(match.date.toString(Qt::ISODate), DiarySearch::FieldName(match.field),
                              QString(match.text)
                                  .insert(match.start + match.length, u']')
                                  .insert(match.start, u'[')));
    QCOMPARE(found, matches);
    QCOMPARE(DiarySearch::OneLine("a\r\nb\tc\u2028d\u2029e"), "a  b c d e");
}

REPBOOK_TEST_MAIN_CORE(TestStats)
#include "tst_stats.moc"
