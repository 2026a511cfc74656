#include "exchange/DiaryExport.h"

#include "exchange/DiaryCsv.h"
#include "exchange/DiaryJson.h"
#include "model/DiaryDatabase.h"

#include <QDir>
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

QByteArray Write(const QList<const TrainingDay *> &days, Format format)
{
    return format == Format::Json ? DiaryJson::Write(days) : DiaryCsv::Write(days);
}

bool WriteFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("The export could not be written to:\n%1\n%2")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

} // namespace DiaryExport
