#include "common/TestFiles.h"

#include "model/DataFolder.h"
#include "settings/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <csignal>
#include <sys/stat.h>

namespace testsupport {

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size();
}

quint64 FileIdentity(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? quint64(status.st_ino) : 0;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_before);
    const rlimit limit {rlim_t(bytes), m_before.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_before);
    std::signal(SIGXFSZ, m_handler);
}

void ClearSettings()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QLatin1String(SettingsKeys::Organization),
                       QLatin1String(SettingsKeys::Application));
    settings.clear();
    settings.sync();
}

void ResetDatabaseFolder(bool exists)
{
    QDir folder(DataFolder::DatabaseFolder());
    folder.removeRecursively();
    if (exists)
        QDir().mkpath(folder.path());
}

QStringList DatabaseFolderEntries()
{
    return QDir(DataFolder::DatabaseFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace testsupport
