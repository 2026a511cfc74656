// Helper of TestCrashSafety, not a test itself: saves a large diary again and again until it is
// killed, so that the test can kill it in the middle of a save.
//
//   save_victim prepare <folder>  writes the two contents, A.rpd and B.rpd, and exits
//   save_victim run <file> <A> <B>  opens the two contents, prints "ready", then saves them
//                                   over file in turn, content B first, forever, printing
//                                   "saved" after each save

#include "bench/DiaryGenerator.h"
#include "model/DiaryDatabase.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Years of generated days: about 1.5 MB of file, a few milliseconds per save.
constexpr int Years = 5;

// Turns content A into content B: a note on every seventh day and a heavier first exercise on
// every other day, so B is longer and differs all through the file.
void MakeVariant(DiaryDatabase &database)
{
    for (int i = 0; i < database.GetDayCount(); ++i) {
        TrainingDay &day = *database.GetDay(i);
        if (i % 7 == 0)
            day.SetNotes(QStringLiteral("Variant B, day %1").arg(i));
        if (i % 2 == 0 && day.GetWorkoutCount() > 0 && day.GetWorkout(0)->GetExerciseCount() > 0) {
            ExerciseEntry &exercise = *day.GetWorkout(0)->GetExercise(0);
            exercise.SetWeight(exercise.GetWeight() + 2.5f);
        }
    }
}

int Prepare(const QString &folder)
{
    DiaryDatabase database;
    DiaryGenerator::Fill(database, Years);
    database.SetPath(QDir(folder).filePath(QStringLiteral("A.rpd")));
    if (!database.Save())
        return 2;
    MakeVariant(database);
    database.SetPath(QDir(folder).filePath(QStringLiteral("B.rpd")));
    return database.Save() ? 0 : 2;
}

int Run(const QString &path, const QString &pathA, const QString &pathB)
{
    DiaryDatabase contentA;
    DiaryDatabase contentB;
    if (!contentA.Open(pathA) || !contentB.Open(pathB))
        return 3;
    contentA.SetPath(path);
    contentB.SetPath(path);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line reaches the test at once
    std::puts("ready");
    for (;;) {
        for (DiaryDatabase *content : {&contentB, &contentA}) {
            if (!content->Save())
                return 4;
            std::puts("saved");
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("prepare"))
        return Prepare(arguments[2]);
    if (arguments.size() == 5 && arguments[1] == QLatin1String("run"))
        return Run(arguments[2], arguments[3], arguments[4]);
    std::fputs("usage: save_victim prepare <folder> | run <file> <A> <B>\n", stderr);
    return 1;
}
