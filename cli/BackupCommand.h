#pragma once

#include "cli/Command.h"

// repbook-cli backup: keeps a copy of the diary file in the backup folder now.
class BackupCommand : public Command
{
public:
    BackupCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};

// repbook-cli restore FILE: replaces the diary by a backup, keeping the current diary as a
// backup first; goes through the same locked read-merge-write path as the programs.
class RestoreCommand : public Command
{
public:
    RestoreCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};
