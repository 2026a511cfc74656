#pragma once

#include <QString>
#include <QStringList>

// The copies a folder-sync engine leaves beside a file that two computers changed at once:
//     Database.sync-conflict-20261207-181500-ABCDEFG.rpd          (Syncthing)
//     Database (conflicted copy 2026-12-07 181500).rpd            (Nextcloud)
//     Database (Anna's conflicted copy 2026-12-07).rpd            (Dropbox)
// The same shapes beside the name lists (UEList.sync-conflict-....txt and so on).
namespace ConflictCopies {

// True when fileName is a conflict copy of the file named original (both without folders).
bool IsCopyOf(const QString &fileName, const QString &original);
// The conflict copies beside the file at path, as full paths in name order.
QStringList Find(const QString &path);

} // namespace ConflictCopies
