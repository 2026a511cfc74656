#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Properties every reader of an imported file keeps, whatever the bytes: it ends without a
// sanitizer report, a refusal says why and names a line, skipped rows name lines of the file,
// and what it read can be stored: written as a diary file and read back unchanged, imported
// into an empty diary and then recognised as already there. The diary's own CSV and JSON
// readers also read their own export of what they read back the same.
namespace ReaderChecks {

// "csv", "diarycsv", "diaryjson", "strong", "hevy", "fitnotes", "liftlog", "detect".
QStringList ReaderNames();
// The first property the named reader broke on data; empty when it kept them all.
QString Check(const QString &reader, const QByteArray &data);

} // namespace ReaderChecks
