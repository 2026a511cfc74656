#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "editing/CApplyProgramDlg.h"
#include "editing/CDayTabCtrl.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"
#include "model/TrainingProgram.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace diarytest;

namespace {

// Tuesday 20 March 2007, 10:00.
const QDateTime Now(QDate(2007, 3, 20), QTime(10, 0));

QStringList Dates(const DiaryDatabase &database)
{
    QStringList dates;
    for (int index = 0; index < database.GetDayCount(); ++index)
        dates << database.GetDay(index)->GetDate().ToQDate().toString(Qt::ISODate);
    dates.sort();
    return dates;
}

} // namespace

// The main window as the user drives it: the workout area under the calendar follows every
// command that moves the selection, and a program being applied cannot be disturbed.
class TestWindowDuringCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        MessageBox::setTestMode(true);
        FileDialog::setTestMode(true);
    }
    void init();
    void cleanup();

    void workoutAreaFollowsNavigation_data();
    void workoutAreaFollowsNavigation();
    void workoutAreaAfterSelectionToRange();
    void applyingCannotBeDisturbed_data();
    void applyingCannotBeDisturbed();
    void firstOpenFillsMostOfTheScreen();

private:
    std::unique_ptr<CRepbookDlg> OpenMarch();
    void VerifyOneDayPerDateInItsCell(const CRepbookDlg &window);

    DiaryUnderTest m_diary;
    DiaryDatabase *m_database = nullptr;
    SettingsStore m_settings;
};

void TestWindowDuringCommands::init()
{
    ClearSettings();
    ResetDatabaseFolder();
    Clock::SetFixed(Now);
    m_settings.Write(SettingsKeys::Filled, 1);
    m_database = &m_diary.Reset();
    MessageBox::takeShown();
    MessageBox::takeUnexpected();
}

void TestWindowDuringCommands::cleanup()
{
    Clock::Reset();
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
    QCOMPARE(FileDialog::takeUnexpected(), QStringList());
    QCOMPARE(MessageBox::pendingAnswers().size(), 0);
    MessageBox::setNextAnswers({});
}

std::unique_ptr<CRepbookDlg> TestWindowDuringCommands::OpenMarch()
{
    m_settings.Write(SettingsKeys::RangeStartDate, QStringLiteral("1.3.2007"));
    m_settings.Write(SettingsKeys::RangeDays, 31);
    auto window = std::make_unique<CRepbookDlg>(m_diary.File());
    window->resize(900, 700);
    window->show();
    return window;
}

void TestWindowDuringCommands::VerifyOneDayPerDateInItsCell(const CRepbookDlg &window)
{
    const QStringList dates = Dates(*m_database);
    QCOMPARE(QSet<QString>(dates.begin(), dates.end()).size(), dates.size());
    const CGridCtrl *grid = window.Grid();
    for (int row = 1; row < grid->GetRowCount(); ++row) {
        for (int col = 1; col <= 7; ++col) {
            const TrainingDay *expected =
                window.IsInRange(row, col) ? m_database->FindDay(window.DateAt(row, col)) : nullptr;
            QCOMPARE(window.DayAt(row, col), expected);
        }
    }
}

void TestWindowDuringCommands::workoutAreaFollowsNavigation_data()
{
    QTest::addColumn<QList<int>>("commands");
    QTest::addColumn<int>("shownDay"); // day of March 2007

    // Days on Monday 5, Wednesday 7, Tuesday 20 (today) and Wednesday 28 March.
    QTest::newRow("first") << QList<int> {CommandId::FirstDay} << 5;
    QTest::newRow("last") << QList<int> {CommandId::LastDay} << 28;
    QTest::newRow("next") << QList<int> {CommandId::NextDay} << 28;
    QTest::newRow("previous") << QList<int> {CommandId::PreviousDay} << 7;
    QTest::newRow("next twice wraps")
        << QList<int> {CommandId::NextDay, CommandId::NextDay} << 5;
    QTest::newRow("today") << QList<int> {CommandId::FirstDay, CommandId::Today} << 20;
}

void TestWindowDuringCommands::workoutAreaFollowsNavigation()
{
    QFETCH(QList<int>, commands);
    QFETCH(int, shownDay);
    AddDays(*m_database,
            {{Date(2007, 3, 5), {}, {"Pull", "Legs"}},
             {Date(2007, 3, 7), {}, {"Shoulders"}},
             {Date(2007, 3, 20), {}, {"Chest"}},
             {Date(2007, 3, 28), {}, {"Back"}}});
    auto window = OpenMarch();

    for (int command : commands)
        window->ExecuteCommand(command);

    const TrainingDay *expected = m_database->FindDay(Date(2007, 3, shownDay));
    QCOMPARE(window->DayAt(window->Grid()->GetFocusCell().row, window->Grid()->GetFocusCell().col),
             expected);
    QCOMPARE(window->WorkoutArea()->GetDay(), expected);
    QCOMPARE(window->WorkoutArea()->GetTabCount(), expected->GetWorkoutCount());
}

