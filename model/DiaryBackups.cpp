#include "model/DiaryBackups.h"

#include "model/Clock.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <functional>

namespace {

const QString MomentFormat = QStringLiteral("yyyyMMdd-HHmmss");

const QRegularExpression &NamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^Database-(\\d{8}-\\d{6})(?:-(\\d+))?\\.rpd$"));
    return pattern;
}

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

DiaryBackups::Result Failure(const QString &error)
{
    DiaryBackups::Result result;
    result.ok = false;
    result.error = error;
    return result;
}

// Keeps the newest moment of each of the newest count periods that key tells apart.
void KeepNewestPer(const QList<QDateTime> &newestFirst, int count,
                   const std::function<qint64(const QDate &)> &key, QList<QDateTime> &kept)
{
    qint64 last = 0;
    int periods = 0;
    for (const QDateTime &moment : newestFirst) {
        if (periods >= count)
            return;
        const qint64 period = key(moment.date());
        if (periods > 0 && period == last)
            continue;
        last = period;
        ++periods;
        if (!kept.contains(moment))
            kept.append(moment);
    }
}

} // namespace

DiaryBackups::DiaryBackups(const QString &databasePath, const QString &folder)
    : DiaryBackups(databasePath, Retention())
{
    m_folder = folder;
}

DiaryBackups::DiaryBackups(const QString &databasePath, Retention retention)
    : m_databasePath(databasePath)
    , m_retention(retention)
{
}

QString DiaryBackups::Folder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    return QFileInfo(m_databasePath).absolutePath() + QStringLiteral("/Backups");
}

QDateTime DiaryBackups::MomentOf(const QString &fileName)
{
    const QRegularExpressionMatch match = NamePattern().match(fileName);
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(1), MomentFormat);
}

DiaryBackups::Result DiaryBackups::MakeNow() const
{
    QByteArray bytes;
    if (!QFileInfo::exists(m_databasePath))
        return {};
    if (!DatabaseFile::ReadWhole(m_databasePath, bytes))
        return Failure(QCoreApplication::translate(
                           "DiaryBackups", "The diary file could not be read for a backup:\n%1")
                           .arg(Native(m_databasePath)));
    if (!CheckDatabaseIntegrityData(bytes))
        return {};

    const QString folder = Folder();
    const QString cannotWrite =
        QCoreApplication::translate("DiaryBackups",
                                    "A backup of the diary could not be written in:\n%1")
            .arg(Native(folder));
    if (!QDir().mkpath(folder))
        return Failure(cannotWrite);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString base =
        folder + QStringLiteral("/Database-") + Clock::Now().toString(MomentFormat);
    QString path = base + QStringLiteral(".rpd");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".rpd");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure(cannotWrite);
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Failure(cannotWrite);
    Prune();
    Result result;
    result.backup = path;
    return result;
}

bool DiaryBackups::IsDue() const
{
    const QDate today = Clock::Today();
    const QList<Entry> entries = List();
    return std::none_of(entries.cbegin(), entries.cend(),
                        [&](const Entry &entry) { return entry.moment.date() == today; });
}

QList<DiaryBackups::Entry> DiaryBackups::List() const
{
    QList<Entry> entries;
    const QFileInfoList files = QDir(Folder()).entryInfoList(
        {QStringLiteral("Database-*.rpd")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo &info : files) {
        const QDateTime moment = MomentOf(info.fileName());
        if (moment.isValid())
            entries.append({info.absoluteFilePath(), moment, info.size()});
    }
    // Copies made within one second are told apart by their number: -2 after the first.
    const auto number = [](const Entry &entry) {
        return qMax(1, NamePattern().match(QFileInfo(entry.path).fileName()).captured(2).toInt());
    };
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        return a.moment != b.moment ? a.moment > b.moment : number(a) > number(b);
    });
    return entries;
}

DiaryBackups::Summary DiaryBackups::Summarize(const QString &backupPath)
{
    Summary summary;
    QByteArray bytes;
    if (!ReadSound(backupPath, bytes))
        return summary;
    DiaryDatabase days;
    days.LoadFromData(bytes);
    summary.readable = true;
    summary.dayCount = days.GetDayCount();
    for (int i = 0; i < days.GetDayCount(); ++i) {
        const DateValue date = days.GetDay(i)->GetDate();
        if (date.IsValid() && (!summary.lastDay.IsValid() || summary.lastDay < date))
            summary.lastDay = date;
    }
    return summary;
}

std::optional<DiaryBackups::Found> DiaryBackups::NewestSound() const
{
    for (const Entry &entry : List()) {
        const Summary summary = Summarize(entry.path);
        if (summary.readable)
            return Found {entry, summary};
    }
    return std::nullopt;
}

QString DiaryBackups::Describe(const Found &found, const QLocale &locale)
{
    // The format is the translation's: "d. MMMM yyyy, HH:mm" in German.
    const QString moment = locale.toString(
        found.entry.moment, QCoreApplication::translate("DiaryBackups", "d MMMM yyyy, HH:mm"));
    return found.summary.dayCount == 1
        ? QCoreApplication::translate("DiaryBackups", "the backup of %1 with 1 day").arg(moment)
        : QCoreApplication::translate("DiaryBackups", "the backup of %1 with %2 days")
              .arg(moment)
              .arg(found.summary.dayCount);
}

