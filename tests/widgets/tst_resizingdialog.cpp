#include "common/TestMain.h"
#include "settings/SettingsStore.h"
#include "widgets/CResizingDialog.h"

#include <QScreen>
#include <QTest>

// A resizable dialog opens at the size the user left it at, never below the size it was designed
// at nor beyond the screen, and remembers only a size the user chose.
class TestResizingDialog : public QObject
{
    Q_OBJECT

    static constexpr int Id = 4711;
    static constexpr QSize Designed {300, 200};

private slots:
    void init() { SettingsStore().WriteWindowSize(Id, {}); }

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
};

REPBOOK_TEST_MAIN(TestResizingDialog)
#include "tst_resizingdialog.moc"
