#pragma once

#include <QByteArray>
#include <QString>

// Properties every file the diary reads must keep, whatever its bytes: reading ends, the
// integrity check answers, a loaded diary writes a file that passes the check, and writing that
// file again after reading it gives the same bytes. Shared by the fuzzing target and the tests,
// so both hold every input to the same rules.
namespace HostileFileChecks {

// Runs the bytes through the integrity check, the database reader with a write and reread, and
// the name list reader. Gives an empty string when every property holds, otherwise a description
// of the first that does not.
QString CheckBytes(const QByteArray &data);

// The same path through files in folder: a file that passes the integrity check is opened, saved
// under another name and checked again. Empty when every property holds.
QString CheckFileRoundTrip(const QByteArray &data, const QString &folder);

} // namespace HostileFileChecks
