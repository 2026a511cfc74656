#include "model/SideFile.h"

#include "model/Clock.h"

#include <QFileInfo>

namespace SideFile {

QString Name(const QString &databasePath, const QString &kind, const QDateTime &moment)
{
    return databasePath + QLatin1Char('.') + kind + QLatin1Char('-') +
        moment.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QString FreeName(const QString &databasePath, const QString &kind)
{
    const QString baseName = Name(databasePath, kind, Clock::Now());
    QString name = baseName;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = baseName + QLatin1Char('-') + QString::number(n);
    return name;
}

} // namespace SideFile
