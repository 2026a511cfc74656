#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// Points the diary's home, the settings store and the runtime folder (single-instance locks) at
// a fresh temporary folder that lives as long as this object. Must be created before the
// application object, because Qt reads these variables once.
class TestEnvironment
{
public:
    TestEnvironment();

    QString root() const { return m_dir.path(); }
    QString home() const; // REPBOOK_HOME: holds Database/
    QString databaseFolder() const; // REPBOOK_HOME/Database

private:
    QTemporaryDir m_dir;
};

// Path of a file below tests/data.
QString dataFile(const QString &name);

} // namespace testsupport
