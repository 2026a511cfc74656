#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/ApplyingLock.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/DayOperations.h"
#include "diary/MainMenu.h"
#include "editing/CApplyProgramDlg.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEmptyDlg.h"
#include "editing/CSmartComboBox.h"
#include "editing/CTrainingDlg.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace diarytest;

namespace {

const QString MoveDiary =
    QStringLiteral(R"(6.3.2007 "Source notes" A B; 8.3.2007 "Target notes" C)");

QStringList SortedDates(const DiaryDatabase &database)
{
    QStringList dates;
    for (int index = 0; index < database.GetDayCount(); ++index)
        dates << database.GetDay(index)->GetDate().ToQDate().toString(Qt::ISODate);
    dates.sort();
    return dates;
}

// The name assistive technology reads for a calendar cell.
QString SpokenName(const CRepbookDlg &window, const CalendarCell &cell)
{
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(window.Grid());
    QAccessibleInterface *item = grid && grid->tableInterface()
        ? grid->tableInterface()->cellAt(cell.row - 1, cell.col)
        : nullptr;
    return item ? item->text(QAccessible::Name) : QString();
}

} // namespace

class TestDayOperations : public WindowCase
{
    Q_OBJECT

private slots:

    // ---- Add workout and the day dialog ------------------------------------------------------
    void dayDialogClosed_data()
    {
        QTest::addColumn<bool>("removeWorkouts");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("dayKept");
        QTest::addColumn<QString>("notesAfter");

        QTest::newRow("emptied, OK") << true << true << false << QString();
        QTest::newRow("emptied, Cancel") << true << false << true << QStringLiteral("Heavy day");
        QTest::newRow("edited, OK") << false << true << true << QStringLiteral("Changed");
        QTest::newRow("edited, Cancel") << false << false << true << QStringLiteral("Heavy day");
    }
    void dayDialogClosed()
    {
        QFETCH(bool, removeWorkouts);
        QFETCH(bool, ok);
        QFETCH(bool, dayKept);
        QFETCH(QString, notesAfter);

        QVERIFY(BuildDiary(
            *m_database,
            QStringLiteral(
                R"(6.3.2007 "Heavy day" Chest:failed[Bench_press 3x0 80 failed] Back)")));
        const QByteArray before = SavedBytes();
        auto window = OpenWindow(m_diary.File(), true);
        const CalendarCell cell = window->CellOf(Date(2007, 3, 6));
        window->SelectDay(cell.row, cell.col);

        WhenModal<CDayDlg>([removeWorkouts, ok](CDayDlg *dialog) {
            TrainingDay *edited = dialog->GetDay();
            edited->SetNotes(QStringLiteral("Changed"));
            edited->GetWorkout(0)->SetStatus(ProgressStatus::Done, true);
            edited->GetWorkout(0)->GetExercise(0)->SetStatus(ProgressStatus::NotYet);
            if (removeWorkouts)
                edited->RemoveAllWorkouts();
            dialog->GetTabCtrl()->RebuildTabs();
            if (ok && !removeWorkouts) // the Done workout of Not yet exercises is asked about
                MessageBox::setNextAnswers({QMessageBox::No});
            ClickButton(dialog, ok ? QStringLiteral("OK") : QStringLiteral("Cancel"));
        });
        window->ExecuteCommand(CommandId::View);

        TrainingDay *after = m_database->FindDay(Date(2007, 3, 6));
        QCOMPARE(after != nullptr, dayKept);
        if (after)
            QCOMPARE(after->GetNotes(), notesAfter);
        if (!ok)
            QCOMPARE(SavedBytes(), before); // statuses, exercises and notes exactly as they were
        QCOMPARE(window->WorkoutArea()->GetDay(), after);
        QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
    }
    // A double click on the hint of a workout without exercises opens the day.
    void emptyWorkoutHintOpensTheDay()
    {
        BuildDiary(*m_database, QStringLiteral("6.3.2007 Legs[Squat] Arms"));
        auto window = OpenWindow(m_diary.File());
        const CalendarCell cell = window->CellOf(Date(2007, 3, 6));
        window->SelectDay(cell.row, cell.col);
        window->WorkoutArea()->SelectWorkout(1);
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] { // inside the day's dialog, when it opens
            if (auto *dialog = qobject_cast<CDayDlg *>(QApplication::activeModalWidget()))
                opened = true, dialog->reject();
        });
        QTest::mouseDClick(window->WorkoutArea()->GetPlaceholder(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(opened);
    }
    // ---- Move --------------------------------------------------------------------------------
    void moveStep_data()
    {
        QTest::addColumn<QDate>("target");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("after");

        const auto row = [](const char *name, int day, QMessageBox::StandardButton answer,
                            const QString &after) {
            QTest::newRow(name) << QDate(2007, 3, day) << answer << after;
        };
        row("swap", 8, QMessageBox::Yes,
            R"(6.3.2007 "Target notes" C; 8.3.2007 "Source notes" A B)");
        row("merge", 8, QMessageBox::No, R"(8.3.2007 "Target notes" C A B)");
        row("cancel onto a day", 8, QMessageBox::Cancel, MoveDiary);
        row("move", 9, QMessageBox::Yes,
            R"(8.3.2007 "Target notes" C; 9.3.2007 "Source notes" A B)");
        row("copy", 9, QMessageBox::No, MoveDiary + R"(; 9.3.2007 "Source notes" A B)");
        row("cancel onto an empty date", 9, QMessageBox::Cancel, MoveDiary);
    }
    // Choosing the target asks whether to swap or merge (a day is there) or to move or copy.
    void moveStep()
    {
        QFETCH(QDate, target);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, after);

        QVERIFY(BuildDiary(*m_database, MoveDiary));
        auto window = OpenWindow(m_diary.File(), true);
        ClickDate(*window, Date(2007, 3, 9)); // no day there: nothing to move
        MessageBox::setNextAnswers({QMessageBox::Ok});
        window->ExecuteCommand(CommandId::MoveSelected);
        QCOMPARE(MessageBox::takeShown().constLast().text, QStringLiteral("Select the day first."));
        ClickDate(*window, Date(2007, 3, 6));

        MessageBox::setNextAnswers({QMessageBox::Ok, answer});
        window->ExecuteCommand(CommandId::MoveSelected);
        QVERIFY(window->DayCommands().IsMovePending());
        ClickDate(*window, DateValue::FromQDate(target)); // both answers taken: see cleanup()

        QCOMPARE(DescribeDiary(*m_database), after);
        QVERIFY(!window->DayCommands().IsMovePending());
        QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
    }
    // ---- Editor and applying a program -------------------------------------------------------
    // Add workout on a free date asks for the workout's name and creates the day; on a cell that
    // holds a day, or outside the range, it asks nothing and changes nothing.
    void addWorkout()
    {
        QVERIFY(BuildDiary(*m_database, QStringLiteral(R"(6.3.2007 "Tired" Chest)")));
        auto window = OpenWindow(m_diary.File(), true);
        bool asked = false;
        QTimer guard;
        guard.setInterval(10);
        connect(&guard, &QTimer::timeout, this, [&asked] {
            if (auto *dialog = qobject_cast<CTrainingDlg *>(QApplication::activeModalWidget())) {
                asked = true;
                dialog->reject();
            }
        });
        guard.start();
        const CalendarCell sixth = window->CellOf(Date(2007, 3, 6));
        for (const auto &[row, col] : {std::pair {sixth.row, sixth.col}, {1, 1}}) {
            window->SelectDay(row, col);
            window->ExecuteCommand(CommandId::AddWorkout);
        }
        guard.stop();
        QVERIFY(!asked);

        const CalendarCell eighth = window->CellOf(Date(2007, 3, 8));
        QCOMPARE(SpokenName(*window, eighth), QStringLiteral("Thursday 8 March 2007: no workouts"));
        window->SelectDay(eighth.row, eighth.col);
        WhenModal<CTrainingDlg>([](CTrainingDlg *dialog) {
            dialog->NameField()->setCurrentText(QStringLiteral("Legs"));
            ClickButton(dialog, QStringLiteral("OK"));
        });
        window->ExecuteCommand(CommandId::AddWorkout);
        QCOMPARE(DescribeDiary(*m_database),
                 QStringLiteral(R"(6.3.2007 "Tired" Chest; 8.3.2007 Legs)"));
        QCOMPARE(window->WorkoutArea()->GetDay(), m_database->FindDay(Date(2007, 3, 8)));
        QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
        // What a screen reader reads follows the diary.
        QCOMPARE(SpokenName(*window, eighth),
                 QStringLiteral("Thursday 8 March 2007: Legs, Not yet"));
        QCOMPARE(SpokenName(*window, sixth),
                 QStringLiteral("Tuesday 6 March 2007: Chest, Not yet; has a note"));
        QCOMPARE(SpokenName(*window, window->CellOf(Date(2007, 3, 1))),
                 QStringLiteral("Thursday 1 March 2007: no workouts"));
    }
    // Escape stops applying a program after the day under way. The command comes from the applier's
    // own event processing as soon as two days are written, so no timer races the applying.
    void escapeStopsApplying()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("escape.rpp"));
        QVERIFY(WriteProgram(path, QStringLiteral("1.1.2007 A")));
        m_settings.Write(SettingsKeys::Delay, 1); // a pause, with events processed, after each day
        auto window = OpenWindow(m_diary.File(), true);
        // The commands that would change the diary under the walk are off while it runs.
        const auto enabled = [&window] {
            QList<bool> states;
            for (const int id : ApplyingLock::LockedCommands())
                states.append(window->Commands()->Action(id)->isEnabled());
            return states;
        };
        const QList<bool> before = enabled();
        bool lockedMeanwhile = false;
        QTimer press;
        press.setInterval(0);
        connect(&press, &QTimer::timeout, this, [&] {
            if (window->IsApplying() && m_database->GetDayCount() >= 2) {
                press.stop();
                lockedMeanwhile = !enabled().contains(true);
                window->ExecuteCommand(CommandId::Escape);
            }
        });
        press.start();
        WhenModal<CApplyProgramDlg>(
            [](CApplyProgramDlg *dialog) { ClickButton(dialog, QStringLiteral("OK")); });
        window->ApplyProgram(path);

        // The dialog starts with Monday, Wednesday and Friday ticked: Friday 2 March, Monday 5
        // March, and so on; all of the range would be thirteen days.
        const int written = m_database->GetDayCount();
        QVERIFY2(written >= 2 && written < 13, qPrintable(QString::number(written)));
        QVERIFY(DescribeDiary(*m_database).startsWith(QStringLiteral("2.3.2007 A; 5.3.2007 A")));
        QVERIFY(!window->IsApplying());
        QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
        QVERIFY(lockedMeanwhile && before.contains(true));
        QCOMPARE(enabled(), before);
    }

    // ---- The workout area follows every command that moves the selection; a program being
    // applied cannot be disturbed.
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
        StoreRange(QStringLiteral("1.3.2007"), 31);
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
        StoreRange(QStringLiteral("1.3.2007"), 31);
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
    void ClickDate(CRepbookDlg &window, const DateValue &date)
    {
        const CalendarCell cell = window.CellOf(date);
        QVERIFY(cell.IsValid());
        ClickCell(window, cell.row, cell.col);
    }
    void ClickCell(CRepbookDlg &window, int row, int col)
    {
        CGridCtrl *grid = window.Grid();
        grid->EnsureVisible(row, col);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(row, col).center());
        QCOMPARE(grid->GetFocusCell(), (CCellID {row, col}));
    }
    QByteArray SavedBytes()
    {
        if (!m_database->Save())
            return {};
        return ReadFile(DataFolder::DatabasePath());
    }
};

REPBOOK_TEST_MAIN(TestDayOperations)

#include "tst_dayoperations.moc"
