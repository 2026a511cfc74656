#include "common/DiaryText.h"
#include "common/GuiTest.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "editing/CDayDlg.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "notifier/AutostartEntry.h"
#include "notifier/CMainFrame.h"
#include "notifier/CNotifyDlg.h"
#include "notifier/COptionsDlg.h"
#include "notifier/CTrayIcon.h"
#include "notifier/DesktopNotification.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTimeEdit>

#include <memory>

const QDate Today(2026, 3, 10);

// The reminder window and its day view, and the notifier's Options; where the notifier meets the
// desktop: its balloon, the place its tray menu opens at, and the entry that starts it at logon.
class TestNotifyDlg : public QObject
{
    Q_OBJECT

private:
    SettingsStore m_settings;
    DiaryDatabase m_database; // the notifier's
    SharedDiaryFile m_file {m_database, DiaryMerge::Winner::Disk};
    std::unique_ptr<CNotifyDlg> m_dlg;

    // The diary program writing the file meanwhile: 9 and 10 March 2026, the day before and today,
    // the day of March notedDay noted "Diary".
    static bool WriteFile(const QString &todaysExercises, int notedDay = 0)
    {
        const auto notes = [notedDay](int day) { return day == notedDay ? "\"Diary\" " : ""; };
        return testsupport::WriteDiary(DataFolder::DatabasePath(),
                                       QStringLiteral("9.3.2026 %1Legs[Row]; 10.3.2026 %2Legs[%3]")
                                           .arg(notes(9), notes(10), todaysExercises));
    }

private slots:
    void init()
    {
        testsupport::BeginGuiCase();
        QVERIFY(WriteFile(QStringLiteral("Squat")));
        QVERIFY(m_file.Open(DataFolder::DatabasePath()));
        m_dlg = std::make_unique<CNotifyDlg>(m_file, m_settings);
        m_dlg->SetDiaryLauncher([](QWidget *) { return true; }); // never the real diary
    }

    // A click on the balloon "You have a workout today", shown by Qt or by the desktop's
    // notification service, opens the reminder.
    void balloonClickOpensTheReminder()
    {
        Clock::SetFixed(QDateTime(Today, QTime(9, 0)));
        CMainFrame frame(m_file, m_settings);
        frame.Scheduler().EvaluateReminderState();
        QCOMPARE(frame.Scheduler().GetState(), ReminderScheduler::Workout);
        CTrayIcon tray({[&frame] { frame.OpenReminder(); }, [] {}, [] {}});
        for (const bool desktopService : {false, true}) {
            bool opened = false;
            testsupport::WhenModal<CNotifyDlg>([&opened](CNotifyDlg *dialog) {
                opened = true;
                dialog->reject();
            });
            if (desktopService)
                emit tray.findChild<DesktopNotification *>()->clicked();
            else
                emit tray.findChild<QSystemTrayIcon *>()->messageClicked();
            QVERIFY2(opened, desktopService ? "the desktop's notification" : "Qt's balloon");
        }
    }

    // A diary damaged since it was read: View warns and opens no day, the reminder stays open
    // (the diary can be opened from it) and the file stays as it is.
    void damagedDiaryOpensNoDay()
    {
        const QString path = DataFolder::DatabasePath();
        QVERIFY(testsupport::WriteFile(path, "10.3.2026\r\n1\r\nLegs\r\n"));
        Clock::SetFixed(QDateTime(Today, QTime(18, 0)));
        m_dlg->SetReminderDay(DateValue::FromQDate(Today));
        bool dayOpened = false;
        QTimer::singleShot(0, this, [&dayOpened] {
            if (auto *day = qobject_cast<CDayDlg *>(QApplication::activeModalWidget())) {
                dayOpened = true;
                day->reject();
            }
        });
        m_dlg->show();
        MessageBox::setNextAnswers({QMessageBox::Ok});
        QTest::mouseClick(testsupport::Child<CPictureButton>(m_dlg.get(), "viewButton"),
                          Qt::LeftButton);
        QCoreApplication::processEvents(); // the check above runs here when no day opened
        QVERIFY(!dayOpened);
        QVERIFY(m_dlg->isVisible());
        QVERIFY(MessageBox::takeShown().value(0).text.contains(QStringLiteral("damaged")));
        QCOMPARE(testsupport::ReadFile(path), QByteArray("10.3.2026\r\n1\r\nLegs\r\n"));
    }

    void cleanup()
    {
        m_dlg.reset();
        REPBOOK_END_GUI_CASE();
    }

    // The day view reads the file as the diary last saved it, and saves only after OK, keeping
    // what the diary saved while the view was open; a day both changed keeps the notifier's entries
    // beside the diary, and the user is told where.
    void viewSavesOnlyAfterOK_data()
    {
        QTest::addColumn<bool>("resultsMode");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("diaryNotesDay"); // of March, noted by the diary; 0: none
        QTest::addColumn<QString>("notesOn9th"); // what the file then holds
        QTest::addColumn<QString>("notesOn10th");
        const auto row = [](const char *name, bool resultsMode, bool confirm, int diaryDay,
                            const char *on9th, const char *on10th) {
            QTest::newRow(name) << resultsMode << confirm << diaryDay << QString::fromUtf8(on9th)
                                << QString::fromUtf8(on10th);
        };
        row("view, OK", false, true, 0, "", "Felt strong");
        row("view, Cancel", false, false, 0, "", "");
        row("fill in, OK", true, true, 0, "", "Felt strong");
        row("fill in, Cancel", true, false, 0, "", "");
        row("the diary changed another day", false, true, 9, "Diary", "Felt strong");
        row("the diary changed this day", false, true, 10, "", "Diary");
    }

