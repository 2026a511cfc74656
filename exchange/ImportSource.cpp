#include "exchange/ImportSource.h"

#include "exchange/CsvReader.h"
#include "exchange/DiaryCsv.h"
#include "exchange/DiaryJson.h"
#include "exchange/LiftLogExport.h"
#include "exchange/PeerExports.h"
#include "model/DatabaseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ImportSource {

namespace {

constexpr std::pair<Format, const char *> Keys[] = {
    {Format::Auto, "auto"},      {Format::Csv, "csv"},   {Format::Json, "json"},
    {Format::Strong, "strong"},  {Format::Hevy, "hevy"}, {Format::FitNotes, "fitnotes"},
    {Format::LiftLog, "liftlog"}};

// The first record of a CSV text, or nothing when there is none.
std::optional<QStringList> HeaderRecord(const QByteArray &data, QString &error)
{
    // Only the first lines are needed; a header never spans many of them. Blank lines before it
    // do not count.
    const QByteArray text = CsvReader::WithoutBom(data);
    qsizetype end = 0;
    while (end < text.size() && QChar::isSpace(uchar(text[end])))
        ++end;
    for (int lines = 0; lines < 8 && end >= 0 && end < text.size(); ++lines)
        end = text.indexOf('\n', end + 1);
    std::optional<QStringList> header;
    CsvReader reader;
    const bool read = reader.Read(end < 0 || end >= text.size() ? text : text.first(end + 1),
                                  [&header](const QStringList &fields, int) {
                                      header = fields;
                                      return false;
                                  });
    if (!header)
        error = read
            ? QCoreApplication::translate("ImportSource", "Line 1: the file has no header.")
            : reader.ErrorString();
    return header;
}

} // namespace

QStringList FormatKeys()
{
    QStringList keys;
    for (const auto &[format, key] : Keys)
        keys.append(QString::fromLatin1(key));
    return keys;
}

std::optional<Format> FormatFromKey(const QString &key)
{
    for (const auto &[format, name] : Keys) {
        if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

std::optional<Format> Detect(const QByteArray &data, QString &error)
{
    if (CsvReader::WithoutBom(data).trimmed().isEmpty()) {
        error = QCoreApplication::translate("ImportSource", "Line 1: the file is empty.");
        return std::nullopt;
    }
    if (DiaryJson::LooksLikeJson(data))
        return Format::Json;
    const std::optional<QStringList> header = HeaderRecord(data, error);
    if (!header)
        return std::nullopt;
    if (DiaryCsv::Recognises(*header))
        return Format::Csv;
    for (const auto &[kind, format] : {std::pair {PeerExports::Kind::Strong, Format::Strong},
                                       std::pair {PeerExports::Kind::Hevy, Format::Hevy},
                                       std::pair {PeerExports::Kind::FitNotes, Format::FitNotes}}) {
        if (PeerExports::Recognises(kind, *header))
            return format;
    }
    if (LiftLogExport::Recognises(*header))
        return Format::LiftLog;
    error = QCoreApplication::translate(
        "ImportSource",
        "Line 1: the file is no export that Repbook can read (a Repbook CSV or "
        "JSON file, or a CSV export of Strong, Hevy, FitNotes or LiftLog).");
    return std::nullopt;
}

bool ReadData(const QByteArray &data, Format format, ImportedData &result, QString &error)
{
    if (format == Format::Auto) {
        const std::optional<Format> detected = Detect(data, error);
        if (!detected)
            return false;
        format = *detected;
    } else if (CsvReader::WithoutBom(data).trimmed().isEmpty()) {
        error = QCoreApplication::translate("ImportSource", "Line 1: the file is empty.");
        return false;
    }
    switch (format) {
    case Format::Json:
        return DiaryJson::Read(data, result, error);
    case Format::Strong:
        return PeerExports::Read(PeerExports::Kind::Strong, data, result, error);
    case Format::Hevy:
        return PeerExports::Read(PeerExports::Kind::Hevy, data, result, error);
    case Format::FitNotes:
        return PeerExports::Read(PeerExports::Kind::FitNotes, data, result, error);
    case Format::LiftLog:
        return LiftLogExport::Read(data, result, error);
    case Format::Csv:
    case Format::Auto:
        break;
    }
    return DiaryCsv::Read(data, result, error);
}

bool ReadFile(const QString &path, Format format, ImportedData &result, QString &error)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (info.exists() && info.isFile() && info.size() > DatabaseFile::MaxFileSize) {
        error = QCoreApplication::translate("ImportSource",
                                            "%1 is too large to import (%2 MB; at most %3 MB).")
                    .arg(shown)
                    .arg(info.size() >> 20)
                    .arg(DatabaseFile::MaxFileSize >> 20);
        return false;
    }
    QByteArray data;
    if (!DatabaseFile::ReadWhole(path, data)) {
        error = QCoreApplication::translate("ImportSource", "%1 cannot be read.").arg(shown);
        return false;
    }
    if (!ReadData(data, format, result, error)) {
        error = QCoreApplication::translate("ImportSource", "%1 cannot be imported.\n%2")
                    .arg(shown, error);
        return false;
    }
    return true;
}

} // namespace ImportSource
