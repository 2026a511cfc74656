#pragma once

#include "model/DateValue.h"

#include <QList>
#include <QString>
#include <QStringList>

// Moving the diary and its name lists into another folder, such as one a sync engine carries
// between computers: copied and checked byte for byte, or merged by date into the diary that
// folder already holds. The old files stay where they were.
namespace DiaryFolderSwitch {

struct Result
{
    bool ok = true; // false: see error; nothing was left half done
    QString error;
    QStringList written; // files made or changed in the new folder
    QList<DateValue> conflicts; // dates both diaries hold differently (merging)
    QString conflictFile; // where the moved diary's days of those dates were kept
};

// The diary file and the name lists of a folder.
QStringList FileNames();
bool HoldsDiary(const QString &folder);

// Copies the diary and the name lists of from (those that exist) into to, which holds no
// diary, and compares each copy with its original byte for byte; a name list to already holds
// gains the names it lacks instead. On any failure the copies made are removed again.
Result CopyInto(const QString &from, const QString &to);
// Merges the diary of from into the one in to by date, as a union: a date both hold with other
// days keeps to's days, and from's are kept in a conflict file beside to's diary. The names of
// from's lists are added to to's.
Result MergeInto(const QString &from, const QString &to);
// Puts the patterns that keep Repbook's locks, a save's temporary files and this computer's
// backups out of the sync into the folder's .stignore (Syncthing's ignore file), keeping what
// the file holds.
bool WriteSyncIgnore(const QString &folder);
// Takes the diary now in folder as what every computer agreed on (its SyncBase).
bool AgreeOnDiary(const QString &folder);

} // namespace DiaryFolderSwitch
