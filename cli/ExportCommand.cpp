#include "cli/ExportCommand.h"

#include "exchange/DiaryExport.h"
#include "exchange/ExchangeFields.h"
#include "model/DiaryDatabase.h"

#include <cstdio>

namespace {

const QCommandLineOption FormatOption({QStringLiteral("format")},
                                      QStringLiteral("csv (default) or json."),
                                      QStringLiteral("FORMAT"), QStringLiteral("csv"));
const QCommandLineOption FromOption({QStringLiteral("from")},
                                    QStringLiteral("Only days on or after DATE (yyyy-MM-dd)."),
                                    QStringLiteral("DATE"));
const QCommandLineOption ToOption({QStringLiteral("to")},
                                  QStringLiteral("Only days on or before DATE (yyyy-MM-dd)."),
                                  QStringLiteral("DATE"));
const QCommandLineOption OutputOption({QStringLiteral("o"), QStringLiteral("output")},
                                      QStringLiteral("Write to FILE instead of standard output."),
                                      QStringLiteral("FILE"));

} // namespace

ExportCommand::ExportCommand()
    : Command(QStringLiteral("export"),
              QStringLiteral("Writes the diary, or the days of a date range, as CSV or JSON."))
{
}

void ExportCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addOptions({FormatOption, FromOption, ToOption, OutputOption});
}

int ExportCommand::Execute(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return Usage(QStringLiteral("export takes no file argument; use --output."));
    const QString format = parser.value(FormatOption).toLower();
    if (format != QLatin1String("csv") && format != QLatin1String("json"))
        return Usage(QStringLiteral("unknown format \"%1\".").arg(parser.value(FormatOption)));
    std::optional<DateValue> bounds[2];
    const QCommandLineOption *options[2] = {&FromOption, &ToOption};
    for (int i = 0; i < 2; ++i) {
        if (!parser.isSet(*options[i]))
            continue;
        const auto date = ExchangeFields::ParseDate(parser.value(*options[i]));
        if (!date || !date->IsValid())
            return Usage(QStringLiteral("\"%1\" is no date of the form yyyy-MM-dd.")
                             .arg(parser.value(*options[i])));
        bounds[i] = *date;
    }
    if (bounds[0] && bounds[1] && *bounds[1] < *bounds[0])
        return Usage(QStringLiteral("--from %1 lies after --to %2.")
                         .arg(parser.value(FromOption), parser.value(ToOption)));

    DiaryDatabase diary;
    QString error;
    if (!LoadDiary(DiaryPath(parser), diary, error)) {
        PrintError(error);
        return Failed;
    }
    const QByteArray bytes = DiaryExport::Write(
        DiaryExport::DaysOf(diary, bounds[0], bounds[1]),
        format == QLatin1String("json") ? DiaryExport::Format::Json : DiaryExport::Format::Csv);
    if (parser.isSet(OutputOption)) {
        if (!DiaryExport::WriteFile(parser.value(OutputOption), bytes, error)) {
            PrintError(error);
            return Failed;
        }
        return Done;
    }
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        PrintError(QStringLiteral("The export could not be written to standard output."));
        return Failed;
    }
    return Done;
}
