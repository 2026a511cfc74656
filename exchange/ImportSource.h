#pragma once

#include "exchange/ImportedData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reads a file to import: recognises its format from its first bytes and header (unless told)
// and hands it to the matching reader. Files larger than a diary may be are refused.
namespace ImportSource {

enum class Format { Auto, Csv, Json, Strong, Hevy, FitNotes, LiftLog };

// "auto", "csv", "json", "strong", "hevy", "fitnotes", "liftlog".
QStringList FormatKeys();
std::optional<Format> FormatFromKey(const QString &key);

// The format of data, or nothing when it is none of them (error says why).
std::optional<Format> Detect(const QByteArray &data, QString &error);

// Reads data in the given format (Auto: detected). False, with a message naming the line where
// reading stopped, when the data cannot be read; result is then to be dropped.
bool ReadData(const QByteArray &data, Format format, ImportedData &result, QString &error);
// Reads the file at path; refuses a missing, unreadable, empty or oversized file.
bool ReadFile(const QString &path, Format format, ImportedData &result, QString &error);

} // namespace ImportSource
