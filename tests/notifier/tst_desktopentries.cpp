#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "notifier/AutostartEntry.h"
#include "notifier/CTrayIcon.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the notifier meets the desktop: the place its tray menu opens at, and the entry that
// starts it at logon.
class TestDesktopEntries : public QObject
{
    Q_OBJECT

private slots:
    // The tray menu opens with its right edge at the pointer, beside the icon and away from the
    // panel's edge.
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

    // The logon start entry: what the notifier writes, and how it reads an entry someone else
    // edited.
    void writtenEntryStartsTheProgram()
    {
        QTemporaryDir folder;
        const AutostartEntry entry(folder.filePath(QStringLiteral("autostart")));
        QVERIFY(!entry.IsEnabled());
        QVERIFY(entry.Enable(QStringLiteral("/opt/my apps/repminder")));
        QVERIFY(entry.IsEnabled());
        // Readable by its owner only (the user bits; group and others none).
        QCOMPARE(QFile::permissions(entry.FilePath()) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
        QVERIFY(
            testsupport::ReadFile(entry.FilePath()).contains("Exec=\"/opt/my apps/repminder\""));
        QVERIFY(entry.Disable());
        QVERIFY(!QFile::exists(entry.FilePath()));
        QVERIFY(!entry.IsEnabled());
    }

    void editedEntry_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("enabled");
        const QByteArray head = "[Desktop Entry]\nType=Application\nExec=repminder\n";
        QTest::newRow("plain") << head << true;
        QTest::newRow("hidden") << head + "Hidden=true\n" << false;
        QTest::newRow("hidden false") << head + "Hidden=false\n" << true;
        QTest::newRow("GNOME switched off") << head + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("GNOME switched on") << head + "X-GNOME-Autostart-enabled=true\n" << true;
        QTest::newRow("hidden in another group") << head + "[Desktop Action Stop]\nHidden=true\n"
                                                 << true;
    }
    void editedEntry()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, enabled);
        QTemporaryDir folder;
        const AutostartEntry entry(folder.path());
        QVERIFY(testsupport::WriteFile(entry.FilePath(), text));
        QCOMPARE(entry.IsEnabled(), enabled);
    }
};

REPBOOK_TEST_MAIN(TestDesktopEntries)

#include "tst_desktopentries.moc"
