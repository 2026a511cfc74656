#pragma once

#include <QDateTime>
#include <QString>
#include <QTest>
#include <QTimer>

#include <QApplication>
#include <functional>

// What every window test does around each case, and the one driver for modal dialogs.
namespace testsupport {

// The moment window tests run at unless they fix another one.
QDateTime DefaultTestMoment();

// Before a case: message boxes and file dialogs answer from queues, no stored settings, the clock
// fixed at moment, an empty Database folder.
void BeginGuiCase(const QDateTime &moment = DefaultTestMoment());
// After a case: what went wrong, empty when nothing did. A box or file dialog without a fitting
// queued answer, or an answer queued but never taken, is a failure. Resets the clock.
QString EndGuiCase();

// Runs act on the modal dialog of type Dialog as soon as it is open.
template<typename Dialog>
void WhenModal(std::function<void(Dialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

// Right-clicks target at pos and chooses the entry at index entry of the menu that opens.
void ChooseFromContextMenu(QWidget *target, const QPoint &pos, int entry);

// The child of type T named name; nullptr when there is none.
template<typename T>
T *Child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

} // namespace testsupport

// In a test's cleanup(): fails the case when EndGuiCase finds something wrong.
#define REPBOOK_END_GUI_CASE()                                                                     \
    do {                                                                                           \
        const QString problems = testsupport::EndGuiCase();                                        \
        QVERIFY2(problems.isEmpty(), qPrintable(problems));                                        \
    } while (false)
