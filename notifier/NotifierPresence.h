#pragma once

#include <QString>

#include <functional>

// How the notifier shows itself to the user: its icon in the notification area, or a small
// window where the desktop has none. Either offers the same three commands and shows the
// reminder balloons.
class NotifierPresence
{
public:
    struct Commands
    {
        std::function<void()> open;
        std::function<void()> options;
        std::function<void()> exit;
    };

    static constexpr int BalloonTimeout = 10000; // milliseconds

    virtual ~NotifierPresence() = default;

    virtual void ShowPresence() = 0;
    virtual void HidePresence() = 0;
    virtual void ShowBalloon(const QString &title, const QString &text) = 0;
    virtual void HideBalloon() = 0;
};
