#include "fuzz/ReaderChecks.h"

#include "exchange/CsvReader.h"
#include "exchange/DiaryCsv.h"
#include "exchange/DiaryExport.h"
#include "exchange/DiaryImport.h"
#include "exchange/DiaryJson.h"
#include "exchange/ImportSource.h"
#include "exchange/LiftLogExport.h"
#include "exchange/PeerExports.h"
#include "model/DatabaseWriter.h"

#include <functional>

namespace ReaderChecks {

namespace {

using Reader = std::function<bool(const QByteArray &, ImportedData &, QString &)>;

// Lines as an editor counts them: a line feed, a carriage return and line feed, or a carriage
// return alone ends one.
qsizetype LineCount(const QByteArray &data)
{
    return data.count('\n') + data.count('\r') - data.count("\r\n") + 1;
}

// The raw CSV reader: records come in order of their lines, each within the file.
QString CheckCsv(const QByteArray &data)
{
    int lastLine = 0;
    QString failure;
    CsvReader reader;
    const bool read = reader.Read(data, [&](const QStringList &fields, int line) {
        if (fields.isEmpty() || line <= lastLine || line > LineCount(data))
            failure = QStringLiteral("record at line %1 after line %2").arg(line).arg(lastLine);
        lastLine = line;
        return failure.isEmpty();
    });
    if (!read && !reader.ErrorString().startsWith(QLatin1String("Line ")))
        return QStringLiteral("refusal without a line: %1").arg(reader.ErrorString());
    return failure;
}

// What a reader made of data keeps the properties above.
QString CheckImported(const QByteArray &data, const Reader &read,
                      std::optional<DiaryExport::Format> ownFormat)
{
    ImportedData imported;
    QString error;
    if (!read(data, imported, error)) {
        if (!error.contains(QLatin1String("Line ")) && !error.contains(QLatin1String("Day ")))
            return QStringLiteral("refusal without a place: %1").arg(error);
        return QString();
    }
    for (const SkippedRow &row : imported.skipped) {
        if (row.line < 1 || row.line > LineCount(data))
            return QStringLiteral("skipped line %1 outside the file").arg(row.line);
    }
    const QByteArray stored = DatabaseWriter::FileBytes(*imported.days);
    DiaryDatabase reread;
    if (!reread.LoadFromData(stored))
        return QStringLiteral("what was read cannot be stored");
    if (DatabaseWriter::FileBytes(reread) != stored)
        return QStringLiteral("what was read changes when stored and read back");

    DiaryDatabase diary;
    DiaryImport::Apply(DiaryImport::MakePlan(imported, diary), diary);
    if (!DiaryImport::MakePlan(imported, diary).AddsNothing())
        return QStringLiteral("a second import adds more");

    if (ownFormat) {
        ImportedData again;
        if (!read(DiaryExport::Write(DiaryExport::DaysOf(*imported.days), *ownFormat, WeightUnit()),
                  again, error))
            return QStringLiteral("the own export cannot be read: %1").arg(error);
        if (DatabaseWriter::FileBytes(*again.days) != stored)
            return QStringLiteral("the own export reads back different");
    }
    return QString();
}

// Recognition agrees with reading: a file read when detected reads the same in its format.
QString CheckDetect(const QByteArray &data)
{
    QString error;
    const std::optional<ImportSource::Format> format = ImportSource::Detect(data, error);
    if (!format)
        return error.startsWith(QLatin1String("Line ")) ? QString()
                                                        : QStringLiteral("refusal: %1").arg(error);
    ImportedData automatic;
    ImportedData forced;
    QString forcedError;
    const bool readAuto =
        ImportSource::ReadData(data, ImportSource::Format::Auto, automatic, error);
    const bool readForced = ImportSource::ReadData(data, *format, forced, forcedError);
    if (readAuto != readForced || automatic.formatName != forced.formatName ||
        DatabaseWriter::FileBytes(*automatic.days) != DatabaseWriter::FileBytes(*forced.days))
        return QStringLiteral("detected and forced reading differ");
    return QString();
}

Reader Peer(PeerExports::Kind kind)
{
    return [kind](const QByteArray &data, ImportedData &result, QString &error) {
        return PeerExports::Read(kind, data, result, error);
    };
}

} // namespace

QStringList ReaderNames()
{
    return {QStringLiteral("csv"),     QStringLiteral("diarycsv"), QStringLiteral("diaryjson"),
            QStringLiteral("strong"),  QStringLiteral("hevy"),     QStringLiteral("fitnotes"),
            QStringLiteral("liftlog"), QStringLiteral("detect")};
}

QString Check(const QString &reader, const QByteArray &data)
{
    if (reader == QLatin1String("csv"))
        return CheckCsv(data);
    if (reader == QLatin1String("detect"))
        return CheckDetect(data);
    if (reader == QLatin1String("diarycsv"))
        return CheckImported(data, DiaryCsv::Read, DiaryExport::Format::Csv);
    if (reader == QLatin1String("diaryjson"))
        return CheckImported(data, DiaryJson::Read, DiaryExport::Format::Json);
    if (reader == QLatin1String("strong"))
        return CheckImported(data, Peer(PeerExports::Kind::Strong), std::nullopt);
    if (reader == QLatin1String("hevy"))
        return CheckImported(data, Peer(PeerExports::Kind::Hevy), std::nullopt);
    if (reader == QLatin1String("fitnotes"))
        return CheckImported(data, Peer(PeerExports::Kind::FitNotes), std::nullopt);
    if (reader == QLatin1String("liftlog"))
        return CheckImported(data, LiftLogExport::Read, std::nullopt);
    return QStringLiteral("no reader named %1").arg(reader);
}

} // namespace ReaderChecks
