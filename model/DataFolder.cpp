#include "model/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFolder {

namespace {

const QString DatabaseFolderName = QStringLiteral("Database");

// The folder REPBOOK_HOME or a portable installation names; empty when neither does.
QString FixedFolder()
{
    const QString home = qEnvironmentVariable("REPBOOK_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    if (QCoreApplication::instance()) {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        if (QFileInfo(executableFolder + u'/' + DatabaseFolderName).isDir())
            return executableFolder;
    }
    return {};
}

} // namespace

bool IsFixed()
{
    return !FixedFolder().isEmpty();
}

QString ProgramFolder()
{
    const QString fixed = FixedFolder();
    if (!fixed.isEmpty())
        return fixed;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/Ironvale/Repbook");
}

QString DatabaseFolder()
{
    return ProgramFolder() + u'/' + DatabaseFolderName;
}

QString DatabasePath()
{
    return DatabaseFolder() + QStringLiteral("/Database.rpd");
}

QString ExerciseListPath()
{
    return DatabaseFolder() + QStringLiteral("/UEList.txt");
}

QString WorkoutListPath()
{
    return DatabaseFolder() + QStringLiteral("/UTList.txt");
}

bool EnsureDatabaseFolder()
{
    return QDir().mkpath(DatabaseFolder());
}

} // namespace DataFolder
