#include "bench/BenchFiles.h"

#include "bench/DiaryGenerator.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"

#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>

BenchFiles::BenchFiles()
{
    qputenv("REPBOOK_HOME", QFile::encodeName(m_home.path()));
    DataFolder::EnsureDatabaseFolder();
    if (qEnvironmentVariableIsSet("REPBOOK_BENCH_KEEP")) {
        m_home.setAutoRemove(false);
        std::fprintf(stderr, "Diaries in %s\n", qPrintable(DataFolder::DatabaseFolder()));
    }
}

QString BenchFiles::PathFor(int years)
{
    const QString path = m_home.path() + QStringLiteral("/Database/diary-%1.rpd").arg(years);
    if (!QFileInfo::exists(path)) {
        DiaryDatabase database;
        DiaryGenerator::Fill(database, years);
        database.SetPath(path);
        if (!database.Save())
            qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

qint64 BenchFiles::SizeOf(int years)
{
    return QFileInfo(PathFor(years)).size();
}

int RunRegisteredBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
