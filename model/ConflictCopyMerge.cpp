#include "model/ConflictCopyMerge.h"

#include "model/ConflictCopies.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/NameList.h"
#include "model/SideFile.h"
#include "model/SyncBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <functional>
#include <future>
#include <memory>

namespace ConflictCopyMerge {

namespace {

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

struct ReadCopy
{
    Copy report;
    Fingerprint bytes;
    std::unique_ptr<DiaryDatabase> days; // for a copy to merge
    DiaryMerge::Groups groups; // its days by date
};

ReadCopy ReadOne(const QString &path, const SyncBase &base)
{
    ReadCopy read;
    read.report.path = path;
    QByteArray bytes;
    if (!DatabaseFile::ReadWhole(path, bytes)) {
        read.report.kind = Copy::Unreadable;
        return read;
    }
    read.bytes = Fingerprint::Of(bytes);
    read.days = DiaryDatabase::ReadChecked(bytes);
    if (!read.days)
        read.report.kind = Copy::Damaged;
    else if (base.WasMerged(read.bytes))
        read.report.kind = Copy::AlreadyMerged;
    else
        read.groups = DiaryMerge::GroupByDate(*read.days);
    return read;
}

QString UnmergedText(const QList<Copy> &copies)
{
    QStringList lines;
    for (const Copy &copy : copies) {
        if (copy.kind == Copy::Damaged)
            lines.append(QCoreApplication::translate("ConflictCopyMerge",
                                                     "%1 is damaged: it fails its integrity check.")
                             .arg(Native(copy.path)));
        else if (copy.kind == Copy::Unreadable)
            lines.append(QCoreApplication::translate("ConflictCopyMerge", "%1 cannot be read.")
                             .arg(Native(copy.path)));
    }
    return lines.join(u'\n');
}

// Every copy beside the diary at path that is still there once read.
std::vector<ReadCopy> ReadAll(const QStringList &copies, const SyncBase &base)
{
    std::vector<ReadCopy> reads;
    for (const QString &copy : copies) {
        ReadCopy read = ReadOne(copy, base);
        // Gone meanwhile: merged by another program or removed by the sync engine.
        if (read.report.kind != Copy::Unreadable || QFileInfo::exists(copy))
            reads.push_back(std::move(read));
    }
    return reads;
}

// Merges one sound copy into the container, whose days by date are memoryGroups before and
// after; the copy's versions of dates both sides changed are gathered in record.
void MergeOne(ReadCopy &read, DiaryDatabase &memory, DiaryMerge::Groups &memoryGroups,
              SyncBase &base, DiaryDatabase &record)
{
    const DiaryMerge::Groups before = memoryGroups;
    base.Agree(before, read.groups);
    DiaryMerge::Result result =
        DiaryMerge::Merge(base.Groups(), *read.days, read.groups, memory, before,
                          DiaryMerge::Winner::Memory, [&](const DiaryDatabase &losers) {
                              for (int i = 0; i < losers.GetDayCount(); ++i) {
                                  auto day = std::make_unique<TrainingDay>();
                                  day->CopyExactFrom(*losers.GetDay(i));
                                  record.AddDay(std::move(day));
                              }
                              return true;
                          });
    read.report.conflicts = result.conflicts;
    read.report.taken = DiaryMerge::ChangedDates(before, result.memoryGroups);
    memoryGroups = std::move(result.memoryGroups);
}

} // namespace

bool Outcome::HasUnmerged() const
{
    return std::any_of(copies.cbegin(), copies.cend(), [](const Copy &copy) {
        return copy.kind == Copy::Damaged || copy.kind == Copy::Unreadable;
    });
}

int MergeNames(const QString &listPath, const QString &copyPath, bool write)
{
    QByteArray bytes;
    if (!DatabaseFile::ReadWhole(copyPath, bytes))
        return 0;
    NameList list(listPath);
    list.Load();
    QStringList present = list.Entries();
    int added = 0;
    for (const QString &name : NameList::ParseLines(bytes)) {
        if (name.isEmpty() || present.contains(name))
            continue;
        present.append(name);
        if (!write || list.Append(name))
            ++added;
    }
    return added;
}

QStringList NameListPaths(const QString &diaryPath)
{
    const QString folder = QFileInfo(diaryPath).absolutePath();
    return {folder + QStringLiteral("/UEList.txt"), folder + QStringLiteral("/UTList.txt")};
}

QStringList FindAll(const QString &diaryPath)
{
    QStringList copies = ConflictCopies::Find(diaryPath);
    for (const QString &list : NameListPaths(diaryPath))
        copies.append(ConflictCopies::Find(list));
    return copies;
}

namespace {

// Merges what takeReads gives into the file's container and saves it; anyCopy tells whether it
// gives a copy of the diary (then the container is first brought up to date and grouped).
Outcome Merge(SharedDiaryFile &file, SyncBase &base, Mode mode, bool anyCopy,
              const std::function<std::vector<ReadCopy>()> &takeReads)
{
    Outcome outcome;
    const QString &path = file.Path();
    const bool write = mode != Mode::DryRun;
    DiaryMerge::Groups memoryGroups;
    if (anyCopy) {
        const SharedDiaryFile::Outcome refreshed =
            write ? file.Refresh() : SharedDiaryFile::Outcome();
        if (!refreshed.ok) {
            takeReads();
            outcome.ok = false;
            outcome.error = refreshed.error;
            return outcome;
        }
        memoryGroups = DiaryMerge::GroupByDateOnTwoCores(file.Database());
    }
    std::vector<ReadCopy> reads = takeReads();
    for (const ReadCopy &read : reads)
        outcome.copies.append(read.report);
    if (outcome.HasUnmerged()) {
        outcome.error = UnmergedText(outcome.copies);
        if (mode != Mode::Apply) {
            outcome.ok = false;
            return outcome;
        }
    }

    DiaryDatabase record;
    for (ReadCopy &read : reads) {
        if (read.report.kind == Copy::Merged)
            MergeOne(read, file.Database(), memoryGroups, base, record);
    }
    outcome.copies.clear();
    for (const ReadCopy &read : reads) {
        outcome.copies.append(read.report);
        outcome.conflicts.append(read.report.conflicts);
        outcome.memoryChanged = outcome.memoryChanged || !read.report.taken.isEmpty();
    }
    std::sort(outcome.conflicts.begin(), outcome.conflicts.end());
    outcome.conflicts.erase(std::unique(outcome.conflicts.begin(), outcome.conflicts.end()),
                            outcome.conflicts.end());

    for (const QString &list : NameListPaths(path)) {
        for (const QString &copy : ConflictCopies::Find(list)) {
            outcome.listCopies.append(copy);
            outcome.namesAdded += MergeNames(list, copy, write);
            if (write)
                QFile::remove(copy);
        }
    }
    if (!write)
        return outcome;

    // The copies go only once what they brought is safe in the diary and the record.
    if (record.GetDayCount() > 0) {
        outcome.conflictFile = SharedDiaryFile::KeepConflictDays(path, record, outcome.error);
        if (outcome.conflictFile.isEmpty()) {
            outcome.ok = false;
            return outcome;
        }
    }
    if (outcome.memoryChanged) {
        outcome.saved = file.Save(std::move(memoryGroups));
        if (!outcome.saved.ok) {
            outcome.ok = false;
            outcome.error = outcome.saved.error;
            return outcome;
        }
    }
    for (qsizetype i = 0; i < outcome.copies.size(); ++i) {
        Copy &copy = outcome.copies[i];
        if (copy.kind == Copy::Damaged) {
            copy.keptAs = SideFile::FreeName(path, QStringLiteral("damaged"));
            if (!QFile::rename(copy.path, copy.keptAs))
                copy.keptAs.clear();
        } else if (copy.kind != Copy::Unreadable) {
            base.MarkMerged(reads[size_t(i)].bytes);
            QFile::remove(copy.path);
        }
    }
    if (!base.Save()) {
        outcome.ok = false;
        outcome.error =
            QCoreApplication::translate("ConflictCopyMerge",
                                        "The record of what this computer agreed on with the "
                                        "others could not be written:\n%1")
                .arg(Native(base.Path()));
    }
    return outcome;
}

// This computer's merge lock and base for the diary at path; false and the outcome to give when
// the merge cannot go on.
bool TakeLockAndBase(const QString &path, Mode mode, QLockFile &lock, SyncBase &base,
                     Outcome &outcome)
{
    // Two programs of this computer never merge at once: the one that finds the other at it
    // leaves the copies to it.
    if (mode != Mode::DryRun && !lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError) {
            outcome.ok = false;
            outcome.error = QCoreApplication::translate("ConflictCopyMerge",
                                                        "The diary's folder cannot be written:\n%1")
                                .arg(Native(QFileInfo(path).absolutePath()));
        }
        return false;
    }
    if (!base.Load() && mode != Mode::DryRun) {
        outcome.ok = false;
        outcome.error =
            QCoreApplication::translate("ConflictCopyMerge",
                                        "The record of what this computer last agreed on with "
                                        "the others cannot be read:\n%1")
                .arg(Native(base.Path()));
        return false;
    }
    return true;
}

} // namespace