void TestWindowDuringCommands::workoutAreaAfterSelectionToRange()
{
    AddDays(*m_database, {{Date(2007, 3, 20), {}, {"Chest"}}});
    auto window = OpenMarch();
    // Mondays 5 March .. Sunday 1 April: the new range, which holds today.
    const CalendarCell first = window->CellOf(Date(2007, 3, 5));
    const CalendarCell last = window->CellOf(Date(2007, 4, 1));
    window->Grid()->SetSelectedRange(first.row, first.col, last.row, last.col);

    window->ExecuteCommand(CommandId::SelectionToRange);

    QCOMPARE(window->Range().Start(), Date(2007, 3, 5));
    QCOMPARE(window->WorkoutArea()->GetDay(), m_database->FindDay(Date(2007, 3, 20)));
}

void TestWindowDuringCommands::applyingCannotBeDisturbed_data()
{
    QTest::addColumn<QString>("disturbance");
    QTest::newRow("mini calendar click") << QStringLiteral("start");
    QTest::newRow("selection to range") << QStringLiteral("selection");
    QTest::newRow("another apply") << QStringLiteral("apply");
    QTest::newRow("exit") << QStringLiteral("exit");
}

void TestWindowDuringCommands::applyingCannotBeDisturbed()
{
    QFETCH(QString, disturbance);
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("disturbed.rpp"));
    {
        TrainingProgram program;
        program.SetPath(path);
        AddDays(program, {{Date(2007, 1, 1), {}, {"A"}}});
        QVERIFY(program.Save());
    }
    AddDays(*m_database, {{Date(2007, 3, 14), {}, {"Own"}}});
    m_settings.Write(SettingsKeys::Delay, 1); // a pause before each day written
    auto window = OpenMarch();

    if (disturbance == QLatin1String("exit"))
        MessageBox::setNextAnswers({QMessageBox::Yes});
    CRepbookDlg *target = window.get();
    WhenModal<CApplyProgramDlg>([target, disturbance](CApplyProgramDlg *dialog) {
        for (CPictureButton *button : dialog->findChildren<CPictureButton *>()) {
            if (button->text() == QLatin1String("OK"))
                button->click();
        }
        // Once a day or two have been laid out.
        QTimer::singleShot(350, target, [target, disturbance] {
            QVERIFY(target->IsApplying());
            if (disturbance == QLatin1String("start"))
                target->ChooseStartDate(QDate(2007, 3, 12));
            else if (disturbance == QLatin1String("selection")) {
                const CalendarCell from = target->CellOf(Date(2007, 3, 12));
                const CalendarCell to = target->CellOf(Date(2007, 4, 1));
                target->Grid()->SetSelectedRange(from.row, from.col, to.row, to.col);
                target->ExecuteCommand(CommandId::SelectionToRange);
            }
            else if (disturbance == QLatin1String("apply"))
                target->ExecuteCommand(CommandId::ApplyProgram);
            else
                target->reject();
        });
    });
    window->ApplyProgram(path);

    QVERIFY(!window->IsApplying());
    VerifyOneDayPerDateInItsCell(*window);
    if (disturbance == QLatin1String("exit")) {
        // The walk stopped, then the usual question; the diary saved holds every day laid out.
        QCOMPARE(MessageBox::takeShown().size(), 1);
        QCOMPARE(window->result(), int(QDialog::Accepted));
        DiaryDatabase saved;
        QVERIFY(saved.Open(DataFolder::DatabasePath()));
        QCOMPARE(Dates(saved), Dates(*m_database));
        QVERIFY(m_database->GetDayCount() < 13);
    } else {
        QCOMPARE(window->Range().Start(), Date(2007, 3, 1));
    }
}

void TestWindowDuringCommands::firstOpenFillsMostOfTheScreen()
{
    // Nothing stored: larger than the designed size, up to nine tenths of the screen.
    auto window = OpenMarch();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QSize available = window->screen()->availableGeometry().size() * 0.9;
    QCOMPARE(window->size().boundedTo(available).expandedTo(QSize(720, 560)), window->size());
    QVERIFY2(window->height() > 560 || window->width() > 720, "opened at the minimum size");
}

REPBOOK_TEST_MAIN(TestWindowDuringCommands)

#include "tst_windowduringcommands.moc"
