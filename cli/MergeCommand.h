#pragma once

#include "cli/Command.h"

// repbook-cli merge [--dry-run]: merges the conflict copies a sync engine left beside the diary
// and its name lists, and prints what it did (or would do).
class MergeCommand : public Command
{
public:
    MergeCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};
