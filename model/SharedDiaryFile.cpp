#include "model/SharedDiaryFile.h"

#include "model/DatabaseFile.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"
#include "model/SideFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QTimer>

#include <future>

#include <sys/stat.h>

namespace {

// How long a save waits for the other program to finish its own.
constexpr int LockWaitMs = 5000;

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

SharedDiaryFile::SharedDiaryFile(DiaryDatabase &database, DiaryMerge::Winner winner,
                                 QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_winner(winner)
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &SharedDiaryFile::OnWatchEvent);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &SharedDiaryFile::OnWatchEvent);
    connect(m_settle, &QTimer::timeout, this, &SharedDiaryFile::ChangedOnDisk);
}

SharedDiaryFile::~SharedDiaryFile() = default;

const QString &SharedDiaryFile::Path() const
{
    return m_database.GetPath();
}

SharedDiaryFile::DiskState SharedDiaryFile::StateOf(const QString &path)
{
    DiskState state;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return state;
    state.exists = true;
    state.size = qint64(info.st_size);
    state.inode = qint64(info.st_ino);
    state.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return state;
}

bool SharedDiaryFile::Open(const QString &path)
{
    if (path.isEmpty())
        return m_database.Open(path);
    m_database.SetPath(path);
    const DiskState state = StateOf(path);
    QByteArray bytes;
    bool loaded = false;
    if (!state.exists) {
        TakeBaseline({}, Fingerprint::Of({}), state);
    } else if (DatabaseFile::ReadWhole(path, bytes) && CheckDatabaseIntegrityData(bytes)) {
        m_database.LoadFromData(bytes);
        TakeBaseline(DiaryMerge::GroupByDate(m_database), Fingerprint::Of(bytes), state);
        loaded = true;
    } else {
        // Kept as it is; a later save sets it aside before writing.
        m_diskState = state;
        m_diskFingerprint = Fingerprint::Of(bytes);
        m_diskDamaged = true;
    }
    Watch();
    return loaded;
}

void SharedDiaryFile::TakeBaseline(DiaryMerge::Groups groups, const Fingerprint &diskBytes,
                                   const DiskState &state)
{
    m_diskState = state;
    m_diskFingerprint = diskBytes;
    m_diskDamaged = false;
    m_baseGroups = std::move(groups);
}

SharedDiaryFile::Outcome SharedDiaryFile::Refresh()
{
    Outcome outcome;
    const QString &path = Path();
    if (path.isEmpty())
        return outcome;
    const DiskState state = StateOf(path);
    if (state == m_diskState) {
        outcome.diskDamaged = m_diskDamaged;
        return outcome;
    }
    if (!state.exists) {
        // Gone: everything in memory is unsaved from now on.
        TakeBaseline({}, Fingerprint::Of({}), state);
        return outcome;
    }

    QByteArray bytes;
    if (!QFileInfo(path).isFile() || !DatabaseFile::ReadWhole(path, bytes)) {
        outcome.ok = false;
        outcome.error = QStringLiteral("The diary file cannot be read:\n%1").arg(Native(path));
        return outcome;
    }
    // Size, time or file changed; the content decides.
    const Fingerprint read = Fingerprint::Of(bytes);
    if (read == m_diskFingerprint) {
        m_diskState = state;
        outcome.diskDamaged = m_diskDamaged;
        return outcome;
    }

    // Until the merge the two sides are independent: a second core checks the file and groups
    // the container's days by date while this thread reads the file's days (reading is safe on
    // any bytes). The container cannot change meanwhile: this thread waits for both.
    struct MemorySide
    {
        bool fileIntact = false;
        DiaryMerge::Groups groups;
    };
    std::future<MemorySide> memorySide =
        std::async(std::launch::async | std::launch::deferred, [this, &bytes] {
            MemorySide side;
            side.fileIntact = CheckDatabaseIntegrityData(bytes);
            if (side.fileIntact)
                side.groups = DiaryMerge::GroupByDate(m_database);
            return side;
        });
    DiaryDatabase disk;
    disk.LoadFromData(bytes);
    DiaryMerge::Groups diskGroups = DiaryMerge::GroupByDate(disk);
    MemorySide memory = memorySide.get();
    if (!memory.fileIntact) {
        m_diskState = state;
        m_diskFingerprint = read;
        m_diskDamaged = true;
        outcome.diskDamaged = true;
        return outcome;
    }

    const DiaryMerge::Result merge = DiaryMerge::Merge(
        m_baseGroups, disk, std::move(diskGroups), m_database, std::move(memory.groups), m_winner,
        [&](const DiaryDatabase &losers) { return KeepConflicts(losers, outcome); });
    outcome.conflicts = merge.conflicts;
    if (!merge.applied) {
        outcome.ok = false;
        return outcome; // tried again on the next refresh
    }
    outcome.memoryChanged = merge.memoryChanged;
    if (DiaryMerge::ChangedDates(merge.memoryGroups, merge.diskGroups).isEmpty())
        m_database.SetModified(false);
    TakeBaseline(merge.diskGroups, read, state);
    return outcome;
}

