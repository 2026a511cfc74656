#include "model/DiaryFolderSwitch.h"

#include "model/ConflictCopyMerge.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/DiaryMerge.h"
#include "model/SharedDiaryFile.h"
#include "model/SyncBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace DiaryFolderSwitch {

namespace {

const QString DiaryName = QStringLiteral("Database.rpd");

// A save's temporary file is "<file>.XXXXXX" where the file system has no unnamed temporary
// files; a lock is "<file>.lock", and a stale one is removed through "<file>.lock.rmlink".
const QByteArray IgnorePatterns = "// Repbook: locks, temporary files of a save, this computer's "
                                  "backups\n"
                                  "(?d)*.lock\n"
                                  "(?d)*.lock.rmlink\n"
                                  "(?d)Database.rpd.??????\n"
                                  "(?d)Backups\n";

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool SameBytes(const QString &a, const QString &b)
{
    QByteArray first;
    QByteArray second;
    return DatabaseFile::ReadWhole(a, first) && DatabaseFile::ReadWhole(b, second) &&
        first == second;
}

} // namespace

QStringList FileNames()
{
    return {DiaryName, QStringLiteral("UEList.txt"), QStringLiteral("UTList.txt")};
}

bool HoldsDiary(const QString &folder)
{
    return QFileInfo(folder + u'/' + DiaryName).isFile();
}

Result CopyInto(const QString &from, const QString &to)
{
    Result result;
    for (const QString &name : FileNames()) {
        const QString source = from + u'/' + name;
        const QString target = to + u'/' + name;
        if (!QFileInfo::exists(source))
            continue;
        // A name list the folder already has (one left there before) is kept and gains the
        // names it lacks; it is never replaced, nor removed when something else fails.
        if (name != DiaryName && QFileInfo(target).isFile()) {
            ConflictCopyMerge::MergeNames(target, source, true);
            continue;
        }
        const bool copied = QFile::copy(source, target);
        if (!copied || !SameBytes(source, target)) {
            result.ok = false;
            result.error =
                QCoreApplication::translate("DiaryFolderSwitch", "%1 could not be copied to:\n%2")
                    .arg(Native(source), Native(target));
            if (copied)
                result.written.append(target);
            break;
        }
        result.written.append(target);
    }
    if (!result.ok) {
        for (const QString &written : result.written)
            QFile::remove(written);
        result.written.clear();
    }
    return result;
}

Result MergeInto(const QString &from, const QString &to)
{
    Result result;
    DiaryDatabase source;
    QByteArray bytes;
    const QString sourcePath = from + u'/' + DiaryName;
    if (QFileInfo::exists(sourcePath)) {
        if (!DatabaseFile::ReadWhole(sourcePath, bytes) || !CheckDatabaseIntegrityData(bytes)) {
            result.ok = false;
            result.error = QCoreApplication::translate("DiaryFolderSwitch",
                                                       "The diary %1 cannot be read or is damaged.")
                               .arg(Native(sourcePath));
            return result;
        }
        source.LoadFromData(bytes);
    }
    DiaryDatabase target;
    SharedDiaryFile file(target, DiaryMerge::Winner::Memory);
    const QString targetPath = to + u'/' + DiaryName;
    if (!file.Open(targetPath) && QFileInfo::exists(targetPath)) {
        result.ok = false;
        result.error = QCoreApplication::translate("DiaryFolderSwitch",
                                                   "The diary %1 cannot be read or is damaged.")
                           .arg(Native(targetPath));
        return result;
    }
    const DiaryMerge::Result merge = DiaryMerge::Merge(
        {}, source, target, DiaryMerge::Winner::Memory, [&](const DiaryDatabase &losers) {
            result.conflictFile =
                SharedDiaryFile::KeepConflictDays(targetPath, losers, result.error);
            return !result.conflictFile.isEmpty();
        });
    result.conflicts = merge.conflicts;
    if (!merge.applied) {
        result.ok = false;
        return result;
    }
    const SharedDiaryFile::Outcome saved = file.Save();
    if (!saved.ok) {
        result.ok = false;
        result.error = saved.error;
        return result;
    }
    if (saved.saved)
        result.written.append(targetPath);
    for (const QString &name : FileNames().mid(1)) {
        if (ConflictCopyMerge::MergeNames(to + u'/' + name, from + u'/' + name, true) > 0)
            result.written.append(to + u'/' + name);
    }
    return result;
}

bool WriteSyncIgnore(const QString &folder)
{
    const QString path = folder + QStringLiteral("/.stignore");
    QByteArray bytes;
    if (QFileInfo::exists(path) && !DatabaseFile::ReadWhole(path, bytes))
        return false;
    if (bytes.contains(IgnorePatterns))
        return true;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    bytes += IgnorePatterns;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool AgreeOnDiary(const QString &folder)
{
    const QString path = folder + u'/' + DiaryName;
    DiaryDatabase diary;
    if (QFileInfo::exists(path) && !diary.Open(path))
        return false;
    SyncBase base(SyncBase::PathFor(path));
    base.AgreeOn(DiaryMerge::GroupByDate(diary));
    return base.Save();
}

} // namespace DiaryFolderSwitch
