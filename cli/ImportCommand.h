#pragma once

#include "cli/Command.h"

// repbook-cli import FILE [--format ...] [--dry-run]: prints what the file adds and, unless it
// is a dry run, adds it through the locked read-merge-write of the shared diary file.
class ImportCommand : public Command
{
public:
    ImportCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};