QList<QDateTime> DiaryBackups::Kept(const QList<QDateTime> &moments, const Retention &retention,
                                    const QDate &today, const QList<QDateTime> &restoredFrom)
{
    QList<QDateTime> newestFirst = moments;
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<QDateTime>());
    QList<QDateTime> periods;
    KeepNewestPer(
        newestFirst, retention.daily, [](const QDate &date) { return date.toJulianDay(); },
        periods);
    KeepNewestPer(
        newestFirst, retention.weekly,
        [](const QDate &date) {
            int year = 0;
            const int week = date.weekNumber(&year);
            return qint64(year) * 100 + week;
        },
        periods);
    KeepNewestPer(
        newestFirst, retention.monthly,
        [](const QDate &date) { return qint64(date.year()) * 100 + date.month(); }, periods);

    // Of each day the periods keep: its newest copy, the copy taken before its first save (its
    // oldest), the copies restores came from, and while it is today every copy.
    QSet<QDate> days;
    for (const QDateTime &moment : periods)
        days.insert(moment.date());
    QHash<QDate, QDateTime> oldest;
    for (const QDateTime &moment : newestFirst)
        oldest.insert(moment.date(), moment);
    QList<QDateTime> kept;
    QDate previousDay;
    for (const QDateTime &moment : newestFirst) {
        const QDate day = moment.date();
        const bool newest = day != previousDay;
        previousDay = day;
        if (days.contains(day) &&
            (newest || day == today || moment == oldest.value(day) ||
             restoredFrom.contains(moment)))
            kept.append(moment);
    }
    return kept;
}

QString DiaryBackups::RestoredListPath() const
{
    return Folder() + QStringLiteral("/Restored.txt");
}

QStringList DiaryBackups::RestoredFrom() const
{
    QFile file(RestoredListPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void DiaryBackups::WriteRestoredFrom(const QStringList &names) const
{
    QSaveFile file(RestoredListPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(names.join(u'\n').toUtf8() + '\n');
        file.commit();
    }
}

void DiaryBackups::MarkRestoredFrom(const QString &backupPath) const
{
    QStringList names = RestoredFrom();
    const QString name = QFileInfo(backupPath).fileName();
    if (QFileInfo(backupPath).absolutePath() != QFileInfo(Folder()).absoluteFilePath() ||
        names.contains(name))
        return; // not one of this diary's backups, or marked already
    names.append(name);
    WriteRestoredFrom(names);
}

void DiaryBackups::Prune() const
{
    const QList<Entry> entries = List();
    QStringList restoredNames = RestoredFrom();
    QList<QDateTime> moments;
    QList<QDateTime> restoredFrom;
    for (const Entry &entry : entries) {
        moments.append(entry.moment);
        if (restoredNames.contains(QFileInfo(entry.path).fileName()))
            restoredFrom.append(entry.moment);
    }
    const QList<QDateTime> kept = Kept(moments, m_retention, Clock::Today(), restoredFrom);
    bool forgotten = false;
    for (const Entry &entry : entries) {
        if (!kept.contains(entry.moment) && QFile::remove(entry.path))
            forgotten = restoredNames.removeAll(QFileInfo(entry.path).fileName()) > 0 || forgotten;
    }
    if (forgotten)
        WriteRestoredFrom(restoredNames);
}

DiaryBackups::Result DiaryBackups::KeepCurrent(SharedDiaryFile &file) const
{
    const SharedDiaryFile::Outcome saved = file.Save();
    if (!saved.ok)
        return Failure(saved.error);
    Result result = MakeNow();
    result.saved = saved;
    return result;
}

bool DiaryBackups::ReadSound(const QString &backupPath, QByteArray &bytes)
{
    return DatabaseFile::ReadWhole(backupPath, bytes) && CheckDatabaseIntegrityData(bytes);
}

QString DiaryBackups::UnreadableText(const QString &backupPath)
{
    return QCoreApplication::translate("DiaryBackups",
                                       "The backup cannot be read or is damaged:\n%1")
        .arg(Native(backupPath));
}

DiaryBackups::Result DiaryBackups::Replace(SharedDiaryFile &file, const QByteArray &backupBytes)
{
    file.Database().LoadFromData(backupBytes);
    Result result;
    result.saved = file.Save();
    result.ok = result.saved.ok;
    result.error = result.saved.error;
    return result;
}

DiaryBackups::Result DiaryBackups::Restore(SharedDiaryFile &file, const QString &backupPath) const
{
    QByteArray bytes;
    if (!ReadSound(backupPath, bytes))
        return Failure(UnreadableText(backupPath));
    // Today's copies all stay anyway: a list that cannot be written only shortens its life.
    MarkRestoredFrom(backupPath);
    const Result kept = KeepCurrent(file);
    if (!kept.ok)
        return kept;
    Result result = Replace(file, bytes);
    result.backup = kept.backup;
    return result;
}
