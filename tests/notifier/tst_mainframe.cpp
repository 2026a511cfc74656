#include "common/TestMain.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "notifier/CMainFrame.h"
#include "settings/NotifyTimeRecord.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QSettings>
#include <QTimer>

#include <memory>

namespace {

const QDateTime Now(QDate(2026, 3, 10), QTime(18, 0, 10));

} // namespace

// The reminder dialog as the main object shows it: what its buttons hand to the scheduling.
class TestMainFrame : public QObject
{
    Q_OBJECT

private:
    SettingsStore m_settings;
    DiaryDatabase m_database;
    SharedDiaryFile m_file {m_database, DiaryMerge::Winner::Disk};
    std::unique_ptr<CMainFrame> m_frame;
    int m_launches = 0;

    QDateTime Stored(const SettingsKeys::BinarySetting &key) const
    {
        const auto record = m_settings.Read(key);
        return record ? NotifyTimeRecord::Decode(*record) : QDateTime();
    }

    // Clicks a button of the reminder dialog once it is shown.
    void WhenReminderOpens(const char *button, bool tickAskBox = true)
    {
        QTimer::singleShot(0, this, [this, button, tickAskBox] {
            CNotifyDlg &dialog = m_frame->NotifyDlg();
            if (!dialog.isVisible())
                qFatal("reminder not shown");
            dialog.findChild<QCheckBox *>(QStringLiteral("askBox"))->setChecked(tickAskBox);
            QTest::mouseClick(dialog.findChild<CPictureButton *>(QLatin1String(button)),
                              Qt::LeftButton);
        });
    }

private slots:
    void initTestCase()
    {
        MessageBox::setTestMode(true);
        auto day = std::make_unique<TrainingDay>();
        day->SetDate(DateValue::FromQDate(Now.date()));
        m_database.AddDay(std::move(day));
    }

    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope,
                  QLatin1String(SettingsKeys::Organization),
                  QLatin1String(SettingsKeys::Application))
            .clear();
        Clock::SetFixed(Now);
        m_frame = std::make_unique<CMainFrame>(m_file, m_settings);
        m_launches = 0;
        m_frame->NotifyDlg().SetDiaryLauncher([this](QWidget *) {
            ++m_launches;
            return true;
        });
        m_frame->Scheduler().LoadReminderFlags();
        m_frame->Scheduler().Start();
        QCOMPARE(m_frame->Scheduler().GetState(), ReminderScheduler::Workout);
    }

    void cleanup()
    {
        m_frame.reset();
        Clock::Reset();
        QVERIFY(MessageBox::takeUnexpected().isEmpty());
    }

    void dayPlannedInTheDiaryIsAnnouncedWithoutRestart()
    {
        // A notifier of its own on a file that holds no day for today yet.
        m_frame.reset();
        const QString path = DataFolder::DatabasePath();
        const auto writeDiary = [&path](bool withToday) {
            DiaryDatabase diary;
            diary.SetPath(path);
            auto day = std::make_unique<TrainingDay>();
            day->SetDate(DateValue::FromQDate(Now.date().addDays(withToday ? 0 : -1)));
            diary.AddDay(std::move(day));
            return diary.Save();
        };
        QVERIFY(writeDiary(false));
        DiaryDatabase database;
        SharedDiaryFile file(database, DiaryMerge::Winner::Disk);
        QVERIFY(file.Open(path));
        CMainFrame frame(file, m_settings);
        frame.Scheduler().LoadReminderFlags();
        frame.Scheduler().Start();
        QCOMPARE(frame.Scheduler().GetState(), ReminderScheduler::Nothing);

        QVERIFY(writeDiary(true));
        QTRY_VERIFY(database.FindDay(DateValue::FromQDate(Now.date())) != nullptr);
        QCOMPARE(frame.Scheduler().Tick(), ReminderScheduler::BalloonAction::Show);
        QCOMPARE(frame.Scheduler().GetState(), ReminderScheduler::Workout);
    }

    void confirmingHandsTheAskTimeOver_data()
    {
        QTest::addColumn<bool>("tickAskBox");
        QTest::addColumn<QDateTime>("askTime");
        QTest::newRow("box ticked") << true << Now.addSecs(3600);
        QTest::newRow("box unticked") << false << QDateTime();
    }

    void confirmingHandsTheAskTimeOver()
    {
        QFETCH(bool, tickAskBox);
        QFETCH(QDateTime, askTime);
        WhenReminderOpens("openDiaryButton", tickAskBox);
        m_frame->OpenReminder();
        QCOMPARE(m_launches, 1);
        QVERIFY(!m_frame->Scheduler().IsDialogOpen());
        QCOMPARE(Stored(SettingsKeys::NotifyDone), askTime);
        QCOMPARE(Stored(SettingsKeys::TrainNotified), Now);
        QCOMPARE(Stored(SettingsKeys::DoneNotified), QDateTime());
    }

    void remindMeLaterRecordsNothing()
    {
        WhenReminderOpens("remindLaterButton");
        m_frame->OpenReminder();
        QVERIFY(!m_frame->Scheduler().IsDialogOpen());
        QVERIFY(!m_settings.Read(SettingsKeys::TrainNotified));
        QVERIFY(!m_settings.Read(SettingsKeys::NotifyDone));
        QCOMPARE(m_frame->Scheduler().GetState(), ReminderScheduler::Workout);
    }

    void exitStoresTheFlags()
    {
        WhenReminderOpens("remindLaterButton");
        m_frame->OpenReminder();
        m_frame->Destroy();
        QCOMPARE(*m_settings.Read(SettingsKeys::TrainNotified), QByteArray(16, '\0'));
    }

    void optionsAreShownOnce()
    {
        COptionsDlg &options = m_frame->OptionsDlg();
        options.show();
        // A second modal showing would wait here for an answer that never comes.
        QTimer::singleShot(2000, &options, [&options] { options.reject(); });
        QElapsedTimer timer;
        timer.start();
        m_frame->ShowOptions();
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(options.isVisible());
        options.reject();
    }
};

REPBOOK_TEST_MAIN(TestMainFrame)

#include "tst_mainframe.moc"
