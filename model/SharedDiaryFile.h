#pragma once

#include "model/DateValue.h"
#include "model/DiaryMerge.h"
#include "model/FileStamp.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class DiaryDatabase;
class QFileSystemWatcher;
class QTimer;

// The diary file that the diary and the notifier both read and write. It remembers what this
// program last read or wrote, watches the file, and never writes over changes another program
// made: those are merged into the container by date first (DiaryMerge), and the losing version
// of a date both programs changed is kept in a conflict file beside the database. Writing is
// skipped when the file already holds what the container holds.
class SharedDiaryFile : public QObject
{
    Q_OBJECT

public:
    struct Outcome
    {
        bool ok = true; // false: the file could not be read or written; see error
        bool saved = false; // the container was written to the file
        bool memoryChanged = false; // days of the container were replaced by those on disk
        bool diskDamaged = false; // the file on disk failed its check
        QString keptDamagedFile; // where a damaged file was set aside before saving
        QList<DateValue> conflicts; // dates both programs changed
        QString conflictFile; // where the other version of those dates was kept
        QString error;
    };

    // What reading a diary file found. Making one touches no diary and no QObject, so it may
    // be made on another thread (while the window is built) and handed to Open afterwards.
    class Reading
    {
    public:
        Reading();
        Reading(Reading &&) noexcept;
        Reading &operator=(Reading &&) noexcept;
        ~Reading();

    private:
        friend class SharedDiaryFile;
        QString m_path;
        FileStamp m_state;
        std::unique_ptr<DiaryDatabase> m_days; // null unless the file passed its check
        DiaryMerge::Groups m_groups;
        Fingerprint m_bytes;
    };

    SharedDiaryFile(DiaryDatabase &database, DiaryMerge::Winner winner, QObject *parent = nullptr);
    ~SharedDiaryFile() override;

    DiaryDatabase &Database() const { return m_database; }
    const QString &Path() const;

    // Reads and checks the file at path; safe on any thread.
    static Reading Read(const QString &path);
    // Binds the container to the file that was read and takes its days when it passed its
    // check (true); a damaged file leaves the container's days as they are (false). From then
    // on the file is watched. An empty path empties the container, as DiaryDatabase::Open does.
    bool Open(Reading reading);
    bool Open(const QString &path) { return Open(Read(path)); }
    // Takes in what changed on disk since the last read or write. Never writes the diary file
    // (a conflict file may be written).
    Outcome Refresh();
    // Refresh, then writes the container when it differs from the file. Holds a lock beside
    // the file meanwhile, so that the two programs never save at the same moment.
    Outcome Save();
    // The same with the container's days by date as they are now (DiaryMerge::GroupByDate), when
    // the caller has them at hand.
    Outcome Save(std::optional<DiaryMerge::Groups> memoryGroups);

    // True when the container holds changes the file does not have.
    bool HasUnsavedChanges() const;
    // The dates whose days differ from the file, in date order.
    QList<DateValue> UnsavedDates() const;

    // Writes copies of days into a new conflict file beside the diary at diaryPath
    // ("<diary>.conflict-yyyyMMdd-HHmmss") and gives its path; empty and an error when it could
    // not be written.
    static QString KeepConflictDays(const QString &diaryPath, const DiaryDatabase &days,
                                    QString &error);

    // How long a burst of file-system notifications is gathered into one ChangedOnDisk.
    static constexpr int SettleMs = 200;

signals:
    // The file or its folder changed on disk (possibly by this program's own save).
    void ChangedOnDisk();

private:
    void TakeBaseline(DiaryMerge::Groups groups, const Fingerprint &diskBytes,
                      const FileStamp &state);
    // True when the container, whose days by date are memoryGroups, differs from the file.
    bool Differs(const DiaryMerge::Groups &memoryGroups) const;
    void Watch();
    void OnWatchEvent();
    bool KeepConflicts(const DiaryDatabase &losers, Outcome &outcome);

    DiaryDatabase &m_database;
    DiaryMerge::Winner m_winner;
    // The days the file held when this program last read or wrote it, by date.
    DiaryMerge::Groups m_baseGroups;
    // A fingerprint of the file's bytes then (not the bytes: they would double the memory the
    // diary takes), and where they were.
    Fingerprint m_diskFingerprint;
    FileStamp m_diskState;
    bool m_diskDamaged = false;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
};
