#pragma once

#include <QObject>

class QWidget;

// For start-up benchmarks: with REPBOOK_QUIT_WHEN_SHOWN set in the environment, the program
// leaves its event loops as soon as the main window has painted for the first time, so that the
// time from start to a usable window can be measured from outside. Before it leaves, it writes
// one line to standard output: the monotonic clock when the paint was done, the CPU time used
// until then, the peak and present resident memory and its anonymous part (see
// bench/StartupBenchmarks.cpp). Without the variable, nothing happens.
class QuitWhenShown : public QObject
{
public:
    static constexpr char Variable[] = "REPBOOK_QUIT_WHEN_SHOWN";

    // Watches window when the variable is set.
    static void Arm(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
