#include "common/DiaryText.h"
#include "common/GuiTest.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "editing/CDayDlg.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "notifier/CMainFrame.h"
#include "notifier/CNotifyDlg.h"
#include "notifier/CTrayIcon.h"
#include "notifier/DesktopNotification.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSystemTrayIcon>
#include <QTimeEdit>
#include <QTimer>

#include <memory>

namespace {

const QDate Today(2026, 3, 10);

} // namespace

class TestNotifyDlg : public QObject
{
    Q_OBJECT

private:
    SettingsStore m_settings;
    DiaryDatabase m_database; // the notifier's
    SharedDiaryFile m_file {m_database, DiaryMerge::Winner::Disk};
    std::unique_ptr<CNotifyDlg> m_dlg;

    // The diary program writing the file meanwhile: 9 and 10 March 2026, the day before and today.
    static void WriteFile(const QString &todaysExercises)
    {
        QVERIFY(testsupport::WriteDiary(
            DataFolder::DatabasePath(),
            QStringLiteral("9.3.2026 Legs[Row]; 10.3.2026 Legs[%1]").arg(todaysExercises)));
    }

private slots:
    void init()
    {
        testsupport::BeginGuiCase();
        WriteFile(QStringLiteral("Squat"));
        QVERIFY(m_file.Open(DataFolder::DatabasePath()));
        m_dlg = std::make_unique<CNotifyDlg>(m_file, m_settings);
        m_dlg->SetDiaryLauncher([](QWidget *) { return true; }); // never the real diary
    }

    // A click on the balloon "You have a workout today", shown by Qt or by the desktop's
    // notification service, opens the reminder.
    void balloonClickOpensTheReminder_data()
    {
        QTest::addColumn<bool>("desktopService");
        QTest::newRow("Qt's balloon") << false;
        QTest::newRow("the desktop's notification") << true;
    }

    void balloonClickOpensTheReminder()
    {
        QFETCH(bool, desktopService);
        Clock::SetFixed(QDateTime(Today, QTime(9, 0)));
        CMainFrame frame(m_file, m_settings);
        frame.Scheduler().EvaluateReminderState();
        QCOMPARE(frame.Scheduler().GetState(), ReminderScheduler::Workout);
        CTrayIcon tray({[&frame] { frame.OpenReminder(); }, [] {}, [] {}});
        bool opened = false;
        testsupport::WhenModal<CNotifyDlg>([&opened](CNotifyDlg *dialog) {
            opened = true;
            dialog->reject();
        });
        if (desktopService)
            emit tray.findChild<DesktopNotification *>()->clicked();
        else
            emit tray.findChild<QSystemTrayIcon *>()->messageClicked();
        QVERIFY(opened);
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
        WriteFile(QStringLiteral("Squat, Lunge"));
        const QByteArray before = testsupport::ReadFile(path);

        int exercisesShown = -1;
        bool diarySaved = diaryNotesDay == 0;
        testsupport::WhenModal<CDayDlg>([&](CDayDlg *dialog) {
            exercisesShown = dialog->GetDay()->GetWorkout(0)->GetExerciseCount();
            dialog->GetDay()->SetNotes(QStringLiteral("Felt strong"));
            if (diaryNotesDay != 0) { // the diary saves while the day dialog is open
                DiaryDatabase diary;
                diarySaved = diary.Open(path);
                diary.FindDay(DateValue::FromDate(2026, 3, diaryNotesDay))
                    ->SetNotes(QStringLiteral("Diary"));
                diarySaved = diarySaved && diary.Save();
            }
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
            const QStringList kept =
                folder.entryList({QFileInfo(path).fileName() + QStringLiteral(".conflict-*")});
            QCOMPARE(kept.size(), 1);
            QVERIFY(shown.first().text.contains(kept.first()));
            QCOMPARE(testsupport::DescribeDiaryFile(folder.filePath(kept.first())),
                     today.arg(noted("Felt strong")));
            QVERIFY(QFile::remove(folder.filePath(kept.first())));
        }
    }
};

REPBOOK_TEST_MAIN(TestNotifyDlg)

#include "tst_notifydlg.moc"
