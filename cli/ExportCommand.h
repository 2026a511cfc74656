#pragma once

#include "cli/Command.h"

// repbook-cli export [--format csv|json] [--from DATE] [--to DATE] [--output FILE]
class ExportCommand : public Command
{
public:
    ExportCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};
