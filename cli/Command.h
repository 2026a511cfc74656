#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

class DiaryDatabase;

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
    // A bad-usage message (with a pointer to --help); gives BadUsage.
    int Usage(const QString &message) const;

private:
    QString m_name;
    QString m_description;
};
