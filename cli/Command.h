#pragma once

#include "model/DateValue.h"
#include "model/WeightUnit.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

class DiaryDatabase;

// The days from and to two dates, both included; a bound left out is open.
struct DateBounds
{
    std::optional<DateValue> from;
    std::optional<DateValue> to;

    bool Contains(const DateValue &date) const
    {
        return (!from || date >= *from) && (!to || date <= *to);
    }
};

// One subcommand of repbook-cli: it declares its options and runs on the parsed command line.
// Results go to standard output, messages to standard error; the exit codes are those below.
class Command
{
public:
    enum ExitCode { Done = 0, Failed = 1, BadUsage = 2 };

    Command(QString name, QString description);
    virtual ~Command() = default;

    const QString &Name() const { return m_name; }
    const QString &Description() const { return m_description; }

    // Parses arguments (the subcommand's name first) and runs the command.
    int Run(const QStringList &arguments);

    static void PrintError(const QString &message);
    static void PrintOut(const QString &text);

protected:
    // Adds the command's options and positional arguments.
    virtual void AddOptions(QCommandLineParser &parser) = 0;
    virtual int Execute(const QCommandLineParser &parser) = 0;

    // The diary file: --diary when given, otherwise the data folder's database.
    static QString DiaryPath(const QCommandLineParser &parser);
    // Reads the diary file without changing it. A missing file is an empty diary; a damaged or
    // unreadable one gives false and a message.
    static bool LoadDiary(const QString &path, DiaryDatabase &diary, QString &error);
    // Loads the diary of DiaryPath the same way: Done, or Failed after the message.
    static int LoadDiary(const QCommandLineParser &parser, DiaryDatabase &diary);
    // A bad-usage message (with a pointer to --help); gives BadUsage.
    int Usage(const QString &message) const;
    // --from DATE and --to DATE (yyyy-MM-dd), for commands that work on a range of days.
    static void AddDateOptions(QCommandLineParser &parser);
    // The dates given with them; Done, or BadUsage after a message about a date not understood.
    int ReadDateOptions(const QCommandLineParser &parser, DateBounds &bounds) const;
    // --unit kg|lb, for commands that print or write weights; without it the unit chosen in
    // Options (which follows the locale until chosen).
    static void AddUnitOption(QCommandLineParser &parser);
    // The unit given or chosen; Done, or BadUsage after a message about a unit not understood.
    int ReadUnitOption(const QCommandLineParser &parser, WeightUnit &unit) const;

private:
    QString m_name;
    QString m_description;
};
