// Benchmarks of the exchange library: export of the 20-year diary to CSV and JSON, and import of
// a 50,000-set Strong export with its preview plan, reported next to BM_Md5, the MD5 of the same
// diary file read from disk.

#include "bench/BenchFiles.h"
#include "bench/DiaryGenerator.h"
#include "exchange/DiaryExport.h"
#include "exchange/DiaryImport.h"
#include "exchange/ImportSource.h"
#include "model/CMD5Checksum.h"
#include "model/DiaryDatabase.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int DiaryYears = 20;
constexpr int StrongSets = 50000;

// The 20-year diary in memory and on disk, made once.
struct Fixture
{
    QTemporaryDir dir;
    QString path;
    DiaryDatabase diary;
    QByteArray strongExport;

    Fixture()
    {
        DiaryGenerator::Fill(diary, DiaryYears);
        path = dir.filePath(QStringLiteral("diary.rpd"));
        diary.SetPath(path);
        if (!diary.Save())
            qFatal("cannot write %s", qPrintable(path));
        strongExport = StrongExport(StrongSets);
    }

    // A Strong export of the given number of sets: a workout of five exercises of four sets
    // every other day, with a rest timer row after each set as the app writes them.
    static QByteArray StrongExport(int sets)
    {
        static const char *const exercises[] = {"Bench Press (Barbell)", "Squat (Barbell)",
                                                "Deadlift (Barbell)", "Pull Up",
                                                "Overhead Press (Barbell)"};
        QRandomGenerator random(16);
        QByteArray out = "Date,Workout Name,Duration,Exercise Name,Set Order,Weight,Reps,"
                         "Distance,Seconds,Notes,Workout Notes,RPE\n";
        QDate date(2015, 1, 1);
        for (int set = 0; set < sets; ++set) {
            if (set % 20 == 0)
                date = date.addDays(2);
            const QByteArray start =
                date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1() + " 18:00:00";
            out += start + ",\"Evening Workout\",1h 2m,\"" + exercises[(set / 4) % 5] + "\"," +
                QByteArray::number(set % 4 + 1) + ',' +
                QByteArray::number(40 + random.bounded(20) * 2.5) + ',' +
                QByteArray::number(5 + random.bounded(3)) + ",0,0,,,\n";
            out += start + ",\"Evening Workout\",1h 2m,\"" + exercises[(set / 4) % 5] +
                "\",Rest Timer,0,0,0,90,,,\n";
        }
        return out;
    }
};

Fixture &Files()
{
    static Fixture fixture;
    return fixture;
}

void BM_Md5(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CMD5Checksum::GetMD5(Files().path));
}

void BM_ExportCsv(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DiaryExport::Write(DiaryExport::DaysOf(Files().diary),
                                                    DiaryExport::Format::Csv, WeightUnit()));
}

void BM_ExportJson(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DiaryExport::Write(DiaryExport::DaysOf(Files().diary),
                                                    DiaryExport::Format::Json, WeightUnit()));
}

void BM_ImportStrongWithPreview(benchmark::State &state)
{
    // The preview is planned against the 20-year diary, as a long-time user would import.
    for (auto _ : state) {
        ImportedData data;
        QString error;
        if (!ImportSource::ReadData(Files().strongExport, ImportSource::Format::Auto, data, error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(DiaryImport::MakePlan(data, Files().diary));
    }
    state.counters["sets"] = StrongSets;
}

BENCHMARK(BM_Md5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportStrongWithPreview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return RunRegisteredBenchmarks(argc, argv);
}
