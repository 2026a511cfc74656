#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QGuiApplication>

#include <utility>

namespace {

// The answers a test has queued and what was shown since it last looked. Only tests switch the
// facade into test mode; the programs never touch this state.
struct TestHooks
{
    bool on = false;
    QList<MessageBox::Button> answers;
    QList<MessageBox::Shown> shown;
    QStringList unexpected;
};

TestHooks &hooks()
{
    static TestHooks instance;
    return instance;
}

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons)
{
    for (int bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
            return static_cast<QMessageBox::StandardButton>(bit);
    }
    return QMessageBox::Ok;
}

} // namespace

MessageBox::Button MessageBox::Question(QWidget *parent, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        const QString &caption)
{
    return Show(parent, QMessageBox::Question, text, buttons, caption);
}

MessageBox::Button MessageBox::Information(QWidget *parent, const QString &text,
                                           const QString &caption)
{
    return Show(parent, QMessageBox::Information, text, QMessageBox::Ok, caption);
}

MessageBox::Button MessageBox::Warning(QWidget *parent, const QString &text, const QString &caption)
{
    return Show(parent, QMessageBox::Warning, text, QMessageBox::Ok, caption);
}

MessageBox::Button MessageBox::Error(QWidget *parent, const QString &text,
                                     QMessageBox::StandardButtons buttons, const QString &caption,
                                     const Labels &labels)
{
    return Show(parent, QMessageBox::Critical, text, buttons, caption, labels);
}

MessageBox::Button MessageBox::EscapeButton(QMessageBox::StandardButtons buttons)
{
    for (Button candidate : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
        if (buttons.testFlag(candidate))
            return candidate;
    }
    return FirstButton(buttons);
}

MessageBox::Button MessageBox::Show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons, const QString &caption,
                                    const Labels &labels)
{
    if (buttons == QMessageBox::NoButton)
        buttons = QMessageBox::Ok;
    const QString title = caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;

    TestHooks &test = hooks();
    if (test.on) {
        test.shown.append({icon, text, title, buttons});
        if (!test.answers.isEmpty()) {
            const Button answer = test.answers.takeFirst();
            if (buttons.testFlag(answer))
                return answer;
        }
        test.unexpected.append(text);
        return EscapeButton(buttons);
    }

    QMessageBox box(icon, title, text, buttons, parent);
    box.setEscapeButton(EscapeButton(buttons));
    if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    for (const auto &[button, label] : labels) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(label);
    }
    const int result = box.exec();
    if (box.clickedButton() == nullptr || result == QMessageBox::NoButton)
        return EscapeButton(buttons);
    return static_cast<Button>(result);
}

void MessageBox::setTestMode(bool on)
{
    TestHooks &test = hooks();
    test.on = on;
    test.answers.clear();
    test.shown.clear();
    test.unexpected.clear();
}

bool MessageBox::testMode()
{
    return hooks().on;
}

void MessageBox::setNextAnswers(const QList<Button> &answers)
{
    hooks().answers = answers;
}

QList<MessageBox::Button> MessageBox::pendingAnswers()
{
    return hooks().answers;
}

QList<MessageBox::Shown> MessageBox::takeShown()
{
    return std::exchange(hooks().shown, {});
}

QStringList MessageBox::takeUnexpected()
{
    return std::exchange(hooks().unexpected, {});
}
