// repbook-cli: export, import, check, records, find, back up and restore the diary from scripts.

#include "cli/BackupCommand.h"
#include "cli/CheckCommand.h"
#include "cli/ExportCommand.h"
#include "cli/FindCommand.h"
#include "cli/ImportCommand.h"
#include "cli/MergeCommand.h"
#include "cli/RecordsCommand.h"
#include "settings/SettingsStore.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void PrintUsage(const std::vector<std::unique_ptr<Command>> &commands, bool asked)
{
    QString text =
        QCoreApplication::translate("main",
                                    "Usage: repbook-cli [--diary FILE] COMMAND [options]\n\n"
                                    "Works on the Repbook diary from scripts.\n\nCommands:\n");
    for (const auto &command : commands)
        text += QStringLiteral("  %1  %2\n")
                    .arg(command->Name(), -8)
                    .arg(command->Description().section(QStringLiteral(". "), 0, 0));
    text += QCoreApplication::translate(
        "main",
        "\nrepbook-cli COMMAND --help describes a command's options. Exit "
        "codes: 0 done, 1 failed, 2 bad usage.\n");
    if (asked)
        Command::PrintOut(text);
    else
        std::fputs(text.toLocal8Bit().constData(), stderr);
}

// Options every command takes may also stand before the command's name, as in
// "repbook-cli --diary FILE import X": they are moved behind it. False with a message when an
// option there is unknown or lacks its value.
bool MoveGlobalOptions(QStringList &arguments, QString &error)
{
    QStringList global;
    while (arguments.size() > 1 && arguments.at(1).startsWith(u'-') &&
           arguments.at(1) != QLatin1String("--help") && arguments.at(1) != QLatin1String("-h") &&
           arguments.at(1) != QLatin1String("--version")) {
        const QString option = arguments.takeAt(1);
        if (option.startsWith(QLatin1String("--diary="))) {
            global << option;
        } else if (option == QLatin1String("--diary")) {
            if (arguments.size() < 2) {
                error = QCoreApplication::translate("main", "--diary needs a FILE");
                return false;
            }
            global << option << arguments.takeAt(1);
        } else {
            error = QCoreApplication::translate("main", "unknown option \"%1\" before the command")
                        .arg(option);
            return false;
        }
    }
    if (arguments.size() < 2 && !global.isEmpty()) {
        error = QCoreApplication::translate("main", "a command is missing after %1")
                    .arg(global.join(u' '));
        return false;
    }
    arguments = arguments.mid(0, 2) + global + arguments.mid(2);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("repbook-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(REPBOOK_VERSION));
    AppLanguage::Install(app, SettingsStore());

    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<ImportCommand>());
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<MergeCommand>());
    commands.push_back(std::make_unique<RecordsCommand>());
    commands.push_back(std::make_unique<FindCommand>());
    commands.push_back(std::make_unique<BackupCommand>());
    commands.push_back(std::make_unique<RestoreCommand>());

    QStringList arguments = QCoreApplication::arguments();
    QString error;
    if (!MoveGlobalOptions(arguments, error)) {
        Command::PrintError(error +
                            QCoreApplication::translate("main", " (see repbook-cli --help)"));
        return Command::BadUsage;
    }
    if (arguments.size() < 2) {
        PrintUsage(commands, false);
        return Command::BadUsage;
    }
    const QString name = arguments.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        PrintUsage(commands, true);
        return Command::Done;
    }
    if (name == QLatin1String("--version")) {
        Command::PrintOut(QStringLiteral("repbook-cli %1\n").arg(QStringLiteral(REPBOOK_VERSION)));
        return Command::Done;
    }
    arguments.removeFirst();
    for (const auto &command : commands) {
        if (command->Name() == name)
            return command->Run(arguments);
    }
    Command::PrintError(
        QCoreApplication::translate("main", "unknown command \"%1\" (see repbook-cli --help)")
            .arg(name));
    return Command::BadUsage;
}
