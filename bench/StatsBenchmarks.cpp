// Benchmarks of the statistics and the Progress window on the generated 20-year diary (about
// 131,000 exercise entries), reported next to BM_Md5, the MD5 of the same diary's file.
// Targets: all statistics of one exercise under 20 ms, the exercise list under 50 ms, a year's
// consistency under 5 ms, opening the window under 300 ms, each keystroke of a search (reading
// the diary again after a change, then finding 1, 2 and 5 typed characters) under 50 ms.

#include "bench/BenchFiles.h"
#include "bench/DiaryGenerator.h"
#include "diary/CFindDlg.h"
#include "model/CMD5Checksum.h"
#include "model/Clock.h"
#include "progress/CExercisePage.h"
#include "progress/CProgressDlg.h"
#include "stats/Consistency.h"
#include "stats/DiarySearch.h"
#include "stats/ExerciseCatalog.h"
#include "stats/ExerciseHistory.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

constexpr int Years = 20;

// Made once: the diary in memory and its file in a temporary folder.
struct Diary
{
    Diary()
    {
        DiaryGenerator::Fill(database, Years);
        path = folder.filePath(QStringLiteral("Database.rpd"));
        database.SetPath(path);
        // Read back, so the names are stored as a diary read from disk stores them.
        if (!database.Save() || !database.Open(path))
            qFatal("cannot write and read %s", qPrintable(path));
    }

    QTemporaryDir folder;
    DiaryDatabase database;
    QString path;
};

Diary &TheDiary()
{
    static Diary diary;
    return diary;
}

int EntryCount(const DiaryDatabase &database)
{
    int count = 0;
    for (int d = 0; d < database.GetDayCount(); ++d) {
        const TrainingDay *day = database.GetDay(d);
        for (int w = 0; w < day->GetWorkoutCount(); ++w)
            count += day->GetWorkout(w)->GetExerciseCount();
    }
    return count;
}

// The diary's last year: the one the window opens on.
QDate LastDay()
{
    const DiaryDatabase &database = TheDiary().database;
    return database.GetDay(database.GetDayCount() - 1)->GetDate().ToQDate();
}

void BM_Md5(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CMD5Checksum::GetMD5(TheDiary().path));
    state.counters["entries"] = EntryCount(TheDiary().database);
}

void BM_ExerciseStatistics(benchmark::State &state)
{
    // Everything the window shows of one exercise: the measures per day and the records.
    for (auto _ : state) {
        const ExerciseHistory history =
            ExerciseHistory::Collect(TheDiary().database, QStringLiteral("Bench press"), {});
        benchmark::DoNotOptimize(history.Records());
    }
}

void BM_ExerciseList(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ExerciseCatalog::Build(TheDiary().database, {}));
}

void BM_YearConsistency(benchmark::State &state)
{
    const QDate today = LastDay();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            YearConsistency::Compute(TheDiary().database, today.year(), today));
        benchmark::DoNotOptimize(Consistency::Streaks(TheDiary().database, today));
    }
}

void BM_OpenProgressWindow(benchmark::State &state)
{
    Clock::SetFixed(QDateTime(LastDay(), QTime(12, 0)));
    for (auto _ : state) {
        CProgressDlg dialog(TheDiary().database);
        dialog.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
    Clock::Reset();
}

void BM_SwitchExercise(benchmark::State &state)
{
    Clock::SetFixed(QDateTime(LastDay(), QTime(12, 0)));
    CProgressDlg dialog(TheDiary().database);
    dialog.show();
    QCoreApplication::processEvents();
    const QStringList names {QStringLiteral("Squat"), QStringLiteral("Deadlift")};
    int round = 0;
    for (auto _ : state) {
        dialog.Exercises()->ChooseExercise(names[round++ % 2]);
        dialog.Exercises()->repaint();
    }
    Clock::Reset();
}

void BM_UpdateUnchanged(benchmark::State &state)
{
    // What each redraw of the calendar costs while the window is open and nothing it shows
    // changed.
    Clock::SetFixed(QDateTime(LastDay(), QTime(12, 0)));
    CProgressDlg dialog(TheDiary().database);
    dialog.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        dialog.UpdateNow();
        QCoreApplication::processEvents();
    }
    Clock::Reset();
}

void BM_SearchRebuild(benchmark::State &state)
{
    // What the Find window does after each change of the diary; the texts are already folded
    // from the first round on, as they are in the window.
    DiarySearch search;
    search.Rebuild(TheDiary().database);
    for (auto _ : state)
        search.Rebuild(TheDiary().database);
}

void BM_SearchFirstRebuild(benchmark::State &state)
{
    // The first search of the Find window: every text read and folded.
    for (auto _ : state) {
        DiarySearch search;
        search.Rebuild(TheDiary().database);
        benchmark::DoNotOptimize(search);
    }
}

void BM_Search(benchmark::State &state)
{
    // Typing "press": the search of its first 1, 2 or 5 characters.
    DiarySearch search;
    search.Rebuild(TheDiary().database);
    const QString typed = QStringLiteral("press").first(state.range(0));
    qsizetype matches = 0;
    for (auto _ : state)
        matches = search.Find(typed).size();
    state.counters["matches"] = double(matches);
}

void BM_FindWindowKeystroke(benchmark::State &state)
{
    // A keystroke in the Find window, results shown: typing the next character of "press" and
    // taking it back, in turns, so each round changes the results.
    CFindDlg dialog(TheDiary().database);
    dialog.show();
    QCoreApplication::processEvents();
    const QString typed = QStringLiteral("press").first(state.range(0));
    const QString shorter = typed.first(typed.size() - 1);
    int round = 0;
    for (auto _ : state) {
        dialog.Field()->setText(round++ % 2 ? shorter : typed);
        dialog.SearchNow();
        dialog.Results()->viewport()->repaint();
    }
}

} // namespace

BENCHMARK(BM_Md5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExerciseStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExerciseList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearConsistency)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenProgressWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchExercise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateUnchanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchFirstRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search)->Arg(1)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWindowKeystroke)->Arg(1)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The window benchmarks need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunRegisteredBenchmarks(argc, argv);
}
