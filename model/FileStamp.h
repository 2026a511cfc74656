#pragma once

#include <QString>
#include <QtGlobal>

// What a stat of a file tells about its content without reading it: whether it exists, its
// size, inode and modification time. A file replaced by renaming another over it (as atomic
// writers do) always gets another inode, so two equal stamps mean the file was not replaced;
// writes in place within one tick of the file system's clock may go unseen by the time alone.
struct FileStamp
{
    bool exists = false;
    qint64 size = -1;
    qint64 inode = -1;
    qint64 modifiedNs = -1;
    qint64 changedNs = -1;

    bool operator==(const FileStamp &) const = default;

    static FileStamp Of(const QString &path);
};
