#include "diary/QuitWhenShown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

qint64 Nanoseconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// A field of /proc/self/status in kilobytes, or -1.
qint64 StatusKilobytes(const QByteArray &status, QByteArrayView field)
{
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// One line for the start-up benchmark: when the first paint was done (monotonic clock), the
// CPU the process had used until then, its peak and present resident memory and the anonymous
// part of the latter.
void Report()
{
    const qint64 shown = Nanoseconds(CLOCK_MONOTONIC);
    const qint64 cpu = Nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
    QFile statusFile(QStringLiteral("/proc/self/status"));
    const QByteArray status =
        statusFile.open(QIODevice::ReadOnly) ? statusFile.readAll() : QByteArray();
    std::printf("shown_ns=%lld cpu_ns=%lld hwm_kb=%lld rss_kb=%lld anon_kb=%lld\n", shown, cpu,
                StatusKilobytes(status, "VmHWM:"), StatusKilobytes(status, "VmRSS:"),
                StatusKilobytes(status, "RssAnon:"));
    std::fflush(stdout);
}

} // namespace

void QuitWhenShown::Arm(QWidget &window)
{
    if (qEnvironmentVariableIsSet(Variable))
        window.installEventFilter(new QuitWhenShown(&window));
}

bool QuitWhenShown::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Runs once the whole window has painted; leaves the window's modal loop too: every
        // running event loop ends.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] {
                Report();
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    }
    return false;
}
