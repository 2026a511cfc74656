#include "cli/ImportCommand.h"

#include "exchange/DiaryImport.h"
#include "exchange/ImportNameMap.h"
#include "exchange/ImportSource.h"
#include "exchange/NameMatcher.h"
#include "model/DataFolder.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/NameList.h"
#include "model/SharedDiaryFile.h"
#include "settings/DiaryLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// "Bench Press (Barbell)=Bench press": the first equals sign parts the two names.
bool ParseRule(const QString &rule, QHash<QString, QString> &mapping)
{
    const qsizetype equals = rule.indexOf(u'=');
    const QString imported = rule.left(equals).trimmed();
    const QString diaryName = rule.mid(equals + 1).trimmed();
    if (equals < 0 || imported.isEmpty() || diaryName.isEmpty())
        return false;
    mapping.insert(imported, diaryName);
    return true;
}

// Hints at the diary names close to those of the file that no choice joins yet.
void PrintProposals(const ImportedData &data, const DiaryDatabase &diary,
                    const QString &exerciseList, const QHash<QString, QString> &mapping)
{
    NameList names(exerciseList);
    names.Load();
    const QStringList known = NameMatcher::KnownNames(diary, names.Entries());
    for (const NameMatcher::Proposal &proposal : NameMatcher::Propose(*data.days, known, mapping)) {
        if (proposal.remembered || proposal.proposed.isEmpty())
            continue;
        Command::PrintOut(
            QCoreApplication::translate("ImportCommand",
                                        "\"%1\" is no exercise of the diary; the closest is "
                                        "\"%2\" (--map \"%1=%2\" joins them).\n")
                .arg(proposal.imported, proposal.proposed));
    }
}

const QCommandLineOption FormatOption(
    {QStringLiteral("format")},
    QCoreApplication::translate("ImportCommand",
                                "auto (default), csv, json, strong, hevy, fitnotes or liftlog."),
    QStringLiteral("FORMAT"), QStringLiteral("auto"));
const QCommandLineOption MapOption(
    {QStringLiteral("map")},
    QCoreApplication::translate("ImportCommand",
                                "Joins an exercise name of the file to one of the diary, as \"NAME "
                                "IN THE FILE=DIARY NAME\" (repeatable; overrides a remembered "
                                "choice for this run)."),
    QStringLiteral("RULE"));
const QCommandLineOption
    DryRunOption({QStringLiteral("n"), QStringLiteral("dry-run")},
                 QCoreApplication::translate("ImportCommand", "Only print what would be added."));
const QCommandLineOption VerboseOption(
    {QStringLiteral("v"), QStringLiteral("verbose")},
    QCoreApplication::translate("ImportCommand", "Also print a line for every date."));

} // namespace

ImportCommand::ImportCommand()
    : Command(QStringLiteral("import"),
              QCoreApplication::translate(
                  "ImportCommand",
                  "Adds the workouts of a Repbook CSV or JSON export, or of a CSV "
                  "export of Strong, Hevy, FitNotes or LiftLog, to the diary. "
                  "Workouts "
                  "already in the diary are left out. Safe while Repbook or "
                  "Repminder runs."))
{
}

void ImportCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addOptions({FormatOption, MapOption, DryRunOption, VerboseOption});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("ImportCommand", "The file to import."));
}

int ImportCommand::Execute(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return Usage(
            QCoreApplication::translate("ImportCommand", "import takes exactly one file."));
    const auto format = ImportSource::FormatFromKey(parser.value(FormatOption));
    if (!format)
        return Usage(QCoreApplication::translate("ImportCommand", "unknown format \"%1\".")
                         .arg(parser.value(FormatOption)));
    QHash<QString, QString> rules;
    for (const QString &rule : parser.values(MapOption)) {
        if (!ParseRule(rule, rules))
            return Usage(
                QCoreApplication::translate("ImportCommand",
                                            "--map \"%1\" is not \"NAME IN THE FILE=DIARY NAME\".")
                    .arg(rule));
    }

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
    const bool eachDate = parser.isSet(VerboseOption);
    const QString folder = QFileInfo(path).absolutePath();
    const QString exerciseList = folder + QStringLiteral("/UEList.txt");
    // The names chosen in the diary's import preview, then those of --map.
    ImportNameMap remembered(ImportNameMap::PathBeside(exerciseList));
    remembered.Load();
    QHash<QString, QString> mapping = remembered.For(data.formatName);
    mapping.insert(rules);
    PrintProposals(data, check, exerciseList, mapping);
    data = NameMatcher::WithNames(data, mapping);
    if (parser.isSet(DryRunOption)) {
        PrintOut(
            DiaryImport::SummaryLines(DiaryImport::MakePlan(data, check), eachDate).join(u'\n') +
            u'\n');
        return Done;
    }

    // A first import into the data folder creates it, as the programs do at their first start.
    if (path == DiaryLocation::DatabasePath())
        DiaryLocation::EnsureFolder();
    DiaryDatabase diary;
    SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
    if (!file.Open(path) && QFileInfo::exists(path)) {
        PrintError(QCoreApplication::translate("ImportCommand", "The diary %1 cannot be read.")
                       .arg(QDir::toNativeSeparators(path)));
        return Failed;
    }
    const DiaryImport::Plan plan = DiaryImport::MakePlan(data, diary);
    PrintOut(DiaryImport::SummaryLines(plan, eachDate).join(u'\n') + u'\n');
    if (plan.AddsNothing()) {
        PrintOut(QCoreApplication::translate("ImportCommand", "Nothing to add.\n"));
        return Done;
    }
    const DiaryImport::Added added = DiaryImport::Apply(plan, diary);
    const SharedDiaryFile::Outcome outcome = file.Save();
    if (!outcome.ok) {
        PrintError(outcome.error);
        return Failed;
    }
    DiaryImport::RememberNames(added, folder + QStringLiteral("/UTList.txt"), exerciseList);
    if (!outcome.conflicts.isEmpty())
        PrintError(
            QCoreApplication::translate(
                "ImportCommand", "Days changed meanwhile by another program were kept in %1.")
                .arg(QDir::toNativeSeparators(outcome.conflictFile)));
    PrintOut(DiaryImport::AddedText(added) + u'\n');
    return Done;
}