    void viewSavesOnlyAfterOK()
    {
        QFETCH(bool, resultsMode);
        QFETCH(bool, confirm);
        QFETCH(int, diaryNotesDay);
        QFETCH(QString, notesOn9th);
        QFETCH(QString, notesOn10th);
        const bool keptAside = diaryNotesDay == Today.day(); // both changed today
        const QString path = DataFolder::DatabasePath();
        // The diary adds an exercise after the notifier read the file.
        QVERIFY(WriteFile(QStringLiteral("Squat, Lunge")));
        const QByteArray before = testsupport::ReadFile(path);

        int exercisesShown = -1;
        bool diarySaved = diaryNotesDay == 0;
        testsupport::WhenModal<CDayDlg>([&](CDayDlg *dialog) {
            exercisesShown = dialog->GetDay()->GetWorkout(0)->GetExerciseCount();
            dialog->GetDay()->SetNotes(QStringLiteral("Felt strong"));
            if (diaryNotesDay != 0) // the diary saves while the day dialog is open
                diarySaved = WriteFile(QStringLiteral("Squat, Lunge"), diaryNotesDay);
            confirm ? dialog->accept() : dialog->reject();
        });
        if (keptAside)
            MessageBox::setNextAnswers({QMessageBox::Ok});
        const QDateTime now(Today, QTime(18, 0, 10));
        Clock::SetFixed(now);
        m_dlg->SetReminderDay(DateValue::FromQDateTime(now));
        m_dlg->SetResultsMode(resultsMode);
        m_dlg->show();
        // A time to ask again belongs to a reminder, not to the results.
        QCOMPARE(m_dlg->findChild<QTimeEdit *>()->isEnabled(), !resultsMode);
        const auto *askBox = m_dlg->findChild<QCheckBox *>(QStringLiteral("askBox"));
        QCOMPARE(askBox->isEnabled(), !resultsMode);
        QCOMPARE(askBox->isChecked(), !resultsMode);
        QTest::mouseClick(testsupport::Child<CPictureButton>(m_dlg.get(), "viewButton"),
                          Qt::LeftButton);

        QVERIFY(diarySaved);
        QCOMPARE(exercisesShown, 2);
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted)); // acknowledged either way
        const auto noted = [](const QString &notes) {
            return notes.isEmpty() ? notes : QStringLiteral("\"%1\" ").arg(notes);
        };
        const QString today = QStringLiteral("10.3.2026 %1Legs[Squat 1x0, Lunge 1x0]");
        QCOMPARE(testsupport::DescribeDiaryFile(path),
                 QStringLiteral("9.3.2026 %1Legs[Row 1x0]; ").arg(noted(notesOn9th)) +
                     today.arg(noted(notesOn10th)));
        if (!confirm) {
            QCOMPARE(testsupport::ReadFile(path), before);
            // The cancelled edit is gone from memory too.
            QCOMPARE(m_database.FindDay(DateValue::FromQDate(Today))->GetNotes(), QString());
        }
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), int(keptAside));
        if (keptAside) {
            const QDir folder(DataFolder::DatabaseFolder());
            const QStringList kept = folder.entryList({QFileInfo(path).fileName() + ".conflict-*"});
            QCOMPARE(kept.size(), 1);
            QVERIFY(shown.first().text.contains(kept.first()));
            QCOMPARE(testsupport::DescribeDiaryFile(folder.filePath(kept.first())),
                     today.arg(noted("Felt strong")));
        }
    }

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
        m_settings.Write(SettingsKeys::TipNotifyTime, stored);
        m_settings.Write(SettingsKeys::ShowTrayIcon, 1);
        COptionsDlg dialog(m_settings, autostart);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Below zero never, zero at startup only, above it every so many minutes.
        const auto *opened = testsupport::Child<QRadioButton>(
            &dialog, stored < 0 ? "neverRadio" : (stored == 0 ? "startupRadio" : "everyRadio"));
        QVERIFY(opened != nullptr && opened->isChecked());
        auto *minutes = testsupport::Child<QComboBox>(&dialog, "minutesBox");
        QCOMPARE(minutes->currentText(), stored > 0 ? QString::number(stored) : "1");

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

        QCOMPARE(m_settings.Read(SettingsKeys::TipNotifyTime), expected);
        const bool stores = ok && !warned;
        QCOMPARE(m_settings.Read(SettingsKeys::ShowTrayIcon), stores && switches ? 0 : 1);
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

REPBOOK_TEST_MAIN(TestNotifyDlg)

#include "tst_notifydlg.moc"
