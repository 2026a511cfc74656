#pragma once

#include "model/DateValue.h"
#include "model/DiaryMerge.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

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

    SharedDiaryFile(DiaryDatabase &database, DiaryMerge::Winner winner, QObject *parent = nullptr);
    ~SharedDiaryFile() override;

    DiaryDatabase &Database() const { return m_database; }
    const QString &Path() const;

    // Binds the container to path and reads it as DiaryDatabase::Open does; from then on the
    // file is watched.
    bool Open(const QString &path);
    // Takes in what changed on disk since the last read or write. Never writes the diary file
    // (a conflict file may be written).
    Outcome Refresh();
    // Refresh, then writes the container when it differs from the file. Holds a lock beside
    // the file meanwhile, so that the two programs never save at the same moment.
    Outcome Save();

    // True when the container holds changes the file does not have.
    bool HasUnsavedChanges() const;
    // The dates whose days differ from the file, in date order.
    QList<DateValue> UnsavedDates() const;

    // How long a burst of file-system notifications is gathered into one ChangedOnDisk.
    static constexpr int SettleMs = 200;

signals:
    // The file or its folder changed on disk (possibly by this program's own save).
    void ChangedOnDisk();

private:
    struct DiskState
    {
        bool exists = false;
        qint64 size = -1;
        qint64 inode = -1;
        qint64 modifiedNs = -1;
        bool operator==(const DiskState &) const = default;
    };
    static DiskState StateOf(const QString &path);

    void TakeBaseline(DiaryMerge::Groups groups, const Fingerprint &diskBytes,
                      const DiskState &state);
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
    DiskState m_diskState;
    bool m_diskDamaged = false;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
};
