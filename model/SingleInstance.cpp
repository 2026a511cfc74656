#include "model/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockName)
    : m_path(QDir(RuntimeFolder()).filePath(lockName))
    , m_lock(std::make_unique<QLockFile>(m_path))
{
    // Only a dead owner makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::TryAcquire()
{
    if (m_lock->isLocked())
        return true;
    QDir().mkpath(RuntimeFolder());
    return m_lock->tryLock(0);
}

bool SingleInstance::IsHeld() const
{
    return m_lock->isLocked();
}

void SingleInstance::Release()
{
    m_lock->unlock();
}

QString SingleInstance::RuntimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}
