#pragma once

#include "cli/Command.h"

// repbook-cli find TEXT [--from DATE] [--to DATE]: the workouts, exercises and notes that
// contain a text, one line each, newest first.
class FindCommand : public Command
{
public:
    FindCommand();

protected:
    void AddOptions(QCommandLineParser &parser) override;
    int Execute(const QCommandLineParser &parser) override;
};
