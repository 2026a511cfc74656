#include "diary/DiaryFolderFlow.h"

#include "model/DiaryFolderSwitch.h"
#include "model/SharedDiaryFile.h"
#include "settings/DiaryLocation.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace DiaryFolderFlow {

namespace {

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

enum class Way { Copy, UseTheirs, Merge, Cancel };

Way AskWay(QWidget *parent, const QString &folder)
{
    if (!DiaryFolderSwitch::HoldsDiary(folder))
        return Way::Copy;
    const MessageBox::Button answer = MessageBox::Question(
        parent,
        QCoreApplication::translate(
            "DiaryFolderFlow",
            "%1 already holds a diary, from another computer perhaps.\n\n"
            "Yes: use that diary. The diary of this computer stays where it is, "
            "unused.\n"
            "No: merge the diary of this computer into it, day by day. Where both "
            "hold a day with other entries, that diary's day is kept and this "
            "computer's is saved beside it.\n"
            "Cancel: keep the diary where it is.")
            .arg(Native(folder)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return Way::UseTheirs;
    return answer == QMessageBox::No ? Way::Merge : Way::Cancel;
}

} // namespace

bool Choose(QWidget *parent, SharedDiaryFile &file, SettingsStore &settings)
{
    if (!DiaryLocation::CanChoose())
        return false;
    const QString current = QFileInfo(file.Path()).absolutePath();
    QString folder = FileDialog::GetExistingFolder(
        parent, QCoreApplication::translate("DiaryFolderFlow", "Diary folder"), current);
    if (folder.isEmpty())
        return false;
    folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (folder == QDir::cleanPath(current))
        return false;
    const Way way = AskWay(parent, folder);
    if (way == Way::Cancel)
        return false;

    // Everything shown here goes with the diary.
    const SharedDiaryFile::Outcome saved = file.Save();
    if (!saved.ok) {
        MessageBox::Warning(
            parent,
            saved.error +
                QCoreApplication::translate("DiaryFolderFlow", "\nThe diary stays where it is."));
        return false;
    }
    DiaryFolderSwitch::Result result;
    if (way == Way::Copy)
        result = DiaryFolderSwitch::CopyInto(current, folder);
    else if (way == Way::Merge)
        result = DiaryFolderSwitch::MergeInto(current, folder);
    if (!result.ok) {
        MessageBox::Warning(
            parent,
            result.error +
                QCoreApplication::translate("DiaryFolderFlow", "\nThe diary stays where it is."));
        return false;
    }
    if (way != Way::Merge)
        DiaryFolderSwitch::AgreeOnDiary(folder);
    const bool ignoreWritten = DiaryFolderSwitch::WriteSyncIgnore(folder);
    settings.Write(SettingsKeys::DiaryFolder, folder);
    file.Open(DiaryLocation::DatabasePath());

    QString text =
        QCoreApplication::translate("DiaryFolderFlow",
                                    "The diary is now in:\n%1\n\nThe files in %2 were left as they "
                                    "were; remove them once you no longer need them.")
            .arg(Native(folder), Native(current));
    if (!result.conflicts.isEmpty())
        text += QCoreApplication::translate(
                    "DiaryFolderFlow",
                    "\n\nDays that both diaries hold with other entries kept the "
                    "folder's version; this computer's were saved in:\n%1\n"
                    "Edit > Conflicts shows them beside the folder's and lets you "
                    "take them instead.")
                    .arg(Native(result.conflictFile));
    if (!ignoreWritten)
        text += QCoreApplication::translate(
            "DiaryFolderFlow",
            "\n\nThe ignore file .stignore could not be written there: keep "
            "*.lock files and the Backups folder out of the sync by hand.");
    MessageBox::Information(parent, text);
    return true;
}

} // namespace DiaryFolderFlow
