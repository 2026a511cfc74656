#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "settings/SettingsStore.h"
#include "widgets/CResizingDialog.h"
#include "widgets/EnterKey.h"
#include "widgets/MessageBox.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// What every dialog does: the size it opens at and remembers, and the keys that end it.
class TestDialogs : public QObject
{
    Q_OBJECT

    static constexpr int Id = 4711;
    static constexpr QSize Designed {300, 200};

private slots:
    void init() { SettingsStore().WriteWindowSize(Id, {}); }

    // A resizable dialog opens at the size the user left it at, never below the size it was
    // designed at nor beyond the screen, and remembers only a size the user chose.
    void opensAt_data()
    {
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QTest::addColumn<QSize>("stored"); // with the window's frame, as the settings keep it
        QTest::addColumn<QSize>("firstOpen");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<bool>("outer"); // expected with the frame
        QTest::newRow("nothing stored") << QSize() << QSize() << Designed << false;
        QTest::newRow("stored") << QSize(400, 300) << QSize() << QSize(400, 300) << true;
        QTest::newRow("stored below the design") << QSize(100, 100) << QSize() << Designed << false;
        QTest::newRow("stored without a height") << QSize(400, 0) << QSize() << Designed << false;
        QTest::newRow("stored beyond the screen") << screen * 2 << QSize() << screen << true;
        QTest::newRow("first opening") << QSize() << QSize(350, 250) << QSize(350, 250) << false;
        QTest::newRow("stored wins over the first opening")
            << QSize(400, 300) << QSize(350, 250) << QSize(400, 300) << true;
    }

    void opensAt()
    {
        QFETCH(QSize, stored);
        QFETCH(QSize, firstOpen);
        QFETCH(QSize, expected);
        QFETCH(bool, outer);
        if (stored.isValid())
            SettingsStore().WriteWindowSize(Id,
                                            {.width = stored.width(), .height = stored.height()});
        CResizingDialog dialog(Id);
        dialog.SetDesignedSize(Designed);
        dialog.SetFirstOpenSize(firstOpen);
        dialog.show();
        QCOMPARE(outer ? dialog.frameGeometry().size() : dialog.size(), expected);
        QCOMPARE(dialog.minimumSize(), Designed);
        QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
        dialog.reject();
        // Opening and closing is no choice of the user's: nothing new is stored.
        QCOMPARE(SettingsStore().ReadWindowSize(Id).width, stored.isValid() ? stored.width() : 0);
    }

    void remembersOnlyWhatTheUserChose()
    {
        for (const bool maximize : {false, true}) {
            CResizingDialog dialog(Id);
            dialog.SetDesignedSize(Designed);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTRY_VERIFY(!dialog.SizeChanged() && dialog.isVisible());
            dialog.resize(420, 310);
            const QSize outer = dialog.frameGeometry().size();
            QVERIFY(outer.width() >= 420);
            if (maximize)
                dialog.showMaximized();
            QVERIFY(dialog.SizeChanged());
            dialog.accept();
            const SettingsStore::WindowSize stored = SettingsStore().ReadWindowSize(Id);
            QCOMPARE(QSize(stored.width, stored.height), outer);
            QCOMPARE(stored.maximized, maximize);
        }
    }

    // Keys that end dialogs: Enter in a dialog without a default button, and the button a message
    // box answers when it is dismissed.
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
        const auto shownButtons = QMessageBox::StandardButtons::fromInt(buttons);
        QCOMPARE(int(MessageBox::EscapeButton(shownButtons)), escape);
        // A box shown for real answers Escape with that button, under the label given to it, and
        // Enter with Yes where it offers Yes.
        const bool offersYes = shownButtons.testFlag(QMessageBox::Yes);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Enter}) {
            QString label;
            testsupport::WhenModal<QMessageBox>([&](QMessageBox *box) {
                label = box->button(MessageBox::Button(escape))->text();
                QTest::keyClick(box, key);
            });
            const MessageBox::Button answer =
                MessageBox::Error(nullptr, QStringLiteral("Sure?"), shownButtons, QString(),
                                  {{MessageBox::Button(escape), QStringLiteral("Leave")}});
            QCOMPARE(label, QStringLiteral("Leave"));
            QCOMPARE(int(answer),
                     key == Qt::Key_Enter && offersYes ? int(QMessageBox::Yes) : escape);
            if (!offersYes)
                break; // Enter goes to whichever button has the focus
        }
    }
};

REPBOOK_TEST_MAIN(TestDialogs)

#include "tst_dialogs.moc"
