#include "exchange/DiaryExport.h"

#include "exchange/DiaryCsv.h"
#include "exchange/DiaryJson.h"
#include "model/DiaryDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace DiaryExport {

QList<const TrainingDay *> DaysOf(const DiaryDatabase &diary, std::optional<DateValue> from,
                                  std::optional<DateValue> to)
{
    QList<const TrainingDay *> days;
    days.reserve(diary.GetDayCount());
    for (int d = 0; d < diary.GetDayCount(); ++d) {
        const TrainingDay *day = diary.GetDay(d);
        if ((from && day->GetDate() < *from) || (to && day->GetDate() > *to))
            continue;
        days.append(day);
    }
    return days;
}

QByteArray Write(const QList<const TrainingDay *> &days, Format format, WeightUnit unit)
{
    return format == Format::Json ? DiaryJson::Write(days, unit) : DiaryCsv::Write(days, unit);
}

namespace {

// Why a file could not be opened for saving. The file is written beside its place first, so an
// operating system's message would name that new file rather than the real cause.
QString OpenFailureCause(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (info.isDir())
        return QCoreApplication::translate("DiaryExport", "It is a folder.");
    if (!info.absoluteDir().exists())
        return QCoreApplication::translate("DiaryExport", "The folder %1 does not exist.")
            .arg(folder);
    if (info.exists() && !info.isWritable())
        return QCoreApplication::translate("DiaryExport", "The file is write-protected.");
    if (!QFileInfo(info.absolutePath()).isWritable())
        return QCoreApplication::translate("DiaryExport",
                                           "You may not create files in the folder %1.")
            .arg(folder);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("DiaryExport", "It is no ordinary file.");
    // Such as a system folder that holds only its own files (/proc).
    return QCoreApplication::translate("DiaryExport", "The folder %1 takes no new files.")
        .arg(folder);
}

} // namespace

bool WriteFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    QString cause;
    if (!file.open(QIODevice::WriteOnly))
        cause = OpenFailureCause(path);
    else if (file.write(bytes) != bytes.size() || !file.commit())
        cause = file.errorString();
    if (!cause.isEmpty()) {
        error = QCoreApplication::translate("DiaryExport",
                                            "The export could not be written to:\n%1\n%2")
                    .arg(QDir::toNativeSeparators(path), cause);
        return false;
    }
    return true;
}

} // namespace DiaryExport
