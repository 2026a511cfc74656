// Benchmarks of the statistics and the Progress window on the generated 20-year diary (about
// 131,000 exercise entries), reported next to BM_Md5, the MD5 of the same diary's file.
// Targets: all statistics of one exercise under 20 ms, the exercise list under 50 ms, a year's
// consistency under 5 ms, opening the window under 300 ms.

#include "bench/BenchFiles.h"
#include "bench/DiaryGenerator.h"
#include "model/CMD5Checksum.h"
#include "model/Clock.h"
#include "progress/CExercisePage.h"
#include "progress/CProgressDlg.h"
#include "stats/Consistency.h"
#include "stats/ExerciseCatalog.h"
#include "stats/ExerciseHistory.h"

#include <QApplication>
#include <QTemporaryDir>

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

} // namespace

BENCHMARK(BM_Md5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExerciseStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExerciseList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearConsistency)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenProgressWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchExercise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateUnchanged)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The window benchmarks need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunRegisteredBenchmarks(argc, argv);
}
