#include "diary/QuitWhenShown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void QuitWhenShown::Arm(QWidget &window)
{
    if (qEnvironmentVariableIsSet(Variable))
        window.installEventFilter(new QuitWhenShown(&window));
}

bool QuitWhenShown::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Leaves the window's modal loop too: every running event loop ends.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    return false;
}
