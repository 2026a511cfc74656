#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "notifier/AutostartEntry.h"

#include <QFile>
#include <QTemporaryDir>

// The logon start entry: what the notifier writes, and how it reads an entry someone else edited.
class TestAutostartEntry : public QObject
{
    Q_OBJECT

private slots:
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

REPBOOK_TEST_MAIN(TestAutostartEntry)

#include "tst_autostartentry.moc"
