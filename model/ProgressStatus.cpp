#include "model/ProgressStatus.h"

QString StatusName(ProgressStatus status)
{
    switch (status) {
    case ProgressStatus::NotYet:
        return QStringLiteral("Not yet");
    case ProgressStatus::Done:
        return QStringLiteral("Done");
    case ProgressStatus::Failed:
        return QStringLiteral("Failed");
    }
    return QString();
}
