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

#include <QSettings>

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

};

REPBOOK_TEST_MAIN(TestMainFrame)

#include "tst_mainframe.moc"
