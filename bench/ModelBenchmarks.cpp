// Benchmarks of the diary file operations and the calendar's date lookups on generated diaries
// of 1, 10, 20 and 50 years. Each file operation is reported next to BM_Md5, the MD5 of the same
// file read from disk.

#include "bench/BenchFiles.h"
#include "model/CMD5Checksum.h"
#include "model/ConflictCopyMerge.h"
#include "model/DatabaseFile.h"
#include "model/DaysSnapshot.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/SyncBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace {

// A calendar year as the main window shows it: 53 weeks of seven cells.
constexpr int CalendarCells = 371;

void SetBytes(benchmark::State &state, qint64 bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["MB"] = double(bytes) / 1e6;
}

// Bytes of the C library's heap in use, block headers included.
qint64 HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

void RegisterAll(BenchFiles &files)
{
    // Every benchmark counts the CPU time of the whole process, so work handed to another
    // thread is not hidden; wall time is the real time column.
    const auto add = [](const char *name, auto function) {
        auto *bench = benchmark::RegisterBenchmark(name, function);
        for (const int years : YearCounts)
            bench->Arg(years);
        bench->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
    };

    add("BM_Md5", [&files](benchmark::State &state) {
        const QString path = files.PathFor(int(state.range(0)));
        for (auto _ : state)
            benchmark::DoNotOptimize(CMD5Checksum::GetMD5(path));
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    add("BM_CheckDatabaseIntegrity", [&files](benchmark::State &state) {
        const QString path = files.PathFor(int(state.range(0)));
        for (auto _ : state) {
            if (!CheckDatabaseIntegrity(path))
                state.SkipWithError("check failed");
        }
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    add("BM_Open", [&files](benchmark::State &state) {
        const QString path = files.PathFor(int(state.range(0)));
        for (auto _ : state) {
            auto database = std::make_unique<DiaryDatabase>();
            if (!database->Open(path))
                state.SkipWithError("open failed");
            // Freeing the diary is not part of opening it.
            state.PauseTiming();
            database.reset();
            state.ResumeTiming();
        }
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    add("BM_OpenHeap", [&files](benchmark::State &state) {
        // The heap the opened diary keeps (its file's bytes are freed by then): heap_MB, and
        // heap_per_file_byte against the file's size. The time is Open's again.
        const QString path = files.PathFor(int(state.range(0)));
        qint64 held = 0;
        for (auto _ : state) {
            const qint64 before = HeapInUse();
            auto database = std::make_unique<DiaryDatabase>();
            if (!database->Open(path))
                state.SkipWithError("open failed");
            held = HeapInUse() - before;
            state.PauseTiming();
            database.reset();
            state.ResumeTiming();
        }
        state.counters["heap_MB"] = double(held) / 1e6;
        state.counters["heap_per_file_byte"] =
            double(held) / double(files.SizeOf(int(state.range(0))));
    });
    add("BM_CheckThenOpen", [&files](benchmark::State &state) {
        // What the diary does at start-up.
        const QString path = files.PathFor(int(state.range(0)));
        for (auto _ : state) {
            auto database = std::make_unique<DiaryDatabase>();
            if (!CheckDatabaseIntegrity(path) || !database->Open(path))
                state.SkipWithError("open failed");
            state.PauseTiming();
            database.reset();
            state.ResumeTiming();
        }
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    add("BM_SharedFileOpen", [&files](benchmark::State &state) {
        // What the diary does at start-up: read, check, fingerprint and group the file (the
        // check runs on a second thread: the process's CPU time counts both) and bind to it.
        const QString path = files.PathFor(int(state.range(0)));
        for (auto _ : state) {
            auto database = std::make_unique<DiaryDatabase>();
            auto file = std::make_unique<SharedDiaryFile>(*database, DiaryMerge::Winner::Memory);
            if (!file->Open(SharedDiaryFile::Read(path)))
                state.SkipWithError("open failed");
            state.PauseTiming();
            file.reset();
            database.reset();
            state.ResumeTiming();
        }
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    add("BM_Save", [&files](benchmark::State &state) {
        DiaryDatabase database;
        database.Open(files.PathFor(int(state.range(0))));
        database.SetPath(database.GetPath() + QStringLiteral(".saved"));
        for (auto _ : state) {
            if (!database.Save())
                state.SkipWithError("save failed");
        }
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    add("BM_SharedFileSaveUnchanged", [&files](benchmark::State &state) {
        // The diary's minute tick when nothing changed: a look at the file and a comparison.
        DiaryDatabase database;
        SharedDiaryFile file(database, DiaryMerge::Winner::Memory);
        file.Open(files.PathFor(int(state.range(0))));
        for (auto _ : state) {
            if (file.Save().saved)
                state.SkipWithError("an unchanged diary was written");
        }
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    add("BM_SharedFileMergeOtherSave", [&files](benchmark::State &state) {
        // Taking in the other program's change of one day while this one changed another.
        const QString path = files.PathFor(int(state.range(0))) + QStringLiteral(".shared");
        QFile::remove(path);
        QFile::copy(files.PathFor(int(state.range(0))), path);
        DiaryDatabase mine;
        DiaryDatabase theirs;
        SharedDiaryFile myFile(mine, DiaryMerge::Winner::Memory);
        SharedDiaryFile theirFile(theirs, DiaryMerge::Winner::Disk);
        myFile.Open(path);
        theirFile.Open(path);
        int round = 0;
        for (auto _ : state) {
            state.PauseTiming();
            ++round;
            theirs.GetDay(theirs.GetDayCount() - 1)->SetNotes(QString::number(round));
            theirFile.Save();
            mine.GetDay(0)->SetNotes(QString::number(round));
            state.ResumeTiming();
            if (myFile.Refresh().conflicts.size() != 0)
                state.SkipWithError("unexpected conflict");
        }
        SetBytes(state, files.SizeOf(int(state.range(0))));
    });
    // A sync engine's conflict copy whose other computer changed one day, taken in as the
    // diary does: read, checked and grouped on a worker thread (BM_ConflictCopyRead), then
    // merged by date on the window's thread, the diary saved, the copy removed and the base
    // written (BM_SharedFileMergeConflictCopy, the part the window waits for).
    for (const bool windowPart : {false, true}) {
        const char *name = windowPart ? "BM_SharedFileMergeConflictCopy" : "BM_ConflictCopyRead";
        add(name, [&files, windowPart](benchmark::State &state) {
            const QString folder = files.PathFor(int(state.range(0))) + QStringLiteral(".synced");
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
            const QString path = folder + QStringLiteral("/Database.rpd");
            QFile::copy(files.PathFor(int(state.range(0))), path);
            const QString copyPath =
                folder + QStringLiteral("/Database.sync-conflict-20261207-120000-BENCHPC.rpd");
            DiaryDatabase mine;
            DiaryDatabase theirs;
            SharedDiaryFile myFile(mine, DiaryMerge::Winner::Memory);
            myFile.Open(path);
            theirs.Open(path);
            int round = 0;
            for (auto _ : state) {
                state.PauseTiming();
                SyncBase base(SyncBase::PathFor(path));
                base.AgreeOn(DiaryMerge::GroupByDate(mine));
                base.Save();
                theirs.GetDay(theirs.GetDayCount() - 1)->SetNotes(QString::number(++round));
                theirs.SetPath(copyPath);
                theirs.Save();
                if (windowPart) {
                    const auto read = ConflictCopyMerge::Prepare(path);
                    state.ResumeTiming();
                    const ConflictCopyMerge::Outcome merged =
                        ConflictCopyMerge::Apply(myFile, *read);
                    if (!merged.ok || !merged.conflicts.isEmpty() || merged.copies.size() != 1)
                        state.SkipWithError("the copy was not merged cleanly");
                } else {
                    state.ResumeTiming();
                    const auto read = ConflictCopyMerge::Prepare(path);
                    state.PauseTiming();
                    ConflictCopyMerge::Apply(myFile, *read);
                    state.ResumeTiming();
                }
            }
            SetBytes(state, files.SizeOf(int(state.range(0))));
        });
    }
    add("BM_HistoryStepOneDate", [&files](benchmark::State &state) {
        // A step of the main window's history on one date: the snapshots before and after the
        // change, the check before undoing it and the undo.
        DiaryDatabase database;
        database.Open(files.PathFor(int(state.range(0))));
        const QList<DateValue> dates = {database.GetDay(database.GetDayCount() / 2)->GetDate()};
        for (auto _ : state) {
            const DaysSnapshot before = DaysSnapshot::Take(database, dates);
            database.FindDay(dates.first())->SetNotes(QStringLiteral("changed"));
            const DaysSnapshot after = DaysSnapshot::Take(database, dates);
            if (!after.Matches(database))
                state.SkipWithError("the step does not match");
            before.Restore(database);
        }
    });
    add("BM_HistoryStepAnyDate", [&files](benchmark::State &state) {
        // A step whose dates are found by comparing the whole diary (an import, a restore).
        DiaryDatabase database;
        database.Open(files.PathFor(int(state.range(0))));
        for (auto _ : state) {
            const DaysSnapshot before = DaysSnapshot::TakeAll(database);
            database.GetDay(0)->SetNotes(QStringLiteral("changed"));
            const DaysSnapshot after = DaysSnapshot::TakeAll(database);
            const QList<DateValue> changed = DaysSnapshot::ChangedDates(before, after);
            benchmark::DoNotOptimize(before.Only(changed));
            before.Only(changed).Restore(database);
        }
    });
    add("BM_CalendarYearDateIndex", [&files](benchmark::State &state) {
        DiaryDatabase database;
        database.Open(files.PathFor(int(state.range(0))));
        // The last year of the diary, starting on a Monday.
        const DateValue last = database.GetDay(database.GetDayCount() - 1)->GetDate();
        const DateValue start = last - 364 - last.GetDayOfWeekIndex();
        for (auto _ : state) {
            const DiaryDatabase::DateIndex index = database.MakeDateIndex();
            int found = 0;
            for (int cell = 0; cell < CalendarCells; ++cell)
                found += index.Find(start + cell) ? 1 : 0;
            benchmark::DoNotOptimize(found);
        }
    });
    add("BM_CalendarYearFindDay", [&files](benchmark::State &state) {
        DiaryDatabase database;
        database.Open(files.PathFor(int(state.range(0))));
        const DateValue last = database.GetDay(database.GetDayCount() - 1)->GetDate();
        const DateValue start = last - 364 - last.GetDayOfWeekIndex();
        for (auto _ : state) {
            int found = 0;
            for (int cell = 0; cell < CalendarCells; ++cell)
                found += database.FindDay(start + cell) ? 1 : 0;
            benchmark::DoNotOptimize(found);
        }
    });
}

} // namespace

int main(int argc, char **argv)
{
    // The shared file watches its file, which needs an application object.
    QCoreApplication app(argc, argv);
    BenchFiles files;
    RegisterAll(files);
    return RunRegisteredBenchmarks(argc, argv);
}
