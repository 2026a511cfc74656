#include "cli/MergeCommand.h"

#include "exchange/ExchangeFields.h"
#include "model/ConflictCopyMerge.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QCommandLineOption
    DryRunOption({QStringLiteral("n"), QStringLiteral("dry-run")},
                 QCoreApplication::translate("MergeCommand", "Only print what would be merged."));

QString DateList(const QList<DateValue> &dates)
{
    QStringList texts;
    for (const DateValue &date : dates)
        texts.append(ExchangeFields::DateText(date));
    return texts.join(QStringLiteral(", "));
}

QString CopyLine(const ConflictCopyMerge::Copy &copy, bool dryRun)
{
    using Copy = ConflictCopyMerge::Copy;
    const QString name = QFileInfo(copy.path).fileName();
    switch (copy.kind) {
    case Copy::AlreadyMerged:
        return QCoreApplication::translate("MergeCommand", "%1: already merged, %2")
            .arg(name, dryRun ? "would be removed" : "removed");
    case Copy::Damaged:
        return QCoreApplication::translate("MergeCommand",
                                           "%1: damaged (fails its integrity check), not merged")
            .arg(name);
    case Copy::Unreadable:
        return QCoreApplication::translate("MergeCommand", "%1: cannot be read, not merged")
            .arg(name);
    case Copy::Merged:
        break;
    }
    QString line = (dryRun ? QCoreApplication::translate("MergeCommand", "%1: would take %2 dates")
                           : QCoreApplication::translate("MergeCommand", "%1: took %2 dates"))
                       .arg(name)
                       .arg(copy.taken.size());
    if (!copy.taken.isEmpty())
        line += QStringLiteral(" (%1)").arg(DateList(copy.taken));
    if (!copy.conflicts.isEmpty())
        line += QCoreApplication::translate("MergeCommand",
                                            "; changed on both sides, the diary's days kept: %1")
                    .arg(DateList(copy.conflicts));
    return line;
}

} // namespace

MergeCommand::MergeCommand()
    : Command(QStringLiteral("merge"),
              QCoreApplication::translate(
                  "MergeCommand",
                  "Merges the conflict copies that a sync engine (Syncthing, "
                  "Nextcloud, Dropbox) left beside the diary and its name lists, by "
                  "date, then removes them. A date changed on both sides keeps the "
                  "diary's days; the copy's are kept in a conflict file beside the "
                  "diary. Exit code 0: merged or nothing to merge, 1: a copy could "
                  "not be merged (nothing is written then). Safe while Repbook or "
                  "Repminder runs."))
{
}

void MergeCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addOption(DryRunOption);
}

int MergeCommand::Execute(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return Usage(
            QCoreApplication::translate("MergeCommand", "merge takes no file; use --diary."));
    const bool dryRun = parser.isSet(DryRunOption);
    const QString path = DiaryPath(parser);
    DiaryDatabase check;
    QString error;
    if (!LoadDiary(path, check, error)) {
        PrintError(error);
        return Failed;
    }
    DiaryDatabase diary;
    SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
    file.Open(path);
    const ConflictCopyMerge::Outcome outcome = ConflictCopyMerge::Run(
        file, dryRun ? ConflictCopyMerge::Mode::DryRun : ConflictCopyMerge::Mode::AllOrNothing);
    if (!outcome.FoundAny()) {
        PrintOut(QCoreApplication::translate("MergeCommand", "Nothing to merge.\n"));
        return Done;
    }
    QStringList lines;
    for (const ConflictCopyMerge::Copy &copy : outcome.copies)
        lines.append(CopyLine(copy, dryRun));
    for (const QString &list : outcome.listCopies)
        lines.append(QCoreApplication::translate("MergeCommand", "%1: names merged")
                         .arg(QFileInfo(list).fileName()));
    if (!outcome.listCopies.isEmpty())
        lines.append((dryRun ? QCoreApplication::translate(
                                   "MergeCommand", "%1 names would be added to the name lists")
                             : QCoreApplication::translate("MergeCommand",
                                                           "%1 names added to the name lists"))
                         .arg(outcome.namesAdded));
    if (!outcome.conflictFile.isEmpty())
        lines.append(
            QCoreApplication::translate(
                "MergeCommand", "The copies' days of dates changed on both sides are kept in %1")
                .arg(QDir::toNativeSeparators(outcome.conflictFile)));
    PrintOut(lines.join(u'\n') + u'\n');
    if (!outcome.ok) {
        PrintError(outcome.error +
                   QCoreApplication::translate("MergeCommand", "\nNothing was merged."));
        return Failed;
    }
    return Done;
}
