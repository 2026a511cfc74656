#include "common/TestMain.h"
#include "notifier/CTrayIcon.h"

#include <QTest>

// The tray menu opens with its right edge at the pointer, beside the icon and away from the
// panel's edge.
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
};

REPBOOK_TEST_MAIN(TestTrayMenu)
#include "tst_traymenu.moc"
