#include "model/ProgressStatus.h"

#include <QCoreApplication>

QString StatusName(ProgressStatus status)
{
    switch (status) {
    case ProgressStatus::NotYet:
        return QCoreApplication::translate("ProgressStatus", "Not yet");
    case ProgressStatus::Done:
        return QCoreApplication::translate("ProgressStatus", "Done");
    case ProgressStatus::Failed:
        return QCoreApplication::translate("ProgressStatus", "Failed");
    }
    return QString();
}
