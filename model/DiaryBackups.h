#pragma once

#include "model/DateValue.h"
#include "model/SharedDiaryFile.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Dated copies of the diary file in the "Backups" folder beside it, named
// "Database-yyyyMMdd-HHmmss.rpd" after the moment they were made (Clock), readable by their
// owner only and byte for byte the file they copy, so each one passes the integrity check.
// Only files of that name are ever listed or removed.
class DiaryBackups
{
public:
    struct Entry
    {
        QString path;
        QDateTime moment;
        qint64 size = 0;
    };

    struct Summary
    {
        bool readable = false; // the file passes the integrity check
        int dayCount = 0;
        DateValue lastDay; // the latest date of its days; invalid without days
    };

    // How many of the newest days, weeks and months keep their newest backup.
    struct Retention
    {
        int daily = 7;
        int weekly = 4;
        int monthly = 12;
    };

    struct Result
    {
        bool ok = true; // false: see error
        QString error;
        QString backup; // the backup made, if any
        SharedDiaryFile::Outcome saved; // the save of a restore
    };

    explicit DiaryBackups(const QString &databasePath);
    DiaryBackups(const QString &databasePath, Retention retention);

    QString Folder() const;
    // Copies the diary file as it is on disk into a new backup, then removes the backups that
    // retention no longer keeps. No file, or one that fails its check, gives no backup and no
    // error: there is nothing sound to keep.
    Result MakeNow() const;
    // True when no backup was made on the clock's today.
    bool IsDue() const;
    // The backups, newest first.
    QList<Entry> List() const;
    static Summary Summarize(const QString &backupPath);
    // The moments retention keeps out of the given ones (any order), newest first.
    static QList<QDateTime> Kept(const QList<QDateTime> &moments, const Retention &retention);
    // Removes the backups that retention does not keep.
    void Prune() const;

    // Saves the diary (merging what other programs wrote) and backs the saved file up.
    Result KeepCurrent(SharedDiaryFile &file) const;
    // Reads a backup whole; false when it cannot be read or fails the integrity check.
    static bool ReadSound(const QString &backupPath, QByteArray &bytes);
    // Replaces the diary's days by those of a backup's bytes and saves them through the file's
    // locked read-merge-write path.
    static Result Replace(SharedDiaryFile &file, const QByteArray &backupBytes);
    // Reads the backup (before keeping the current diary may retire it), KeepCurrent, Replace.
    Result Restore(SharedDiaryFile &file, const QString &backupPath) const;
    static QString UnreadableText(const QString &backupPath);

private:
    static QDateTime MomentOf(const QString &fileName);

    QString m_databasePath;
    Retention m_retention;
};
