#include "diary/ConflictNotice.h"

#include "editing/DateListText.h"
#include "model/ConflictRecords.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>

ConflictNotice::ConflictNotice(QWidget *parent)
    : m_parent(parent)
{
}

void ConflictNotice::Check(const QString &diaryPath, const QStringList &told)
{
    if (diaryPath.isEmpty())
        return;
    const ConflictRecords::Found found = ConflictRecords::Read(diaryPath);
    const bool firstLook = diaryPath != m_path;
    m_path = diaryPath;
    QList<DateValue> dates;
    QSet<QString> present;
    for (const ConflictRecords::Record &record : found.records) {
        bool fresh = false;
        for (const QString &file : record.files) {
            present.insert(file);
            fresh = fresh || (!m_known.contains(file) && !told.contains(file));
        }
        if (fresh && !dates.contains(record.date))
            dates.append(record.date);
    }
    m_known = present;
    if (firstLook || dates.isEmpty())
        return;
    MessageBox::Information(
        m_parent,
        QCoreApplication::translate("ConflictNotice",
                                    "Days that were changed in two places (on another "
                                    "computer, or here in the notifier) have their other "
                                    "version on record:\n%1\nEdit > Conflicts shows it "
                                    "beside the diary's and lets you take it instead.")
            .arg(DateListText::Short(dates)));
}
