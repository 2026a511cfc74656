#pragma once

#include "model/DateValue.h"
#include "model/SharedDiaryFile.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

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

    // folder: where the backups are kept; empty for the "Backups" folder beside the diary.
    explicit DiaryBackups(const QString &databasePath, const QString &folder = QString());
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

    struct Found
    {
        Entry entry;
        Summary summary;
    };
    // The newest backup that passes its integrity check, if any.
    std::optional<Found> NewestSound() const;
    // "the backup of 7 December 2026, 09:00 with 120 days", for messages: the date in the
    // given locale, the words in the installed translation.
    static QString Describe(const Found &found, const QLocale &locale = QLocale(QLocale::English));
    // The moments retention keeps out of the given ones (any order), newest first. Each of the
    // newest days, weeks and months keeps its newest day; such a day keeps its newest copy, its
    // oldest (taken before the day's first save) and those a restore came from (restoredFrom);
    // today keeps every copy, so that each stays listed at least until the next day.
    static QList<QDateTime> Kept(const QList<QDateTime> &moments, const Retention &retention,
                                 const QDate &today = {},
                                 const QList<QDateTime> &restoredFrom = {});
    // Removes the backups that retention does not keep.
    void Prune() const;
    // Remembers that a restore came from the backup, which then stays as long as its day does.
    // Where that cannot be written down, the backup is left to the usual retention.
    void MarkRestoredFrom(const QString &backupPath) const;

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
    // The file names of the backups restores came from, kept in the Backups folder.
    QString RestoredListPath() const;
    QStringList RestoredFrom() const;
    void WriteRestoredFrom(const QStringList &names) const;

    QString m_databasePath;
    Retention m_retention;
    QString m_folder;
};
