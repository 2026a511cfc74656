#include "common/GuiTest.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "notifier/AutostartEntry.h"
#include "notifier/COptionsDlg.h"
#include "notifier/CTrayIcon.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// The notifier's Options, and where the notifier meets the desktop: the place its tray menu opens
// at, and the entry that starts it at logon.
class TestNotifierOptions : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(); }
    void cleanup() { REPBOOK_END_GUI_CASE(); }

    // The notifier's Options: what the stored reminder interval opens as, and what OK stores after
    // the user's changes (Cancel and refused minutes store nothing).
    void intervalAndSwitches_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("click"); // a mode radio the user clicks, if any
        QTest::addColumn<QString>("typed"); // minutes typed, if any; "v": the next one chosen
        QTest::addColumn<bool>("switches"); // the user flips both check boxes
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("expected"); // the interval stored afterwards
        QTest::addColumn<bool>("warned"); // the minutes were refused: the dialog stays open

        // Radios by their first word: "never", "startup", "every".
        const auto r = [](const char *name, int stored, const char *click, const char *typed,
                          bool switches, bool ok, int expected, bool warned) {
            QTest::newRow(name) << stored
                                << (*click ? QLatin1String(click) + QStringLiteral("Radio") : "")
                                << QString(typed) << switches << ok << expected << warned;
        };
        r("never stays never", -5, "", "", false, true, -1, false);
        r("startup only", 0, "", "", true, true, 0, false);
        r("every 20 kept", 20, "", "", false, true, 20, false);
        r("typing minutes means every", 0, "", "45", true, true, 45, false);
        r("choosing minutes means every", 0, "", "v", false, true, 2, false);
        r("the longest interval", -1, "", "1440", false, true, 1440, false);
        r("one minute", -1, "every", "1", false, true, 1, false);
        r("more than a day refused", 20, "", "1441", false, true, 20, true);
        r("zero refused", 20, "", "0", false, true, 20, true);
        r("words refused", 20, "", "soon", false, true, 20, true);
        r("startup chosen over every", 20, "startup", "", false, true, 0, false);
        r("never chosen", 0, "never", "", true, true, -1, false);
        r("cancel stores nothing", 0, "never", "", true, false, 0, false);
    }

    void intervalAndSwitches()
    {
        QFETCH(int, stored);
        QFETCH(QString, click);
        QFETCH(QString, typed);
        QFETCH(bool, switches);
        QFETCH(bool, ok);
        QFETCH(int, expected);
        QFETCH(bool, warned);

        QTemporaryDir autostartFolder;
        const AutostartEntry autostart(autostartFolder.path());
        SettingsStore settings;
        settings.Write(SettingsKeys::TipNotifyTime, stored);
        settings.Write(SettingsKeys::ShowTrayIcon, 1);
        COptionsDlg dialog(settings, autostart);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Below zero never, zero at startup only, above it every so many minutes.
        const auto *opened = testsupport::Child<QRadioButton>(
            &dialog, stored < 0 ? "neverRadio" : (stored == 0 ? "startupRadio" : "everyRadio"));
        QVERIFY(opened != nullptr && opened->isChecked());
        auto *minutes = testsupport::Child<QComboBox>(&dialog, "minutesBox");
        QCOMPARE(minutes->currentText(),
                 stored > 0 ? QString::number(stored) : QStringLiteral("1"));

        if (!click.isEmpty())
            testsupport::Child<QRadioButton>(&dialog, qPrintable(click))->click();
        if (typed == u'v') {
            QTest::keyClick(minutes, Qt::Key_Down);
        } else if (!typed.isEmpty()) {
            minutes->lineEdit()->selectAll();
            QTest::keyClicks(minutes->lineEdit(), typed);
        }
        if (switches) {
            testsupport::Child<QCheckBox>(&dialog, "autorunBox")->click();
            testsupport::Child<QCheckBox>(&dialog, "showIconBox")->click();
        }
        if (warned)
            MessageBox::setNextAnswers({QMessageBox::Ok});
        dialog.findChild<QDialogButtonBox *>()->buttons().at(ok ? 0 : 1)->click();

        QCOMPARE(settings.Read(SettingsKeys::TipNotifyTime), expected);
        const bool stores = ok && !warned;
        QCOMPARE(settings.Read(SettingsKeys::ShowTrayIcon), stores && switches ? 0 : 1);
        QCOMPARE(autostart.IsEnabled(), stores && switches);
        QCOMPARE(dialog.isVisible(), warned);
        if (warned)
            QCOMPARE(minutes->lineEdit()->selectedText(), typed);
    }

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

REPBOOK_TEST_MAIN(TestNotifierOptions)

#include "tst_notifieroptions.moc"
