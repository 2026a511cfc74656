#include "common/TestMain.h"
#include "notifier/AutostartEntry.h"
#include "notifier/COptionsDlg.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

class TestOptionsDlg : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_autostartDir;
    SettingsStore m_settings;

    AutostartEntry Entry() const { return AutostartEntry(m_autostartDir.path()); }

    template<typename T>
    static T *Child(QWidget &dialog, const char *name)
    {
        T *child = dialog.findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("missing child %s", name);
        return child;
    }

    static void ClickButton(QWidget &dialog, const QString &text)
    {
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button %1").arg(text)));
    }

    static QString CheckedMode(QWidget &dialog)
    {
        for (QRadioButton *radio : dialog.findChildren<QRadioButton *>()) {
            if (radio->isChecked())
                return radio->text();
        }
        return {};
    }

    static void TypeMinutes(QWidget &dialog, const QString &text)
    {
        QLineEdit *edit = Child<QComboBox>(dialog, "minutesBox")->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }

    void init()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                        QLatin1String(SettingsKeys::Organization),
                        QLatin1String(SettingsKeys::Application));
        store.clear();
        store.sync();
        QFile::remove(Entry().FilePath());
    }

    void cleanup()
    {
        MessageBox::takeShown();
        const QStringList unexpected = MessageBox::takeUnexpected();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
    }

    void freshInstallation()
    {
        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        QCOMPARE(CheckedMode(dialog), QStringLiteral("&Every"));
        QCOMPARE(Child<QComboBox>(dialog, "minutesBox")->currentText(), QStringLiteral("1"));
        QVERIFY(!Child<QCheckBox>(dialog, "autorunBox")->isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "showIconBox")->isChecked());
        QCOMPARE(Child<QCheckBox>(dialog, "autorunBox")->text(),
                 QStringLiteral("&Launch at logon"));
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("minutes"); // typed unless empty
        QTest::addColumn<int>("storedTime");
        QTest::addColumn<QString>("modeShownNext");
        QTest::addColumn<QString>("minutesShownNext");

        QTest::newRow("every 7") << "&Every"
                                 << "7" << 7 << "&Every"
                                 << "7";
        QTest::newRow("every 1440") << "&Every"
                                    << "1440" << 1440 << "&Every"
                                    << "1440";
        QTest::newRow("never") << "&Never"
                               << "" << -1 << "&Never"
                               << "1";
        QTest::newRow("startup only") << "On &startup only"
                                      << "" << 0 << "On &startup only"
                                      << "1";
        QTest::newRow("never with text typed before") << "&Never"
                                                      << "abc" << -1 << "&Never"
                                                      << "1";
    }

    void storedValues()
    {
        QFETCH(QString, mode);
        QFETCH(QString, minutes);
        QFETCH(int, storedTime);
        QFETCH(QString, modeShownNext);
        QFETCH(QString, minutesShownNext);

        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        if (!minutes.isEmpty())
            TypeMinutes(dialog, minutes);
        for (QRadioButton *radio : dialog.findChildren<QRadioButton *>()) {
            if (radio->text() == mode)
                QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        }
        ClickButton(dialog, QStringLiteral("&OK"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_settings.Read(SettingsKeys::TipNotifyTime), storedTime);

        // The same dialog object and a new one show the stored value.
        for (int round = 0; round < 2; ++round) {
            COptionsDlg fresh(m_settings, Entry());
            COptionsDlg &shown = round == 0 ? dialog : fresh;
            shown.show();
            QCOMPARE(CheckedMode(shown), modeShownNext);
            QCOMPARE(Child<QComboBox>(shown, "minutesBox")->currentText(), minutesShownNext);
            shown.reject();
        }
    }

    void unusableMinutesAreRefused_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::newRow("letters") << "abc";
        QTest::newRow("negative") << "-5";
        QTest::newRow("zero") << "0";
        QTest::newRow("number then letters") << "5x";
        QTest::newRow("empty") << "";
        QTest::newRow("more than a day") << "1441";
    }

    void unusableMinutesAreRefused()
    {
        QFETCH(QString, minutes);
        m_settings.Write(SettingsKeys::TipNotifyTime, 15);
        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        TypeMinutes(dialog, minutes);
        QCOMPARE(CheckedMode(dialog), QStringLiteral("&Every")); // typing chose it
        MessageBox::setNextAnswers({QMessageBox::Ok});
        ClickButton(dialog, QStringLiteral("&OK"));

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().text.contains(QLatin1String("minutes")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_settings.Read(SettingsKeys::TipNotifyTime), 15);
        QVERIFY(Child<QComboBox>(dialog, "minutesBox")->lineEdit()->hasSelectedText() ||
                minutes.isEmpty());
    }

    void storedIntervalsAreShown_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("-1") << -1 << "&Never"
                            << "1";
        QTest::newRow("-5 means no balloons") << -5 << "&Never"
                                              << "1";
        QTest::newRow("0") << 0 << "On &startup only"
                           << "1";
        QTest::newRow("25, not in the list") << 25 << "&Every"
                                             << "25";
    }

    void storedIntervalsAreShown()
    {
        QFETCH(int, stored);
        QFETCH(QString, mode);
        QFETCH(QString, minutes);
        m_settings.Write(SettingsKeys::TipNotifyTime, stored);
        m_settings.Write(SettingsKeys::ShowTrayIcon, 0);
        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        QCOMPARE(CheckedMode(dialog), mode);
        QCOMPARE(Child<QComboBox>(dialog, "minutesBox")->currentText(), minutes);
        QVERIFY(!Child<QCheckBox>(dialog, "showIconBox")->isChecked());
    }

    void cancelWritesNothing()
    {
        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        TypeMinutes(dialog, QStringLiteral("20"));
        Child<QCheckBox>(dialog, "autorunBox")->setChecked(true);
        Child<QCheckBox>(dialog, "showIconBox")->setChecked(false);
        ClickButton(dialog, QStringLiteral("&Cancel"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(m_settings.Read(SettingsKeys::TipNotifyTime), 1);
        QCOMPARE(m_settings.Read(SettingsKeys::ShowTrayIcon), 1);
        QVERIFY(!QFile::exists(Entry().FilePath()));
    }

    void showIconIsStored()
    {
        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        Child<QCheckBox>(dialog, "showIconBox")->setChecked(false);
        ClickButton(dialog, QStringLiteral("&OK"));
        QCOMPARE(m_settings.Read(SettingsKeys::ShowTrayIcon), 0);
    }

    void autostartEntryFollowsTheBox()
    {
        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        Child<QCheckBox>(dialog, "autorunBox")->setChecked(true);
        ClickButton(dialog, QStringLiteral("&OK"));

        QFile file(Entry().FilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString contents = QString::fromUtf8(file.readAll());
        QVERIFY(contents.startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(contents.contains(QLatin1String("\nType=Application\n")));
        QVERIFY(contents.contains(QLatin1String("\nName=Repminder\n")));
        QVERIFY(contents.contains(QLatin1String("\nX-GNOME-Autostart-enabled=true\n")));
        QVERIFY(contents.contains(
            QStringLiteral("\nExec=\"%1\"\n").arg(QCoreApplication::applicationFilePath())));
        QVERIFY(contents.contains(
            QStringLiteral("\nTryExec=%1\n").arg(QCoreApplication::applicationFilePath())));
        QCOMPARE(file.permissions() &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
        file.close();

        dialog.show();
        QVERIFY(Child<QCheckBox>(dialog, "autorunBox")->isChecked());
        Child<QCheckBox>(dialog, "autorunBox")->setChecked(false);
        ClickButton(dialog, QStringLiteral("&OK"));
        QVERIFY(!QFile::exists(Entry().FilePath()));
        dialog.show();
        QVERIFY(!Child<QCheckBox>(dialog, "autorunBox")->isChecked());
    }

    void entryWrittenBySomeoneElseIsReflected_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("other program path")
            << QByteArray("[Desktop Entry]\nType=Application\nExec=/old/place/repminder\n") << true;
        QTest::newRow("switched off by Hidden")
            << QByteArray("[Desktop Entry]\nExec=repminder\nHidden=true\n") << false;
        QTest::newRow("switched off for GNOME")
            << QByteArray("[Desktop Entry]\nExec=repminder\nX-GNOME-Autostart-enabled=false\n")
            << false;
        QTest::newRow("Hidden in another group")
            << QByteArray("[Desktop Entry]\nExec=repminder\n[Desktop Action x]\nHidden=true\n")
            << true;
    }

    void entryWrittenBySomeoneElseIsReflected()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, ticked);
        COptionsDlg dialog(m_settings, Entry());
        dialog.show();
        QVERIFY(!Child<QCheckBox>(dialog, "autorunBox")->isChecked());
        dialog.reject();

        QFile file(Entry().FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        dialog.show();
        QCOMPARE(Child<QCheckBox>(dialog, "autorunBox")->isChecked(), ticked);

        // Confirming with the box ticked writes this program's path.
        Child<QCheckBox>(dialog, "autorunBox")->setChecked(true);
        ClickButton(dialog, QStringLiteral("&OK"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(QCoreApplication::applicationFilePath().toUtf8()));
    }

    void unwritableEntryIsReported()
    {
        // A file where the autostart folder should be.
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        COptionsDlg dialog(m_settings, AutostartEntry(blocker.fileName()));
        dialog.show();
        Child<QCheckBox>(dialog, "autorunBox")->setChecked(true);
        MessageBox::setNextAnswers({QMessageBox::Ok});
        ClickButton(dialog, QStringLiteral("&OK"));
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().text.startsWith(QLatin1String("The logon entry could not be")));
        QCOMPARE(m_settings.Read(SettingsKeys::TipNotifyTime), 1);
    }

    void defaultFolderFollowsXdgConfigHome()
    {
        const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY(!configHome.isEmpty());
        QCOMPARE(AutostartEntry().FilePath(),
                 QDir(configHome).filePath(QStringLiteral("autostart/repminder_run.desktop")));
    }

    void execIsQuoted_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/repminder"
                               << "\"/usr/bin/repminder\"";
        QTest::newRow("space") << "/home/a b/repminder"
                               << "\"/home/a b/repminder\"";
        QTest::newRow("dollar and quote") << "/x/$a\"b/r"
                                          << "\"/x/\\\\$a\\\\\"b/r\"";
        QTest::newRow("backslash") << "/x\\y/r"
                                   << "\"/x\\\\\\\\y/r\"";
        QTest::newRow("percent") << "/100%/r"
                                 << "\"/100%%/r\"";
    }

    void execIsQuoted()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(AutostartEntry::QuotedExec(path), exec);
    }
};

REPBOOK_TEST_MAIN(TestOptionsDlg)

#include "tst_optionsdlg.moc"
