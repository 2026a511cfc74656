#include "common/TestMain.h"
#include "widgets/EnterKey.h"
#include "widgets/MessageBox.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Keys that end dialogs: Enter in a dialog without a default button, and the button a message box
// answers when it is dismissed.
class TestDialogKeys : public QObject
{
    Q_OBJECT

private slots:
    void enterKey_data()
    {
        QTest::addColumn<int>("focus"); // 0 the field, 1 a checkable button, 2 a push button
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("clicks");
        const auto r = [](const char *name, int focus, Qt::Key key, bool handled, bool accepted,
                          int clicks) {
            QTest::newRow(name) << focus << int(key) << handled << accepted << clicks;
        };
        r("Return in a field confirms", 0, Qt::Key_Return, true, true, 0);
        r("keypad Enter too", 0, Qt::Key_Enter, true, true, 0);
        r("on a push button presses it", 2, Qt::Key_Return, true, false, 1);
        r("on a checkable button confirms", 1, Qt::Key_Enter, true, true, 0);
        r("another key is not handled", 2, Qt::Key_Space, false, false, 0);
    }

    void enterKey()
    {
        QFETCH(int, focus);
        QFETCH(int, key);
        QFETCH(bool, handled);
        QFETCH(bool, accepted);
        QFETCH(int, clicks);
        QDialog dialog;
        auto *box = new QPushButton(&dialog);
        box->setCheckable(true);
        auto *button = new QPushButton(&dialog);
        int pressed = 0;
        connect(button, &QPushButton::clicked, this, [&pressed] { ++pressed; });
        const QList<QWidget *> targets {new QLineEdit(&dialog), box, button};
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        targets.at(focus)->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCOMPARE(HandleEnterKey(dialog, &press), handled);
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(pressed, clicks);
    }

    void escapeButton_data()
    {
        using B = QMessageBox;
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("escape");
        QTest::newRow("cancel first") << int(B::Yes | B::No | B::Cancel) << int(B::Cancel);
        QTest::newRow("then no") << int(B::Yes | B::No) << int(B::No);
        QTest::newRow("then ok") << int(B::Ok | B::Retry) << int(B::Ok);
        QTest::newRow("else the first") << int(B::Retry | B::Ignore) << int(B::Retry);
        QTest::newRow("none") << int(B::NoButton) << int(B::Ok);
    }

    void escapeButton()
    {
        QFETCH(int, buttons);
        QFETCH(int, escape);
        QCOMPARE(int(MessageBox::EscapeButton(QMessageBox::StandardButtons::fromInt(buttons))),
                 escape);
    }
};

REPBOOK_TEST_MAIN(TestDialogKeys)

#include "tst_dialogkeys.moc"
