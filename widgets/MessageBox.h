#pragma once

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QString>
#include <QStringList>

// Every question, warning and information box of both programs goes through this facade, so that
// tests can answer boxes without showing them. Without a caption a box carries the application's
// display name.
class MessageBox
{
public:
    using Button = QMessageBox::StandardButton;
    // Texts for standard buttons whose own texts would not say what they do ("Restore backup"
    // on Yes); tests still answer with the standard buttons.
    using Labels = QList<QPair<Button, QString>>;

    static Button Question(QWidget *parent, const QString &text,
                           QMessageBox::StandardButtons buttons = QMessageBox::Yes |
                               QMessageBox::No,
                           const QString &caption = QString());
    static Button Information(QWidget *parent, const QString &text,
                              const QString &caption = QString());
    static Button Warning(QWidget *parent, const QString &text, const QString &caption = QString());
    static Button Error(QWidget *parent, const QString &text,
                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                        const QString &caption = QString(), const Labels &labels = {});

    // Test hooks. In test mode no box is shown: each box takes the next queued answer. A box that
    // finds the queue empty, or whose queued answer is not one of its buttons, is recorded as
    // unexpected and answers its escape button (Cancel, else No, else Ok, else its first button).
    struct Shown
    {
        QMessageBox::Icon icon;
        QString text;
        QString caption;
        QMessageBox::StandardButtons buttons;
    };
    static void setTestMode(bool on);
    static bool testMode();
    static void setNextAnswers(const QList<Button> &answers);
    static QList<Button> pendingAnswers(); // queued answers not yet taken
    static QList<Shown> takeShown(); // every box since the last take, in order
    static QStringList takeUnexpected(); // texts of boxes that found no fitting answer

    // The button a box answers when it is dismissed with Escape or closed.
    static Button EscapeButton(QMessageBox::StandardButtons buttons);

private:
    static Button Show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                       QMessageBox::StandardButtons buttons, const QString &caption,
                       const Labels &labels = {});
};
