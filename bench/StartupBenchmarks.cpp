// Start-up of the diary with an empty diary and generated diaries of 1, 10, 20 and 50 years,
// next to two yardsticks: an empty Qt Widgets window and one that shows text. Each run starts
// the program offscreen (or on the display QT_QPA_PLATFORM names) and ends when its window has
// painted (REPBOOK_QUIT_WHEN_SHOWN). Reported per run, up to that first paint (the program's
// teardown is not counted): the time from spawning to the painted window, the child's CPU time
// (cpu_ms), its peak and present resident memory (maxrss_MB, rss_MB) and the anonymous part of
// the latter (anon_MB: heap and stacks, without the mapped libraries and fonts).

#include "bench/BenchFiles.h"
#include "diary/QuitWhenShown.h"
#include "model/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct ChildRun
{
    double shownSeconds = 0;
    double cpuSeconds = 0;
    double maxRssMb = 0;
    double rssMb = 0;
    double anonMb = 0;
    bool ok = false;
};

qint64 MonotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The line QuitWhenShown writes when the window has painted.
bool ReadReport(const QByteArray &output, qint64 startNs, ChildRun &run)
{
    qint64 shown = 0, cpu = 0, hwm = 0, rss = 0, anon = 0;
    if (std::sscanf(output.constData(),
                    "shown_ns=%lld cpu_ns=%lld hwm_kb=%lld rss_kb=%lld anon_kb=%lld", &shown, &cpu,
                    &hwm, &rss, &anon) != 5 ||
        shown < startNs)
        return false;
    run.shownSeconds = double(shown - startNs) / 1e9;
    run.cpuSeconds = double(cpu) / 1e9;
    run.maxRssMb = double(hwm) / 1024.0;
    run.rssMb = double(rss) / 1024.0;
    run.anonMb = double(anon) / 1024.0;
    return true;
}

ChildRun RunChild(const QString &program, const QStringList &arguments)
{
    ChildRun run;
    const QByteArray path = QFile::encodeName(program);
    QList<QByteArray> texts {path};
    for (const QString &argument : arguments)
        texts.append(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    int output[2];
    if (pipe(output) != 0)
        return run;
    // The platform plugin's chatter would drown the table; the report comes through the pipe.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const qint64 start = MonotonicNs();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    QByteArray report;
    char buffer[256];
    for (ssize_t got; spawned == 0 && (got = read(output[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, got);
    close(output[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid)
        return run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && ReadReport(report, start, run);
    return run;
}

void Measure(benchmark::State &state, const QString &program, const QStringList &arguments = {})
{
    double cpu = 0;
    double rss = 0;
    double present = 0;
    double anon = 0;
    for (auto _ : state) {
        const ChildRun run = RunChild(program, arguments);
        if (!run.ok) {
            state.SkipWithError("the program did not start, report its window and quit cleanly");
            return;
        }
        state.SetIterationTime(run.shownSeconds);
        cpu += run.cpuSeconds;
        rss = std::max(rss, run.maxRssMb);
        present = std::max(present, run.rssMb);
        anon = std::max(anon, run.anonMb);
    }
    state.counters["cpu_ms"] = 1000.0 * cpu / double(state.iterations());
    state.counters["maxrss_MB"] = rss;
    state.counters["rss_MB"] = present;
    state.counters["anon_MB"] = anon;
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
    // Offscreen unless a display platform was chosen (xcb with DISPLAY set, for instance).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
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
    benchmark::RegisterBenchmark("BM_StartEmptyWindowWithText",
                                 [folder](benchmark::State &state) {
                                     Measure(state, folder + QStringLiteral("/bench_empty_window"),
                                             {QStringLiteral("--text")});
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    auto *diary =
        benchmark::RegisterBenchmark("BM_StartDiary", [folder, &files](benchmark::State &state) {
            InstallDiary(files, int(state.range(0)));
            Measure(state, folder + QStringLiteral("/repbook"));
            state.counters["file_MB"] = double(files.SizeOf(int(state.range(0)))) / 1e6;
        });
    diary->Arg(0); // a diary without days: what the window itself costs
    for (const int years : YearCounts)
        diary->Arg(years);
    diary->UseManualTime()->Unit(benchmark::kMillisecond);

    return RunRegisteredBenchmarks(argc, argv);
}
