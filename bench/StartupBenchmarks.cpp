// Start-up of the diary with generated diaries of 1, 10, 20 and 50 years, next to an empty Qt
// Widgets window: each run starts the program offscreen and ends when its window has painted
// (REPBOOK_QUIT_WHEN_SHOWN). Reported per run: wall time, the child's CPU time (cpu_ms) and its
// peak resident memory (maxrss_MB).

#include "bench/BenchFiles.h"
#include "diary/QuitWhenShown.h"
#include "model/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

struct ChildRun
{
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double maxRssMb = 0;
    bool ok = false;
};

ChildRun RunChild(const QString &program)
{
    ChildRun run;
    const QByteArray path = QFile::encodeName(program);
    char *argv[] = {const_cast<char *>(path.constData()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    // The platform plugin's chatter would drown the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.maxRssMb = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

void Measure(benchmark::State &state, const QString &program)
{
    double cpu = 0;
    double rss = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(program);
        if (!run.ok) {
            state.SkipWithError("the program did not start and quit cleanly");
            return;
        }
        state.SetIterationTime(run.wallSeconds);
        cpu += run.cpuSeconds;
        rss = std::max(rss, run.maxRssMb);
    }
    state.counters["cpu_ms"] = 1000.0 * cpu / double(state.iterations());
    state.counters["maxrss_MB"] = rss;
}

// Settings and folders that let the diary start straight into its main window: user data
// filled in (no first-run dialog), no password (no gate), a private runtime folder.
void PrepareEnvironment(const QString &root)
{
    QDir(root).mkpath(QStringLiteral("config/Ironvale"));
    QDir(root).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile settings(root + QStringLiteral("/config/Ironvale/Repbook.conf"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[User]\nFilled=1\n") < 0)
        qFatal("cannot write the settings");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QStringLiteral("/runtime")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv(QuitWhenShown::Variable, "1");
}

// Puts the diary of that many years in place as the diary's database.
void InstallDiary(BenchFiles &files, int years)
{
    const QString target = DataFolder::DatabasePath();
    QFile::remove(target);
    if (!QFile::copy(files.PathFor(years), target))
        qFatal("cannot copy the diary to %s", qPrintable(target));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BenchFiles files;
    PrepareEnvironment(files.Root());
    const QString folder = QCoreApplication::applicationDirPath();

    benchmark::RegisterBenchmark("BM_StartEmptyWindow",
                                 [folder](benchmark::State &state) {
                                     Measure(state, folder + QStringLiteral("/bench_empty_window"));
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    auto *diary =
        benchmark::RegisterBenchmark("BM_StartDiary", [folder, &files](benchmark::State &state) {
            InstallDiary(files, int(state.range(0)));
            Measure(state, folder + QStringLiteral("/repbook"));
            state.counters["file_MB"] = double(files.SizeOf(int(state.range(0)))) / 1e6;
        });
    for (const int years : YearCounts)
        diary->Arg(years);
    diary->UseManualTime()->Unit(benchmark::kMillisecond);

    return RunRegisteredBenchmarks(argc, argv);
}
