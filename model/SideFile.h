#pragma once

#include <QDateTime>
#include <QString>

// Names of the files kept beside the diary: a damaged file set aside, the other program's
// version of days both programs changed. "<database>.<kind>-yyyyMMdd-HHmmss", with "-2", "-3"
// ... appended while such a file exists.
namespace SideFile {

QString Name(const QString &databasePath, const QString &kind, const QDateTime &moment);
// The first name of that kind for the current moment that no file has.
QString FreeName(const QString &databasePath, const QString &kind);

} // namespace SideFile
