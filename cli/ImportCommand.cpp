#include "cli/ImportCommand.h"

#include "exchange/DiaryImport.h"
#include "exchange/ImportSource.h"
#include "model/DataFolder.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QCommandLineOption
    FormatOption({QStringLiteral("format")},
                 QStringLiteral("auto (default), csv, json, strong, hevy, fitnotes or liftlog."),
                 QStringLiteral("FORMAT"), QStringLiteral("auto"));
const QCommandLineOption DryRunOption({QStringLiteral("n"), QStringLiteral("dry-run")},
                                      QStringLiteral("Only print what would be added."));

} // namespace

ImportCommand::ImportCommand()
    : Command(QStringLiteral("import"),
              QStringLiteral("Adds the workouts of a Repbook CSV or JSON export, or of a CSV "
                             "export of Strong, Hevy, FitNotes or LiftLog, to the diary. "
                             "Workouts "
                             "already in the diary are left out. Safe while Repbook or "
                             "Repminder runs."))
{
}

void ImportCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addOptions({FormatOption, DryRunOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to import."));
}

int ImportCommand::Execute(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return Usage(QStringLiteral("import takes exactly one file."));
    const auto format = ImportSource::FormatFromKey(parser.value(FormatOption));
    if (!format)
        return Usage(QStringLiteral("unknown format \"%1\".").arg(parser.value(FormatOption)));

    ImportedData data;
    QString error;
    if (!ImportSource::ReadFile(files.first(), *format, data, error)) {
        PrintError(error);
        return Failed;
    }
    const QString path = DiaryPath(parser);
    // A damaged diary is left for the diary program, which sets it aside with a question.
    DiaryDatabase check;
    if (!LoadDiary(path, check, error)) {
        PrintError(error);
        return Failed;
    }
    if (parser.isSet(DryRunOption)) {
        PrintOut(DiaryImport::SummaryLines(DiaryImport::MakePlan(data, check)).join(u'\n') + u'\n');
        return Done;
    }

    // A first import into the data folder creates it, as the programs do at their first start.
    if (path == DataFolder::DatabasePath())
        DataFolder::EnsureDatabaseFolder();
    DiaryDatabase diary;
    SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
    if (!file.Open(path) && QFileInfo::exists(path)) {
        PrintError(
            QStringLiteral("The diary %1 cannot be read.").arg(QDir::toNativeSeparators(path)));
        return Failed;
    }
    const DiaryImport::Plan plan = DiaryImport::MakePlan(data, diary);
    PrintOut(DiaryImport::SummaryLines(plan).join(u'\n') + u'\n');
    if (plan.AddsNothing()) {
        PrintOut(QStringLiteral("Nothing to add.\n"));
        return Done;
    }
    const DiaryImport::Added added = DiaryImport::Apply(plan, diary);
    const SharedDiaryFile::Outcome outcome = file.Save();
    if (!outcome.ok) {
        PrintError(outcome.error);
        return Failed;
    }
    const QString folder = QFileInfo(path).absolutePath();
    DiaryImport::RememberNames(added, folder + QStringLiteral("/UTList.txt"),
                               folder + QStringLiteral("/UEList.txt"));
    if (!outcome.conflicts.isEmpty())
        PrintError(QStringLiteral("Days changed meanwhile by another program were kept in %1.")
                       .arg(QDir::toNativeSeparators(outcome.conflictFile)));
    PrintOut(QStringLiteral("Added %1 workouts with %2 exercises (%3 new days).\n")
                 .arg(added.workouts)
                 .arg(added.exercises)
                 .arg(added.days));
    return Done;
}
