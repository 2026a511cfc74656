#include "cli/Command.h"

#include "exchange/ExchangeFields.h"
#include "model/DataFolder.h"
#include "model/DatabaseFile.h"
#include "model/DiaryDatabase.h"
#include "settings/DiaryLocation.h"
#include "settings/WeightUnitSetting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

const QCommandLineOption
    DiaryOption({QStringLiteral("diary")},
                QCoreApplication::translate("Command",
                                            "Work on the diary FILE instead of the "
                                            "one in the data folder."),
                QStringLiteral("FILE"));

const QCommandLineOption
    FromOption({QStringLiteral("from")},
               QCoreApplication::translate("Command", "Only days on or after DATE (yyyy-MM-dd)."),
               QStringLiteral("DATE"));
const QCommandLineOption
    ToOption({QStringLiteral("to")},
             QCoreApplication::translate("Command", "Only days on or before DATE (yyyy-MM-dd)."),
             QStringLiteral("DATE"));
const QCommandLineOption
    UnitOption({QStringLiteral("unit")},
               QCoreApplication::translate("Command",
                                           "Weights in kg or lb (default: the unit "
                                           "chosen in the diary's Options)."),
               QStringLiteral("UNIT"));

} // namespace

Command::Command(QString name, QString description)
    : m_name(std::move(name))
    , m_description(std::move(description))
{
}

void Command::PrintError(const QString &message)
{
    std::fprintf(stderr, "repbook-cli: %s\n", message.toLocal8Bit().constData());
}

void Command::PrintOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int Command::Usage(const QString &message) const
{
    PrintError(QCoreApplication::translate("Command", "%1 (see repbook-cli %2 --help)")
                   .arg(message, m_name));
    return BadUsage;
}

void Command::AddDateOptions(QCommandLineParser &parser)
{
    parser.addOptions({FromOption, ToOption});
}

int Command::ReadDateOptions(const QCommandLineParser &parser, DateBounds &bounds) const
{
    const std::pair<const QCommandLineOption *, std::optional<DateValue> *> given[] = {
        {&FromOption, &bounds.from}, {&ToOption, &bounds.to}};
    for (const auto &[option, bound] : given) {
        if (!parser.isSet(*option))
            continue;
        const auto date = ExchangeFields::ParseDate(parser.value(*option));
        if (!date || !date->IsValid())
            return Usage(
                QCoreApplication::translate("Command", "\"%1\" is no date of the form yyyy-MM-dd.")
                    .arg(parser.value(*option)));
        *bound = *date;
    }
    if (bounds.from && bounds.to && *bounds.to < *bounds.from)
        return Usage(QCoreApplication::translate("Command", "--from %1 lies after --to %2.")
                         .arg(parser.value(FromOption), parser.value(ToOption)));
    return Done;
}

void Command::AddUnitOption(QCommandLineParser &parser)
{
    parser.addOption(UnitOption);
}

int Command::ReadUnitOption(const QCommandLineParser &parser, WeightUnit &unit) const
{
    if (!parser.isSet(UnitOption)) {
        unit = WeightUnitSetting::Read();
        return Done;
    }
    const std::optional<WeightUnit> given = WeightUnit::FromSymbol(parser.value(UnitOption));
    if (!given)
        return Usage(QCoreApplication::translate("Command", "unknown unit \"%1\"; use kg or lb.")
                         .arg(parser.value(UnitOption)));
    unit = *given;
    return Done;
}

QString Command::DiaryPath(const QCommandLineParser &parser)
{
    if (parser.isSet(DiaryOption))
        return QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(DiaryOption)));
    return DiaryLocation::DatabasePath();
}

bool Command::LoadDiary(const QString &path, DiaryDatabase &diary, QString &error)
{
    diary.SetPath(path);
    if (!QFileInfo::exists(path))
        return true;
    QByteArray bytes;
    if (!DatabaseFile::ReadWhole(path, bytes)) {
        error = QCoreApplication::translate("Command", "The diary %1 cannot be read.")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!CheckDatabaseIntegrityData(bytes)) {
        error = QCoreApplication::translate(
                    "Command", "The diary %1 is damaged: it fails its integrity check.")
                    .arg(QDir::toNativeSeparators(path));
        return false;
    }
    diary.LoadFromData(bytes);
    return true;
}

int Command::LoadDiary(const QCommandLineParser &parser, DiaryDatabase &diary)
{
    QString error;
    if (LoadDiary(DiaryPath(parser), diary, error))
        return Done;
    PrintError(error);
    return Failed;
}

int Command::Run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(m_description);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOption(DiaryOption);
    AddOptions(parser);
    if (!parser.parse(arguments))
        return Usage(parser.errorText());
    if (parser.isSet(help)) {
        // The parser names the program in its usage line; the subcommand belongs there too.
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(u'\n');
        const QString usage = text.first(lineEnd);
        text.replace(0, lineEnd,
                     QCoreApplication::translate("Command", "Usage: repbook-cli ") + m_name +
                         usage.mid(usage.indexOf(QLatin1String(" ["))));
        PrintOut(text);
        return Done;
    }
    return Execute(parser);
}
