#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps a second copy of a program from running: a lock file in the per-user runtime folder
// held for the life of this object. The lock of a process that ended without releasing it (a
// crash) is recognised as stale and taken over; a live holder's lock never goes stale, however
// long it runs.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockName);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this object holds the lock now (taken here or before).
    bool TryAcquire();
    bool IsHeld() const;
    void Release();

    QString LockPath() const { return m_path; }
    // The per-user runtime folder (XDG_RUNTIME_DIR on Linux), or the temporary folder when the
    // platform has none.
    static QString RuntimeFolder();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
