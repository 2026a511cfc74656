#pragma once

#include <QString>
#include <QTemporaryDir>

// The diary sizes every benchmark runs on, in years.
inline constexpr int YearCounts[] = {1, 10, 20, 50};

// Runs the registered benchmarks with the command line's options; the exit code of main.
int RunRegisteredBenchmarks(int argc, char **argv);

// The generated diaries of the benchmarks and their files, made once per size in a temporary
// REPBOOK_HOME. With REPBOOK_BENCH_KEEP set, the folder is kept and its path printed (to compare
// with md5sum).
class BenchFiles
{
public:
    BenchFiles();

    // The diary of that many years, written on first use.
    QString PathFor(int years);
    qint64 SizeOf(int years);
    // The temporary folder everything lives in.
    QString Root() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
};
