#include "model/ConflictCopyMerge.h"

#include "model/ConflictCopies.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/NameList.h"
#include "model/SideFile.h"
#include "model/SyncBase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
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
            lines.append(QStringLiteral("%1 is damaged: it fails its integrity check.")
                             .arg(Native(copy.path)));
        else if (copy.kind == Copy::Unreadable)
            lines.append(QStringLiteral("%1 cannot be read.").arg(Native(copy.path)));
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

Outcome Run(SharedDiaryFile &file, Mode mode)
{
    // Two programs of this computer never merge at once: the one that finds the other at it
    // leaves the copies to it.
    QLockFile lock(file.Path() + QStringLiteral(".merge.lock"));
    if (mode != Mode::DryRun && !lock.tryLock(0)) {
        Outcome outcome;
        if (lock.error() != QLockFile::LockFailedError) {
            outcome.ok = false;
            outcome.error = QStringLiteral("The diary's folder cannot be written:\n%1")
                                .arg(Native(QFileInfo(file.Path()).absolutePath()));
        }
        return outcome;
    }
    SyncBase base(SyncBase::PathFor(file.Path()));
    if (!base.Load() && mode != Mode::DryRun) {
        Outcome outcome;
        outcome.ok = false;
        outcome.error = QStringLiteral("The record of what this computer last agreed on with "
                                       "the others cannot be read:\n%1")
                            .arg(Native(base.Path()));
        return outcome;
    }
    return Run(file, base, mode);
}

Outcome Run(SharedDiaryFile &file, SyncBase &base, Mode mode)
{
    Outcome outcome;
    const QString &path = file.Path();
    if (path.isEmpty())
        return outcome;
    const bool write = mode != Mode::DryRun;

    // The copies are read and checked on a second core while this thread takes in what
    // another program saved and groups the diary's days by date.
    const QStringList copies = ConflictCopies::Find(path);
    std::future<std::vector<ReadCopy>> reading = std::async(
        std::launch::async | std::launch::deferred, [&] { return ReadAll(copies, base); });
    DiaryMerge::Groups memoryGroups;
    if (!copies.isEmpty()) {
        const SharedDiaryFile::Outcome refreshed =
            write ? file.Refresh() : SharedDiaryFile::Outcome();
        if (!refreshed.ok) {
            reading.wait();
            outcome.ok = false;
            outcome.error = refreshed.error;
            return outcome;
        }
        memoryGroups = DiaryMerge::GroupByDate(file.Database());
    }
    std::vector<ReadCopy> reads = reading.get();
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
        outcome.saved = file.Save();
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
        outcome.error = QStringLiteral("The record of what this computer agreed on with the "
                                       "others could not be written:\n%1")
                            .arg(Native(base.Path()));
    }
    return outcome;
}

} // namespace ConflictCopyMerge
