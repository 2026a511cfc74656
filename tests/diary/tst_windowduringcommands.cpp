#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "editing/CApplyProgramDlg.h"
#include "editing/CDayTabCtrl.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QTest>

using namespace diarytest;

namespace {

QStringList SortedDates(const DiaryDatabase &database)
{
    QStringList dates;
    for (int index = 0; index < database.GetDayCount(); ++index)
        dates << database.GetDay(index)->GetDate().ToQDate().toString(Qt::ISODate);
    dates.sort();
    return dates;
}

} // namespace

// The main window as the user drives it: the workout area follows every command that moves the
// selection, and a program being applied cannot be disturbed.
class TestWindowDuringCommands : public WindowCase
{
    Q_OBJECT

private slots:
    void init()
    {
        WindowCase::init();
        StoreRange(QStringLiteral("1.3.2007"), 31);
    }

    void workoutAreaFollowsNavigation_data()
    {
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<int>("shownDay"); // of March 2007; 0: Selection to range

        // Days on Monday 5, Wednesday 7, Tuesday 20 (today) and Wednesday 28 March.
        QTest::newRow("first") << QList<int> {CommandId::FirstDay} << 5;
        QTest::newRow("last") << QList<int> {CommandId::LastDay} << 28;
        QTest::newRow("previous") << QList<int> {CommandId::PreviousDay} << 7;
        QTest::newRow("next twice") << QList<int> {CommandId::NextDay, CommandId::NextDay} << 5;
        QTest::newRow("today") << QList<int> {CommandId::FirstDay, CommandId::Today} << 20;
        QTest::newRow("selection to range") << QList<int> {CommandId::SelectionToRange} << 20;
    }

    void workoutAreaFollowsNavigation()
    {
        QFETCH(QList<int>, commands);
        QFETCH(int, shownDay);
        BuildDiary(*m_database,
                   QStringLiteral("5.3.2007 Pull Legs; 7.3.2007 Shoulders; 20.3.2007 Chest; "
                                  "28.3.2007 Back"));
        CRepbookDlg window(m_diary.File());
        window.show();
        // From Monday 5 March to Sunday 1 April, for Selection to range.
        window.Grid()->SetSelectedRange(2, 1, 5, 7);

        for (int command : commands)
            window.ExecuteCommand(command);

        const TrainingDay *expected = m_database->FindDay(Date(2007, 3, shownDay));
        const CCellID focus = window.Grid()->GetFocusCell();
        QCOMPARE(window.DayAt(focus.row, focus.col), expected);
        QCOMPARE(window.WorkoutArea()->GetDay(), expected);
        QCOMPARE(window.WorkoutArea()->GetTabCount(), expected->GetWorkoutCount());
    }

    void applyingCannotBeDisturbed_data()
    {
        QTest::addColumn<int>("command"); // 0: a click on 12 March in the mini calendar
        QTest::newRow("mini calendar") << 0;
        QTest::newRow("selection to range") << int(CommandId::SelectionToRange);
        QTest::newRow("another apply") << int(CommandId::ApplyProgram);
        QTest::newRow("exit") << int(CommandId::Exit);
    }

    void applyingCannotBeDisturbed()
    {
        QFETCH(int, command);
        const QString program = QDir::temp().filePath(QStringLiteral("disturbed.rpp"));
        QVERIFY(WriteProgram(program, QStringLiteral("1.1.2007 A")));
        BuildDiary(*m_database, QStringLiteral("14.3.2007 Own"));
        m_settings.Write(SettingsKeys::Delay, 1); // a pause before each day written
        CRepbookDlg window(m_diary.File());
        window.show();
        window.Grid()->SetSelectedRange(3, 1, 5, 7); // 12 March .. 1 April

        if (command == CommandId::Exit)
            MessageBox::setNextAnswers({QMessageBox::Yes});
        // Once two days have been laid out beside the own one; the applier's pauses process
        // events, so no wall-clock timer races the applying.
        bool disturbed = false;
        QTimer disturb;
        disturb.setInterval(0);
        connect(&disturb, &QTimer::timeout, this, [&] {
            if (!window.IsApplying() || m_database->GetDayCount() < 3)
                return;
            disturb.stop();
            disturbed = true;
            if (command == 0)
                window.ChooseStartDate(QDate(2007, 3, 12));
            else
                window.ExecuteCommand(command);
        });
        WhenModal<CApplyProgramDlg>([&disturb](CApplyProgramDlg *dialog) {
            dialog->accept();
            disturb.start();
        });
        window.ApplyProgram(program);
        QVERIFY(disturbed);

        // Every date has at most one day, and every cell shows the day of its own date.
        const QStringList dates = SortedDates(*m_database);
        QVERIFY(dates.size() > 1); // days were laid out
        QCOMPARE(QSet<QString>(dates.begin(), dates.end()).size(), dates.size());
        QCOMPARE(CellsNotFollowingTheDiary(window, *m_database), QString());
        QVERIFY(!window.IsApplying());
        if (command != CommandId::Exit) {
            QCOMPARE(window.Range().Start(), Date(2007, 3, 1));
            return;
        }
        // The walk stopped, then the usual question (its answer taken: see cleanup()); the diary
        // saved holds every day laid out.
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(DescribeDiaryFile(DataFolder::DatabasePath()), DescribeDiary(*m_database));
        QVERIFY(dates.size() < 13);
    }

private:
    SettingsStore m_settings;
};

REPBOOK_TEST_MAIN(TestWindowDuringCommands)

#include "tst_windowduringcommands.moc"
