#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

// File and settings helpers every test shares.
namespace testsupport {

QByteArray ReadFile(const QString &path);
bool WriteFile(const QString &path, const QByteArray &bytes);
// The file's inode number, 0 when it is missing. A save replaces the file, so a rewrite changes
// the identity even when the bytes and the modification time stay the same.
quint64 FileIdentity(const QString &path);

// While it lives, no file of this process grows past the given size, as on a full disk: the
// write that would fails (its signal is ignored) while smaller files are still written.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();

private:
    rlimit m_before {};
    void (*m_handler)(int) = nullptr;
};

// Forgets every stored setting of both programs.
void ClearSettings();
// Empties the diary's Database folder, or removes it when exists is false.
void ResetDatabaseFolder(bool exists = true);
// The names of the files in the Database folder, hidden ones included.
QStringList DatabaseFolderEntries();

} // namespace testsupport
