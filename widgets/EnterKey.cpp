#include "widgets/EnterKey.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>

bool HandleEnterKey(QDialog &dialog, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(dialog.focusWidget());
    if (button && !button->isCheckable())
        button->click();
    else
        dialog.accept();
    return true;
}
