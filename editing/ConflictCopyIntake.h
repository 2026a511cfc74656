#pragma once

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

private:
    SharedDiaryFile &m_file;
    QWidget *m_parent;
    QString m_lastError;
};
