#include "model/SharedDiaryFile.h"

#include "model/DatabaseFile.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"
#include "model/SideFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QTimer>

#include <future>

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

SharedDiaryFile::Reading::Reading() = default;
SharedDiaryFile::Reading::Reading(Reading &&) noexcept = default;
SharedDiaryFile::Reading &SharedDiaryFile::Reading::operator=(Reading &&) noexcept = default;
SharedDiaryFile::Reading::~Reading() = default;

SharedDiaryFile::Reading SharedDiaryFile::Read(const QString &path)
{
    Reading reading;
    reading.m_path = path;
    if (path.isEmpty())
        return reading;
    reading.m_state = FileStamp::Of(path);
    QByteArray bytes;
    if (!reading.m_state.exists) {
        reading.m_bytes = Fingerprint::Of({});
        return reading;
    }
    if (!DatabaseFile::ReadWhole(path, bytes)) {
        reading.m_bytes = Fingerprint::Of(bytes);
        return reading;
    }
    // The fingerprint of the bytes is taken on the core that checks them.
    std::unique_ptr<DiaryDatabase> days =
        DiaryDatabase::ReadChecked(bytes, [&] { reading.m_bytes = Fingerprint::Of(bytes); });
    // The bytes go before the grouping, which works from the days, so that they and the
    // window being built meanwhile are not held at once longer than needed.
    bytes = QByteArray();
    if (days) {
        reading.m_groups = DiaryMerge::GroupByDateOnTwoCores(*days);
        reading.m_days = std::move(days);
    }
    return reading;
}

bool SharedDiaryFile::Open(Reading reading)
{
    if (reading.m_path.isEmpty())
        return m_database.Open(reading.m_path);
    m_database.SetPath(reading.m_path);
    const bool loaded = reading.m_days != nullptr;
    if (!reading.m_state.exists) {
        TakeBaseline({}, reading.m_bytes, reading.m_state);
    } else if (loaded) {
        m_database.TakeDaysFrom(*reading.m_days);
        TakeBaseline(std::move(reading.m_groups), reading.m_bytes, reading.m_state);
    } else {
        // Kept as it is; a later save sets it aside before writing.
        m_diskState = reading.m_state;
        m_diskFingerprint = reading.m_bytes;
        m_diskDamaged = true;
    }
    Watch();
    return loaded;
}

void SharedDiaryFile::TakeBaseline(DiaryMerge::Groups groups, const Fingerprint &diskBytes,
                                   const FileStamp &state)
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
    const FileStamp state = FileStamp::Of(path);
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
        outcome.error =
            QCoreApplication::translate("SharedDiaryFile", "The diary file cannot be read:\n%1")
                .arg(Native(path));
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

QString SharedDiaryFile::KeepConflictDays(const QString &diaryPath, const DiaryDatabase &days,
                                          QString &error)
{
    DiaryDatabase kept;
    for (int i = 0; i < days.GetDayCount(); ++i) {
        auto copy = std::make_unique<TrainingDay>();
        copy->CopyExactFrom(*days.GetDay(i));
        kept.AddDay(std::move(copy));
    }
    kept.SetPath(SideFile::FreeName(diaryPath, QStringLiteral("conflict")));
    if (!kept.Save()) {
        error = QCoreApplication::translate("SharedDiaryFile",
                                            "Days changed on both sides could not be kept in:\n%1")
                    .arg(Native(kept.GetPath()));
        return {};
    }
    return kept.GetPath();
}

bool SharedDiaryFile::KeepConflicts(const DiaryDatabase &losers, Outcome &outcome)
{
    outcome.conflictFile = KeepConflictDays(Path(), losers, outcome.error);
    return !outcome.conflictFile.isEmpty();
}

SharedDiaryFile::Outcome SharedDiaryFile::Save()
{
    return Save(std::nullopt);
}

SharedDiaryFile::Outcome SharedDiaryFile::Save(std::optional<DiaryMerge::Groups> memoryGroups)
{
    const QString path = Path();
    if (path.isEmpty()) {
        Outcome outcome;
        outcome.ok = false;
        outcome.error =
            QCoreApplication::translate("SharedDiaryFile", "The diary is not bound to a file.");
        return outcome;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        Outcome outcome;
        outcome.ok = false;
        // Without a lock file beside it (no folder, no write access) the diary cannot be
        // written either.
        outcome.error = lock.error() == QLockFile::LockFailedError
            ? QCoreApplication::translate("SharedDiaryFile",
                                          "The diary file is being saved by another program:\n%1")
                  .arg(Native(path))
            : QCoreApplication::translate("SharedDiaryFile", "The diary could not be saved to:\n%1")
                  .arg(Native(path));
        return outcome;
    }

    Outcome outcome = Refresh();
    if (!outcome.ok)
        return outcome;
    // Grouped once: the same days are checked for changes and become the new baseline. The
    // caller's grouping holds unless the refresh took days from disk.
    DiaryMerge::Groups groups = memoryGroups && !outcome.memoryChanged
        ? std::move(*memoryGroups)
        : DiaryMerge::GroupByDate(m_database);
    if (!Differs(groups))
        return outcome;
    if (m_diskDamaged) {
        const QString kept = SideFile::FreeName(path, QStringLiteral("damaged"));
        if (!QFile::rename(path, kept)) {
            outcome.ok = false;
            outcome.error =
                QCoreApplication::translate("SharedDiaryFile",
                                            "The damaged diary file could not be set aside:\n%1")
                    .arg(Native(path));
            return outcome;
        }
        outcome.keptDamagedFile = kept;
    }
    const QByteArray bytes = DatabaseWriter::FileBytes(m_database);
    if (!m_database.Save(bytes)) {
        outcome.ok = false;
        outcome.error =
            QCoreApplication::translate("SharedDiaryFile", "The diary could not be saved to:\n%1")
                .arg(Native(path));
        return outcome;
    }
    TakeBaseline(std::move(groups), Fingerprint::Of(bytes), FileStamp::Of(path));
    Watch();
    outcome.saved = true;
    return outcome;
}

bool SharedDiaryFile::HasUnsavedChanges() const
{
    return Differs(DiaryMerge::GroupByDate(m_database));
}

bool SharedDiaryFile::Differs(const DiaryMerge::Groups &memoryGroups) const
{
    if (m_diskDamaged && m_database.GetDayCount() > 0)
        return true; // the good copy is only in memory
    return !DiaryMerge::ChangedDates(memoryGroups, m_baseGroups).isEmpty();
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
