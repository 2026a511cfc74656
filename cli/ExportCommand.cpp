#include "cli/ExportCommand.h"

#include <QCoreApplication>

#include "exchange/DiaryExport.h"
#include "model/DiaryDatabase.h"

#include <cstdio>

namespace {

const QCommandLineOption FormatOption({QStringLiteral("format")},
                                      QCoreApplication::translate("ExportCommand",
                                                                  "csv (default) or json."),
                                      QStringLiteral("FORMAT"), QStringLiteral("csv"));
const QCommandLineOption OutputOption(
    {QStringLiteral("o"), QStringLiteral("output")},
    QCoreApplication::translate("ExportCommand", "Write to FILE instead of standard output."),
    QStringLiteral("FILE"));

} // namespace

ExportCommand::ExportCommand()
    : Command(
          QStringLiteral("export"),
          QCoreApplication::translate(
              "ExportCommand", "Writes the diary, or the days of a date range, as CSV or JSON."))
{
}

void ExportCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addOption(FormatOption);
    AddDateOptions(parser);
    AddUnitOption(parser);
    parser.addOption(OutputOption);
}

int ExportCommand::Execute(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return Usage(QCoreApplication::translate("ExportCommand",
                                                 "export takes no file argument; use --output."));
    const QString format = parser.value(FormatOption).toLower();
    if (format != QLatin1String("csv") && format != QLatin1String("json"))
        return Usage(QCoreApplication::translate("ExportCommand", "unknown format \"%1\".")
                         .arg(parser.value(FormatOption)));
    DateBounds bounds;
    if (const int read = ReadDateOptions(parser, bounds); read != Done)
        return read;
    WeightUnit unit;
    if (const int read = ReadUnitOption(parser, unit); read != Done)
        return read;

    DiaryDatabase diary;
    if (const int loaded = LoadDiary(parser, diary); loaded != Done)
        return loaded;
    const QByteArray bytes = DiaryExport::Write(
        DiaryExport::DaysOf(diary, bounds.from, bounds.to),
        format == QLatin1String("json") ? DiaryExport::Format::Json : DiaryExport::Format::Csv,
        unit);
    if (parser.isSet(OutputOption)) {
        QString error;
        if (!DiaryExport::WriteFile(parser.value(OutputOption), bytes, error)) {
            PrintError(error);
            return Failed;
        }
        return Done;
    }
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        PrintError(QCoreApplication::translate(
            "ExportCommand", "The export could not be written to standard output."));
        return Failed;
    }
    return Done;
}
