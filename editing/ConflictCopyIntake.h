#pragma once

#include "model/ConflictCopyMerge.h"

#include <QString>

class QWidget;
class SharedDiaryFile;

// Takes the conflict copies a sync engine left beside the open diary into it when a program
// takes in its file (ConflictCopyMerge), and tells the user of dates both computers changed, of
// copies set aside as damaged and of failures. The same failure is told once until it changes.
class ConflictCopyIntake
{
public:
    ConflictCopyIntake(SharedDiaryFile &file, QWidget *parent);

    // True when days of the diary were taken from a copy (the window shows them afresh).
    bool Run();
    // Run in two halves, so that a window shows the merged days before the messages: Merge
    // takes the copies in (true as Run), Tell shows what the last Merge has to say.
    bool Merge();
    void Tell();

private:
    SharedDiaryFile &m_file;
    ConflictCopyMerge::Outcome m_outcome;
    QWidget *m_parent;
    QString m_lastError;
};
