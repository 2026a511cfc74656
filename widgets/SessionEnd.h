#pragma once

#include <QObject>

class QSocketNotifier;

// Tells a program that it is asked to end from outside its windows: by the signals SIGTERM,
// SIGHUP and SIGINT (a shutdown, a logout, kill, Ctrl+C in a terminal) or by the application's
// quit (the session manager ends the session that way). Ending comes once, on the window thread,
// so that the program can save what it holds and leave as its own Exit does, without questions.
// SaveRequested is the session manager asking to save before a session may end (it may still be
// cancelled): save, and go on.
//
// A signal handler may do almost nothing: it writes one byte into a socket pair, whose other end
// a QSocketNotifier reads on the window thread. One object at a time installs the handlers; they
// are restored to the defaults when it goes.
class SessionEnd : public QObject
{
    Q_OBJECT

public:
    explicit SessionEnd(QObject *parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd &) = delete;
    SessionEnd &operator=(const SessionEnd &) = delete;

    // False when the signals could not be watched (no socket pair, or another object has them).
    bool WatchesSignals() const { return m_notifier != nullptr; }

signals:
    void Ending();
    void SaveRequested();

private:
    void OnSignalByte();
    void Announce();

    QSocketNotifier *m_notifier = nullptr;
    bool m_announced = false;
};
