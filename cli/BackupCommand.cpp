#include "cli/BackupCommand.h"

#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/NumberText.h"
#include "model/SharedDiaryFile.h"
#include "settings/DiaryLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

BackupCommand::BackupCommand()
    : Command(
          QStringLiteral("backup"),
          QCoreApplication::translate("BackupCommand",
                                      "Keeps a copy of the diary in its Backups folder now. Older "
                                      "copies are removed as the diary's retention says."))
{
}

void BackupCommand::AddOptions(QCommandLineParser &) { }

int BackupCommand::Execute(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return Usage(QCoreApplication::translate("BackupCommand", "backup takes no file."));
    const QString path = DiaryPath(parser);
    if (!QFileInfo(path).isFile()) {
        PrintError(
            QCoreApplication::translate("BackupCommand", "%1: no such file.").arg(Native(path)));
        return Failed;
    }
    const DiaryBackups::Result result =
        DiaryBackups(path, DiaryLocation::BackupFolder(path)).MakeNow();
    if (!result.ok) {
        PrintError(result.error);
        return Failed;
    }
    if (result.backup.isEmpty()) {
        PrintError(QCoreApplication::translate("BackupCommand",
                                               "%1 fails its integrity check: no backup was made.")
                       .arg(Native(path)));
        return Failed;
    }
    PrintOut(Native(result.backup) + u'\n');
    return Done;
}

RestoreCommand::RestoreCommand()
    : Command(QStringLiteral("restore"),
              QCoreApplication::translate(
                  "BackupCommand",
                  "Replaces the diary by a backup. The diary as it is now is kept "
                  "as a backup first."))
{
}

void RestoreCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("BackupCommand",
                                    "The backup to restore (see the diary's "
                                    "Backups folder)."));
}

int RestoreCommand::Execute(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return Usage(
            QCoreApplication::translate("BackupCommand", "restore takes exactly one backup file."));
    const QString path = DiaryPath(parser);
    DiaryDatabase diary;
    SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
    if (!file.Open(path) && QFileInfo::exists(path)) {
        PrintError(QCoreApplication::translate("BackupCommand", "The diary %1 cannot be read.")
                       .arg(Native(path)));
        return Failed;
    }
    const DiaryBackups::Result result =
        DiaryBackups(path, DiaryLocation::BackupFolder(path)).Restore(file, files.first());
    if (!result.ok) {
        PrintError(result.error);
        return Failed;
    }
    PrintOut(QCoreApplication::translate("BackupCommand", "Restored %1 from %2.\n")
                 .arg(CountText(diary.GetDayCount(), QT_TRANSLATE_N_NOOP("CountText", "%n day(s)"),
                                QStringLiteral("day")),
                      Native(files.first())));
    return Done;
}
