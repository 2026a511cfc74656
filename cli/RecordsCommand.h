#pragma once

#include "cli/Command.h"

// repbook-cli records [EXERCISE]: the personal records of one exercise or of every performed
// exercise, as a plain text table.
class RecordsCommand : public Command
{
public:
    RecordsCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};
