// Writes a sample diary (see bench/DiaryGenerator.h):
//   make_sample_diary <path> [years]           years of realistic training, for the statistics
//   make_sample_diary --screenshots <folder>   <folder>/Database.rpd, the screenshots' diary

#include "bench/DiaryGenerator.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool screenshots = argc > 2 && std::strcmp(argv[1], "--screenshots") == 0;
    // Any other option (--help included) is a question, never a file name to write.
    if (argc < 2 || (argv[1][0] == '-' && !screenshots)) {
        std::fprintf(stderr,
                     "usage: make_sample_diary <path> [years]\n"
                     "       make_sample_diary --screenshots <database folder>\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[screenshots ? 2 : 1]);
    DiaryDatabase database;
    if (screenshots) {
        DiaryGenerator::FillSplit(database, QDate::currentDate());
        if (!QDir().mkpath(target)) {
            std::fprintf(stderr, "cannot make the folder %s\n", argv[2]);
            return 1;
        }
        database.SetPath(QDir(target).filePath(QStringLiteral("Database.rpd")));
    } else {
        const int years = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
        DiaryGenerator::FillProgress(database, QDate::currentDate(), years);
        database.SetPath(target);
    }
    if (!database.Save()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(database.GetPath()));
        return 1;
    }
    return 0;
}
