#include "model/ConflictRecords.h"

#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "model/DiaryMerge.h"
#include "model/TrainingDay.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QRegularExpression>

#include <algorithm>

namespace ConflictRecords {

namespace {

const QRegularExpression &StampPattern()
{
    // "yyyyMMdd-HHmmss", with "-2", "-3" ... when several were written in one second.
    static const QRegularExpression pattern(QStringLiteral("^(\\d{8}-\\d{6})(-\\d+)?$"));
    return pattern;
}

QString Prefix(const QString &diaryName)
{
    return diaryName + QStringLiteral(".conflict-");
}

void CopyDayInto(const TrainingDay &day, DiaryDatabase &into)
{
    auto copy = std::make_unique<TrainingDay>();
    copy->CopyExactFrom(day);
    into.AddDay(std::move(copy));
}

} // namespace

bool IsRecordOf(const QString &fileName, const QString &diaryName)
{
    const QString prefix = Prefix(diaryName);
    return fileName.startsWith(prefix) &&
        StampPattern().match(fileName.mid(prefix.size())).hasMatch();
}

Found Read(const QString &diaryPath)
{
    Found found;
    // Each record's date and version, to tell the same version kept twice.
    QList<QPair<qint64, Fingerprint>> prints;
    const QFileInfo diary(diaryPath);
    const QDir folder = diary.absoluteDir();
    const QStringList names =
        folder.entryList({Prefix(diary.fileName()) + QLatin1Char('*')}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (!IsRecordOf(name, diary.fileName()))
            continue;
        const QString path = folder.filePath(name);
        QByteArray bytes;
        std::unique_ptr<DiaryDatabase> file;
        if (DatabaseFile::ReadWhole(path, bytes))
            file = DiaryDatabase::ReadChecked(bytes);
        if (!file) {
            found.unreadable.append(path);
            continue;
        }
        const QDateTime kept = QDateTime::fromString(
            StampPattern().match(name.mid(Prefix(diary.fileName()).size())).captured(1),
            QStringLiteral("yyyyMMdd-HHmmss"));
        // One record per date, holding every day of that date in the file's order.
        QList<std::shared_ptr<DiaryDatabase>> days;
        QList<DateValue> dates;
        for (int i = 0; i < file->GetDayCount(); ++i) {
            const TrainingDay &day = *file->GetDay(i);
            qsizetype at = dates.indexOf(day.GetDate());
            if (at < 0) {
                at = dates.size();
                dates.append(day.GetDate());
                days.append(std::make_shared<DiaryDatabase>());
            }
            CopyDayInto(day, *days[at]);
        }
        for (qsizetype i = 0; i < dates.size(); ++i) {
            const Fingerprint print =
                DiaryMerge::GroupByDate(*days[i]).value(dates[i].DayKey()).records;
            const qsizetype same = prints.indexOf(qMakePair(dates[i].DayKey(), print));
            if (same < 0) {
                found.records.append({{path}, kept, dates[i], days[i]});
                prints.append(qMakePair(dates[i].DayKey(), print));
                continue;
            }
            Record &record = found.records[same];
            record.files.append(path);
            record.kept = std::max(record.kept, kept);
        }
    }
    std::stable_sort(found.records.begin(), found.records.end(),
                     [](const Record &a, const Record &b) {
                         if (a.date != b.date)
                             return a.date < b.date;
                         return a.kept > b.kept;
                     });
    return found;
}

void Take(const Record &record, DiaryDatabase &diary)
{
    int place = -1;
    for (int i = diary.GetDayCount() - 1; i >= 0; --i) {
        if (diary.GetDay(i)->GetDate() == record.date) {
            diary.RemoveDay(i);
            place = i;
        }
    }
    for (int i = 0; i < record.days->GetDayCount(); ++i) {
        auto copy = std::make_unique<TrainingDay>();
        copy->CopyExactFrom(*record.days->GetDay(i));
        copy->SetModified(true);
        if (place >= 0)
            diary.InsertDay(place++, std::move(copy));
        else
            diary.AddDay(std::move(copy));
    }
}

bool Drop(const Record &record, QString &error)
{
    QStringList failed;
    for (const QString &path : record.files) {
        QByteArray bytes;
        std::unique_ptr<DiaryDatabase> file;
        if (DatabaseFile::ReadWhole(path, bytes))
            file = DiaryDatabase::ReadChecked(bytes);
        if (!file)
            continue; // already gone, or changed into something that is no record
        for (int i = file->GetDayCount() - 1; i >= 0; --i) {
            if (file->GetDay(i)->GetDate() == record.date)
                file->RemoveDay(i);
        }
        file->SetPath(path);
        if (file->GetDayCount() == 0 ? !QFile::remove(path) : !file->Save())
            failed.append(QDir::toNativeSeparators(path));
    }
    if (!failed.isEmpty())
        error =
            QCoreApplication::translate(
                "ConflictRecords", "The other version of the day could not be removed from:\n%1")
                .arg(failed.join(u'\n'));
    return failed.isEmpty();
}

} // namespace ConflictRecords
