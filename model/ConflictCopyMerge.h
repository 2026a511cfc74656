#pragma once

#include "model/DateValue.h"
#include "model/SharedDiaryFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class SyncBase;

// Merges the conflict copies a folder-sync engine left beside the diary file (ConflictCopies)
// into the diary, by date, against this computer's SyncBase: a date only the copy changed takes
// the copy's days, a date both sides changed keeps the diary's and puts the copy's days on
// record in a conflict file, a date only in the copy is added. Copies beside the name lists add
// their names. A merged copy is removed; a copy that fails its check is set aside as a damaged
// file and never merged. Merging goes through the shared file's locked read-merge-write save, so
// it is safe while the other program runs, and merging a copy twice changes nothing.
namespace ConflictCopyMerge {

struct Copy
{
    enum Kind { Merged, AlreadyMerged, Damaged, Unreadable };
    QString path;
    Kind kind = Merged;
    QList<DateValue> taken; // dates whose days came from the copy
    QList<DateValue> conflicts; // dates both sides changed
    QString keptAs; // where a damaged copy was set aside
};

struct Outcome
{
    bool ok = true; // false: see error; when a copy could not be merged, nothing was written
    QString error;
    QList<Copy> copies; // of the diary, in name order
    QStringList listCopies; // of the name lists
    int namesAdded = 0;
    QList<DateValue> conflicts; // dates both sides changed, over all copies, in date order
    QString conflictFile; // where the copies' versions of those dates were kept
    bool memoryChanged = false; // the container took days from a copy
    SharedDiaryFile::Outcome saved;

    bool FoundAny() const { return !copies.isEmpty() || !listCopies.isEmpty(); }
    // True when a copy could not be merged (damaged or unreadable).
    bool HasUnmerged() const;
};

enum class Mode {
    Apply, // merges, sets damaged copies aside
    AllOrNothing, // merges only when every copy can be merged; otherwise writes nothing
    DryRun, // merges into the container only: no file is written, removed or renamed
};

// Appends to the name list at listPath the names of the list file at otherPath it lacks; gives
// how many (that would be) added.
int MergeNames(const QString &listPath, const QString &otherPath, bool write);
// The name lists beside the diary at diaryPath.
QStringList NameListPaths(const QString &diaryPath);
// The conflict copies of the diary file and of its name lists.
QStringList FindAll(const QString &diaryPath);

// Merges into the file's container and saves it, with the base kept for that file.
Outcome Run(SharedDiaryFile &file, Mode mode);
Outcome Run(SharedDiaryFile &file, SyncBase &base, Mode mode);

// The same merge (Mode::Apply) in two halves, for a window that must not wait while the copies
// are read. Prepare, on any thread, finds the copies beside the diary at diaryPath, takes this
// computer's merge lock (held until the preparation is destroyed), loads the base and reads and
// checks each copy; null when there is nothing to merge. Apply, on the container's thread,
// merges what was read and saves; nothing when the file is bound to another path by then.
struct Prepared;
std::shared_ptr<Prepared> Prepare(const QString &diaryPath);
Outcome Apply(SharedDiaryFile &file, Prepared &prepared);

} // namespace ConflictCopyMerge
