#pragma once

#include "model/ConflictCopyMerge.h"

#include <QFutureWatcher>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
class SharedDiaryFile;

// Takes the conflict copies a sync engine left beside the open diary into it when a program
// takes in its file (ConflictCopyMerge), and tells the user of dates both computers changed, of
// copies set aside as damaged and of failures. The same failure is told once until it changes.
class ConflictCopyIntake
{
public:
    ConflictCopyIntake(SharedDiaryFile &file, QWidget *parent);
    ~ConflictCopyIntake();

    // True when days of the diary were taken from a copy (the window shows them afresh).
    bool Run();
    // Run in two halves, so that a window shows the merged days before the messages: Merge
    // takes the copies in (true as Run), Tell shows what the last Merge has to say and gives
    // the conflict file it told of (empty when none).
    bool Merge();
    QString Tell();
    // From now on the copies are read and checked on a worker thread, so that the window never
    // waits for that: Merge starts the reading and returns; ready is called on this thread once
    // it is done, and the next Merge merges what was read.
    void ReadInBackground(std::function<void()> ready);

private:
    using Reading = std::shared_ptr<ConflictCopyMerge::Prepared>;
    bool MergeInBackground();

    SharedDiaryFile &m_file;
    ConflictCopyMerge::Outcome m_outcome;
    std::function<void()> m_ready;
    std::unique_ptr<QFutureWatcher<Reading>> m_reading;
    Reading m_read; // read and waiting for Merge
    QWidget *m_parent;
    QString m_lastError;
};
