#include "settings/DiaryLocation.h"

#include "model/DataFolder.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace DiaryLocation {

bool CanChoose()
{
    return !DataFolder::IsFixed();
}

QString Folder(const SettingsStore &settings)
{
    const QString chosen = settings.Read(SettingsKeys::DiaryFolder);
    // A chosen folder that is gone (an unplugged disk, a folder the sync program has not made
    // yet) is not created anew: the diary stays where it was until the folder is back.
    if (!CanChoose() || chosen.isEmpty() || !QFileInfo(chosen).isDir())
        return DataFolder::DatabaseFolder();
    return QDir::cleanPath(chosen);
}

QString Folder()
{
    const SettingsStore settings;
    return Folder(settings);
}

QString DatabasePath()
{
    return Folder() + QStringLiteral("/Database.rpd");
}

QString ExerciseListPath()
{
    return Folder() + QStringLiteral("/UEList.txt");
}

QString WorkoutListPath()
{
    return Folder() + QStringLiteral("/UTList.txt");
}

bool EnsureFolder()
{
    return QDir().mkpath(Folder());
}

QString BackupFolder(const QString &databasePath)
{
    const QString local = DataFolder::DatabaseFolder();
    const QString chosen = Folder();
    if (QDir::cleanPath(chosen) == QDir::cleanPath(local) ||
        QDir::cleanPath(databasePath) != QDir::cleanPath(DatabasePath()))
        return QString();
    return local + QStringLiteral("/Backups");
}

} // namespace DiaryLocation
