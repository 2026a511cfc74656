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

#include <functional>
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

    // The diary program writing the file meanwhile.
    static void WriteFile(const QStringList &todaysExercises)
    {
        // 9 and 10 March 2026: the day before and today.
        QString days = QStringLiteral("9.3.2026 Legs[Row]");
        if (!todaysExercises.isEmpty())
            days += QStringLiteral("; 10.3.2026 Legs[%1]").arg(todaysExercises.join(u','));
        QVERIFY(testsupport::WriteDiary(DataFolder::DatabasePath(), days));
    }

    void Open(bool resultsMode, const QTime &now = QTime(18, 0, 10))
    {
        Clock::SetFixed(QDateTime(Today, now));
        m_dlg->SetReminderDay(DateValue::FromQDateTime(QDateTime(Today, now)));
        m_dlg->SetResultsMode(resultsMode);
        m_dlg->show();
    }

    void Click(const char *button)
    {
        QTest::mouseClick(testsupport::Child<CPictureButton>(m_dlg.get(), button), Qt::LeftButton);
    }

    // Answers the day dialog that the next command opens.
    static void WhenDayDialogOpens(std::function<void(CDayDlg &)> act, QObject *context)
    {
        QTimer::singleShot(0, context, [act] {
            if (auto *dialog = qobject_cast<CDayDlg *>(QApplication::activeModalWidget()))
                act(*dialog);
        });
    }

private slots:
    void init()
    {
        testsupport::BeginGuiCase();
        WriteFile({QStringLiteral("Squat")});
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

    void cleanup()
    {
        m_dlg.reset();
        REPBOOK_END_GUI_CASE();
    }

    void viewReadsTheFileAndSavesOnlyAfterOK_data()
    {
        QTest::addColumn<bool>("resultsMode");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("view, OK") << false << true;
        QTest::newRow("view, Cancel") << false << false;
        QTest::newRow("fill in, OK") << true << true;
        QTest::newRow("fill in, Cancel") << true << false;
    }

    void viewReadsTheFileAndSavesOnlyAfterOK()
    {
        QFETCH(bool, resultsMode);
        QFETCH(bool, confirm);
        // The diary adds an exercise after the notifier read the file.
        WriteFile({QStringLiteral("Squat"), QStringLiteral("Lunge")});
        const QByteArray before = testsupport::ReadFile(DataFolder::DatabasePath());

        int exercisesShown = -1;
        QObject watch;
        WhenDayDialogOpens(
            [&](CDayDlg &dialog) {
                exercisesShown = dialog.GetDay()->GetWorkout(0)->GetExerciseCount();
                dialog.GetDay()->SetNotes(QStringLiteral("Felt strong"));
                if (confirm)
                    dialog.accept();
                else
                    dialog.reject();
            },
            &watch);
        Open(resultsMode);
        // A time to ask again belongs to a reminder, not to the results.
        QCOMPARE(m_dlg->findChild<QTimeEdit *>()->isEnabled(), !resultsMode);
        QCOMPARE(m_dlg->findChild<QCheckBox *>(QStringLiteral("askBox"))->isEnabled(),
                 !resultsMode);
        Click("viewButton");

        QCOMPARE(exercisesShown, 2);
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted)); // acknowledged either way
        DiaryDatabase onDisk;
        QVERIFY(onDisk.Open(DataFolder::DatabasePath()));
        QCOMPARE(testsupport::DescribeDiary(onDisk),
                 QStringLiteral("9.3.2026 Legs[Row 1x0]; 10.3.2026 %1Legs[Squat 1x0, Lunge 1x0]")
                     .arg(confirm ? QStringLiteral("\"Felt strong\" ") : QString()));
        if (!confirm) {
            QCOMPARE(testsupport::ReadFile(DataFolder::DatabasePath()), before);
            // The cancelled edit is gone from memory too.
            QCOMPARE(m_database.FindDay(DateValue::FromQDate(Today))->GetNotes(), QString());
        }
    }

    void savingKeepsWhatTheDiarySavedMeanwhile_data()
    {
        QTest::addColumn<bool>("sameDay");
        QTest::newRow("the diary changed another day") << false;
        QTest::newRow("the diary changed this day") << true;
    }

    void savingKeepsWhatTheDiarySavedMeanwhile()
    {
        QFETCH(bool, sameDay);
        const DateValue today = DateValue::FromQDate(Today);
        const DateValue yesterday = DateValue::FromQDate(Today.addDays(-1));
        const QString path = DataFolder::DatabasePath();
        bool diarySaved = false;
        QObject watch;
        WhenDayDialogOpens(
            [&](CDayDlg &dialog) {
                dialog.GetDay()->SetNotes(QStringLiteral("Felt strong"));
                // The diary saves while the day dialog is open.
                DiaryDatabase diary;
                diarySaved = diary.Open(path);
                diary.FindDay(sameDay ? today : yesterday)->SetNotes(QStringLiteral("Diary"));
                diarySaved = diarySaved && diary.Save();
                dialog.accept();
            },
            &watch);
        if (sameDay)
            MessageBox::setNextAnswers({QMessageBox::Ok});
        Open(false);
        Click("viewButton");
        QVERIFY(diarySaved);

        DiaryDatabase onDisk;
        QVERIFY(onDisk.Open(path));
        QCOMPARE(onDisk.FindDay(yesterday)->GetNotes(),
                 sameDay ? QString() : QStringLiteral("Diary"));
        QCOMPARE(onDisk.FindDay(today)->GetNotes(),
                 sameDay ? QStringLiteral("Diary") : QStringLiteral("Felt strong"));
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), sameDay ? 1 : 0);
        if (sameDay) {
            // The notifier's entries are kept beside the diary, and the user is told where.
            const QDir folder(DataFolder::DatabaseFolder());
            const QStringList kept =
                folder.entryList({QFileInfo(path).fileName() + QStringLiteral(".conflict-*")});
            QCOMPARE(kept.size(), 1);
            QVERIFY(shown.first().text.contains(kept.first()));
            DiaryDatabase aside;
            QVERIFY(aside.Open(folder.filePath(kept.first())));
            QCOMPARE(testsupport::DescribeDiary(aside),
                     QStringLiteral(R"(10.3.2026 "Felt strong" Legs[Squat 1x0])"));
            QVERIFY(QFile::remove(folder.filePath(kept.first())));
        }
    }
};

REPBOOK_TEST_MAIN(TestNotifyDlg)

#include "tst_notifydlg.moc"
