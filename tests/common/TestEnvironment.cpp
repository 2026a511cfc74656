#include "common/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace testsupport {

TestEnvironment::TestEnvironment()
{
    const QString base = m_dir.path();
    QDir(base).mkpath(QStringLiteral("home/Database"));
    QDir(base).mkpath(QStringLiteral("config"));
    QDir(base).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("REPBOOK_HOME", QFile::encodeName(home()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + QStringLiteral("/config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + QStringLiteral("/runtime")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + QStringLiteral("/data")));
    // The weight unit follows the locale until one is chosen: tests count in kilograms wherever
    // they run.
    qputenv("LC_MEASUREMENT", "C.UTF-8");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString TestEnvironment::home() const
{
    return m_dir.path() + QStringLiteral("/home");
}

QString TestEnvironment::databaseFolder() const
{
    return home() + QStringLiteral("/Database");
}

QString dataFile(const QString &name)
{
    return QStringLiteral(REPBOOK_TEST_DATA_DIR "/") + name;
}

} // namespace testsupport
