#include "widgets/SessionEnd.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array WatchedSignals {SIGTERM, SIGHUP, SIGINT};

// The socket pair the handler writes into: [0] written by the handler, [1] read by the notifier.
// A signal handler can reach nothing else, so this is the one place the pair can live.
std::array<int, 2> g_pair {-1, -1};

extern "C" void OnSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe means a byte is already waiting: that one is enough.
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

SessionEnd::SessionEnd(QObject *parent)
    : QObject(parent)
{
    if (qGuiApp) {
#ifndef QT_NO_SESSIONMANAGER
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &SessionEnd::SaveRequested);
#endif
        connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &SessionEnd::Announce);
    }
    if (g_pair[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_pair.data()) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::OnSignalByte);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : WatchedSignals)
        ::sigaction(signal, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    if (!m_notifier)
        return;
    for (const int signal : WatchedSignals)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(g_pair[0]);
    ::close(g_pair[1]);
    g_pair = {-1, -1};
}

void SessionEnd::OnSignalByte()
{
    std::array<char, 16> bytes {};
    while (::read(g_pair[1], bytes.data(), bytes.size()) > 0) { }
    Announce();
}

void SessionEnd::Announce()
{
    if (m_announced)
        return;
    m_announced = true;
    emit Ending();
}