struct Prepared
{
    QString path;
    QLockFile lock;
    SyncBase base;
    bool go = false; // false: give outcome
    Outcome outcome;
    std::vector<ReadCopy> reads;

    explicit Prepared(const QString &diaryPath)
        : path(diaryPath)
        , lock(diaryPath + QStringLiteral(".merge.lock"))
        , base(SyncBase::PathFor(diaryPath))
    {
    }
};

Outcome Run(SharedDiaryFile &file, Mode mode)
{
    Outcome outcome;
    QLockFile lock(file.Path() + QStringLiteral(".merge.lock"));
    SyncBase base(SyncBase::PathFor(file.Path()));
    if (!TakeLockAndBase(file.Path(), mode, lock, base, outcome))
        return outcome;
    return Run(file, base, mode);
}

std::shared_ptr<Prepared> Prepare(const QString &diaryPath)
{
    if (diaryPath.isEmpty() || FindAll(diaryPath).isEmpty())
        return nullptr;
    auto prepared = std::make_shared<Prepared>(diaryPath);
    prepared->go =
        TakeLockAndBase(diaryPath, Mode::Apply, prepared->lock, prepared->base, prepared->outcome);
    if (prepared->go)
        prepared->reads = ReadAll(ConflictCopies::Find(diaryPath), prepared->base);
    return prepared;
}

Outcome Apply(SharedDiaryFile &file, Prepared &prepared)
{
    if (!prepared.go || file.Path() != prepared.path)
        return prepared.outcome;
    prepared.go = false;
    return Merge(file, prepared.base, Mode::Apply, !prepared.reads.empty(),
                 [&] { return std::move(prepared.reads); });
}

Outcome Run(SharedDiaryFile &file, SyncBase &base, Mode mode)
{
    if (file.Path().isEmpty())
        return Outcome();
    // The copies are read and checked on a second core while this thread takes in what
    // another program saved and groups the diary's days by date.
    const QStringList copies = ConflictCopies::Find(file.Path());
    std::future<std::vector<ReadCopy>> reading = std::async(
        std::launch::async | std::launch::deferred, [&] { return ReadAll(copies, base); });
    return Merge(file, base, mode, !copies.isEmpty(), [&] { return reading.get(); });
}

} // namespace ConflictCopyMerge
