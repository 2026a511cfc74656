#include "cli/BackupCommand.h"

#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/NumberText.h"
#include "model/SharedDiaryFile.h"
#include "settings/DiaryLocation.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

BackupCommand::BackupCommand()
    : Command(QStringLiteral("backup"),
              QStringLiteral("Keeps a copy of the diary in its Backups folder now. Older "
                             "copies are removed as the diary's retention says."))
{
}

void BackupCommand::AddOptions(QCommandLineParser &) { }

int BackupCommand::Execute(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return Usage(QStringLiteral("backup takes no file."));
    const QString path = DiaryPath(parser);
    if (!QFileInfo(path).isFile()) {
        PrintError(QStringLiteral("%1: no such file.").arg(Native(path)));
        return Failed;
    }
    const DiaryBackups::Result result =
        DiaryBackups(path, DiaryLocation::BackupFolder(path)).MakeNow();
    if (!result.ok) {
        PrintError(result.error);
        return Failed;
    }
    if (result.backup.isEmpty()) {
        PrintError(
            QStringLiteral("%1 fails its integrity check: no backup was made.").arg(Native(path)));
        return Failed;
    }
    PrintOut(Native(result.backup) + u'\n');
    return Done;
}

RestoreCommand::RestoreCommand()
    : Command(QStringLiteral("restore"),
              QStringLiteral("Replaces the diary by a backup. The diary as it is now is kept "
                             "as a backup first."))
{
}

void RestoreCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The backup to restore (see the diary's "
                                                "Backups folder)."));
}

int RestoreCommand::Execute(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return Usage(QStringLiteral("restore takes exactly one backup file."));
    const QString path = DiaryPath(parser);
    DiaryDatabase diary;
    SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
    if (!file.Open(path) && QFileInfo::exists(path)) {
        PrintError(QStringLiteral("The diary %1 cannot be read.").arg(Native(path)));
        return Failed;
    }
    const DiaryBackups::Result result =
        DiaryBackups(path, DiaryLocation::BackupFolder(path)).Restore(file, files.first());
    if (!result.ok) {
        PrintError(result.error);
        return Failed;
    }
    PrintOut(
        QStringLiteral("Restored %1 from %2.\n")
            .arg(CountText(diary.GetDayCount(), QStringLiteral("day")), Native(files.first())));
    return Done;
}
