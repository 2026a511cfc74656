#pragma once

#include "notifier/NotifierPresence.h"

#include <QWidget>

class QLabel;

// The notifier's small window for desktops without a notification area: the same commands as
// the icon menu, and the reminder texts in place of balloons (the window then comes to the
// front and asks for attention). Closing it ends the notifier.
class CNotifierWindow : public QWidget, public NotifierPresence
{
    Q_OBJECT

public:
    explicit CNotifierWindow(Commands commands, QWidget *parent = nullptr);

    void ShowPresence() override;
    void HidePresence() override;
    void ShowBalloon(const QString &title, const QString &text) override;
    void HideBalloon() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Commands m_commands;
    QLabel *m_title;
    QLabel *m_text;
};
