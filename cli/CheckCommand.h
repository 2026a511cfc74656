#pragma once

#include "cli/Command.h"

// repbook-cli check [FILE]: the integrity check of a diary file, its day count and date range.
class CheckCommand : public Command
{
public:
    CheckCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};