bool SharedDiaryFile::KeepConflicts(const DiaryDatabase &losers, Outcome &outcome)
{
    DiaryDatabase kept;
    for (int i = 0; i < losers.GetDayCount(); ++i) {
        auto copy = std::make_unique<TrainingDay>();
        copy->CopyExactFrom(*losers.GetDay(i));
        kept.AddDay(std::move(copy));
    }
    kept.SetPath(SideFile::FreeName(Path(), QStringLiteral("conflict")));
    if (!kept.Save()) {
        outcome.error = QStringLiteral("Days changed by both programs could not be kept in:\n%1")
                            .arg(Native(kept.GetPath()));
        return false;
    }
    outcome.conflictFile = kept.GetPath();
    return true;
}

SharedDiaryFile::Outcome SharedDiaryFile::Save()
{
    const QString path = Path();
    if (path.isEmpty()) {
        Outcome outcome;
        outcome.ok = false;
        outcome.error = QStringLiteral("The diary is not bound to a file.");
        return outcome;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        Outcome outcome;
        outcome.ok = false;
        // Without a lock file beside it (no folder, no write access) the diary cannot be
        // written either.
        outcome.error = lock.error() == QLockFile::LockFailedError
            ? QStringLiteral("The diary file is being saved by another program:\n%1")
                  .arg(Native(path))
            : QStringLiteral("The diary could not be saved to:\n%1").arg(Native(path));
        return outcome;
    }

    Outcome outcome = Refresh();
    if (!outcome.ok || !HasUnsavedChanges())
        return outcome;
    if (m_diskDamaged) {
        const QString kept = SideFile::FreeName(path, QStringLiteral("damaged"));
        if (!QFile::rename(path, kept)) {
            outcome.ok = false;
            outcome.error = QStringLiteral("The damaged diary file could not be set aside:\n%1")
                                .arg(Native(path));
            return outcome;
        }
        outcome.keptDamagedFile = kept;
    }
    const QByteArray bytes = DatabaseWriter::FileBytes(m_database);
    if (!m_database.Save()) {
        outcome.ok = false;
        outcome.error = QStringLiteral("The diary could not be saved to:\n%1").arg(Native(path));
        return outcome;
    }
    TakeBaseline(DiaryMerge::GroupByDate(m_database), Fingerprint::Of(bytes), StateOf(path));
    Watch();
    outcome.saved = true;
    return outcome;
}

bool SharedDiaryFile::HasUnsavedChanges() const
{
    if (m_diskDamaged && m_database.GetDayCount() > 0)
        return true; // the good copy is only in memory
    return !UnsavedDates().isEmpty();
}

QList<DateValue> SharedDiaryFile::UnsavedDates() const
{
    return DiaryMerge::ChangedDates(DiaryMerge::GroupByDate(m_database), m_baseGroups);
}

void SharedDiaryFile::Watch()
{
    const QString &path = Path();
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_watcher->directories().contains(folder)) {
        if (!m_watcher->directories().isEmpty())
            m_watcher->removePaths(m_watcher->directories());
        if (QFileInfo(folder).isDir())
            m_watcher->addPath(folder);
    }
    // A file replaced by a rename is a new file: the watch moves to it.
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (QFileInfo(path).isFile())
        m_watcher->addPath(path);
}

void SharedDiaryFile::OnWatchEvent()
{
    Watch();
    m_settle->start();
}
