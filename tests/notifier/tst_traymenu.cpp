#include "common/TestMain.h"
#include "notifier/CTrayIcon.h"

#include <QSystemTrayIcon>
#include <QTest>

// The tray icon's clicks and menu; the menu opens with its right edge at the pointer, beside the
// icon and away from the panel's edge.
class TestTrayMenu : public QObject
{
    Q_OBJECT

private slots:
    void opensBesideTheIcon_data()
    {
        QTest::addColumn<QRect>("icon");
        QTest::addColumn<QPoint>("place");
        // A 100 x 80 menu, the pointer at (500, 10), a 1000 x 800 screen.
        QTest::newRow("top panel: below the icon") << QRect(490, 0, 20, 20) << QPoint(400, 20);
        QTest::newRow("bottom panel: above it") << QRect(490, 780, 20, 20) << QPoint(400, 700);
        QTest::newRow("icon's place unknown: above the pointer") << QRect() << QPoint(400, -70);
    }
    void opensBesideTheIcon()
    {
        QFETCH(QRect, icon);
        QFETCH(QPoint, place);
        QCOMPARE(CTrayIcon::MenuPlace({500, 10}, {100, 80}, icon, {0, 0, 1000, 800}), place);
    }

    // A double click and a click on the balloon open the reminder, the context click shows the
    // menu, a single click does nothing; the menu's entries run their commands.
    void clicksAndEntries_data()
    {
        QTest::addColumn<int>("reason"); // -1: the balloon is clicked
        QTest::addColumn<int>("entry"); // of the menu, chosen after the click; -1 none
        QTest::addColumn<QString>("ran");
        QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << -1 << "open";
        QTest::newRow("single click") << int(QSystemTrayIcon::Trigger) << -1 << "";
        QTest::newRow("balloon") << -1 << -1 << "open";
        QTest::newRow("menu: open") << int(QSystemTrayIcon::Context) << 0 << "open";
        QTest::newRow("menu: options") << int(QSystemTrayIcon::Context) << 1 << "options";
        QTest::newRow("menu: exit") << int(QSystemTrayIcon::Context) << 3 << "exit";
    }
    void clicksAndEntries()
    {
        QFETCH(int, reason);
        QFETCH(int, entry);
        QFETCH(QString, ran);
        QStringList commands;
        CTrayIcon tray({[&] { commands << "open"; }, [&] { commands << "options"; },
                        [&] { commands << "exit"; }});
        auto *icon = tray.findChild<QSystemTrayIcon *>();
        if (reason < 0)
            emit icon->messageClicked();
        else
            emit icon->activated(QSystemTrayIcon::ActivationReason(reason));
        QCOMPARE(tray.Menu()->isVisible(), reason == QSystemTrayIcon::Context);
        if (entry >= 0) {
            tray.Menu()->setActiveAction(tray.Menu()->actions().at(entry));
            QTest::keyClick(tray.Menu(), Qt::Key_Return);
        }
        QCOMPARE(commands.join(u' '), ran);
    }
};

REPBOOK_TEST_MAIN(TestTrayMenu)
#include "tst_traymenu.moc"
