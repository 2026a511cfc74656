#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/DayOperations.h"
#include "diary/MainMenu.h"
#include "editing/CApplyProgramDlg.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEditorDlg.h"
#include "editing/CEmptyDlg.h"
#include "editing/CSmartComboBox.h"
#include "editing/CTrainingDlg.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/ExerciseEntry.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingProgram.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace diarytest;

namespace {

// Tuesday 20 March 2007, 10:00.
const QDateTime Now(QDate(2007, 3, 20), QTime(10, 0));
const QString SwapOrMerge = QStringLiteral(
    "There are some trainings dated to this day.\nIf you want to swap days press 'Yes'.\nIf you "
    "want to merge training days press 'No'.\nPress 'Cancel' to do nothing.");
const QString MoveOrCopy = QStringLiteral(
    "You have selected an empty day.\nIf you want to move trainings here press 'Yes'.\nIf you "
    "want to make a copy of this day press 'No'.\nPress 'Cancel' to do nothing.");
const QString RemoveQuestion = QStringLiteral("Do you really want to remove selected day(s)?");

void ClickButton(QWidget *dialog, const QString &text)
{
    const QList<CPictureButton *> buttons = dialog->findChildren<CPictureButton *>();
    for (CPictureButton *button : buttons) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

// Picks a workout name in "Add workout" and confirms it.
void AnswerAddWorkout(const QString &name)
{
    WhenModal<CTrainingDlg>([name](CTrainingDlg *dialog) {
        if (name.isEmpty()) {
            ClickButton(dialog, QStringLiteral("Cancel"));
            return;
        }
        dialog->NameField()->setCurrentText(name);
        ClickButton(dialog, QStringLiteral("OK"));
    });
}

// One line per day of the diary in list order: date, notes and workout names.
QStringList Describe(const DiaryDatabase &database)
{
    QStringList lines;
    for (int index = 0; index < database.GetDayCount(); ++index) {
        const TrainingDay *day = database.GetDay(index);
        QStringList names;
        for (int w = 0; w < day->GetWorkoutCount(); ++w)
            names << day->GetWorkout(w)->GetName();
        lines << day->GetDate().ToQDate().toString(Qt::ISODate) + QLatin1Char('|') +
                day->GetNotes() + QLatin1Char('|') + names.join(QLatin1Char(','));
    }
    return lines;
}

QStringList ShownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown &shown : MessageBox::takeShown())
        texts << shown.text;
    return texts;
}

} // namespace

class TestDayOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addWorkout_data();
    void addWorkout();
    void hintDoubleClickAddsWorkout();
    void viewOnEmptyDayAddsWorkoutFirst();
    void dayDialogClosed_data();
    void dayDialogClosed();
    void remove_data();
    void remove();
    void moveStep_data();
    void moveStep();
    void moveWithoutChange_data();
    void moveWithoutChange();
    void editorThenApplyQuestion_data();
    void editorThenApplyQuestion();
    void applyProgramWithCtrlSpace();
    void escapeStopsApplying();

private:
    std::unique_ptr<CRepbookDlg> OpenMarch(); // 1.3.2007 + 31 days, shown
    void ClickDate(CRepbookDlg &window, const DateValue &date);
    void ClickCell(CRepbookDlg &window, int row, int col);
    void VerifyCellsFollowDiary(const CRepbookDlg &window);
    QByteArray SavedBytes();

    DiaryUnderTest m_diary;
    DiaryDatabase *m_database = nullptr; // m_diary's
    SettingsStore m_settings;
};

void TestDayOperations::initTestCase()
{
    MessageBox::setTestMode(true);
    FileDialog::setTestMode(true);
}

void TestDayOperations::init()
{
    ClearSettings();
    ResetDatabaseFolder();
    Clock::SetFixed(Now);
    m_settings.Write(SettingsKeys::Filled, 1);
    m_database = &m_diary.Reset();
    MessageBox::takeShown();
    MessageBox::takeUnexpected();
    FileDialog::takeUnexpected();
}

void TestDayOperations::cleanup()
{
    Clock::Reset();
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
    QCOMPARE(FileDialog::takeUnexpected(), QStringList());
    QCOMPARE(MessageBox::pendingAnswers().size(), 0);
    MessageBox::setNextAnswers({});
}

std::unique_ptr<CRepbookDlg> TestDayOperations::OpenMarch()
{
    m_settings.Write(SettingsKeys::RangeStartDate, QStringLiteral("1.3.2007"));
    m_settings.Write(SettingsKeys::RangeDays, 31);
    auto window = std::make_unique<CRepbookDlg>(m_diary.File());
    window->resize(900, 700);
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    return window;
}

void TestDayOperations::ClickCell(CRepbookDlg &window, int row, int col)
{
    CGridCtrl *grid = window.Grid();
    grid->EnsureVisible(row, col);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(row, col).center());
    QCOMPARE(grid->GetFocusCell(), (CCellID {row, col}));
}

void TestDayOperations::ClickDate(CRepbookDlg &window, const DateValue &date)
{
    const CalendarCell cell = window.CellOf(date);
    QVERIFY(cell.IsValid());
    ClickCell(window, cell.row, cell.col);
}

void TestDayOperations::VerifyCellsFollowDiary(const CRepbookDlg &window)
{
    // Every in-range cell refers to the day of its date, every other cell to none.
    CGridCtrl *grid = window.Grid();
    for (int row = 1; row < grid->GetRowCount(); ++row) {
        for (int col = 1; col <= 7; ++col) {
            TrainingDay *expected =
                window.IsInRange(row, col) ? m_database->FindDay(window.DateAt(row, col)) : nullptr;
            QCOMPARE(window.CellHoldsDay(row, col), expected != nullptr);
            QCOMPARE(window.DayAt(row, col), expected);
        }
    }
}

QByteArray TestDayOperations::SavedBytes()
{
    if (!m_database->Save())
        return {};
    return ReadFile(DataFolder::DatabasePath());
}

// ---- Add workout and the day dialog ----------------------------------------------------------

void TestDayOperations::addWorkout_data()
{
    QTest::addColumn<QString>("name"); // empty: Cancel
    QTest::addColumn<bool>("byKey");

    QTest::newRow("cancel") << QString() << false;
    QTest::newRow("ok") << QStringLiteral("Legs") << false;
    QTest::newRow("insert key") << QStringLiteral("Back") << true;
}

void TestDayOperations::addWorkout()
{
    QFETCH(QString, name);
    QFETCH(bool, byKey);
    AddDays(*m_database, {{Date(2007, 3, 6), QStringLiteral("Tired"), {"Chest"}}});
    const QByteArray before = SavedBytes();
    QVERIFY(!before.isEmpty());
    auto window = OpenMarch();
    window->SelectDay(window->CellOf(Date(2007, 3, 8)).row, window->CellOf(Date(2007, 3, 8)).col);

    AnswerAddWorkout(name);
    if (byKey)
        QTest::keyClick(window->Grid(), Qt::Key_Insert);
    else
        window->ExecuteCommand(CommandId::AddWorkout);

    TrainingDay *day = m_database->FindDay(Date(2007, 3, 8));
    if (name.isEmpty()) {
        QVERIFY(!day);
        QCOMPARE(SavedBytes(), before);
        QCOMPARE(window->WorkoutAreaHint(), CRepbookDlg::HintNoWorkouts);
        QCOMPARE(window->WorkoutArea()->GetHint(), CRepbookDlg::HintNoWorkouts);
    } else {
        QVERIFY(day);
        QCOMPARE(day->GetWorkoutCount(), 1);
        QCOMPARE(day->GetWorkout(0)->GetName(), name);
        QCOMPARE(m_database->GetDayCount(), 2);
        QCOMPARE(window->WorkoutArea()->GetDay(), day);
        QCOMPARE(window->WorkoutArea()->GetTabCount(), 1);
        QCOMPARE(window->WorkoutArea()->GetHint(), 0);
    }
    VerifyCellsFollowDiary(*window);

    // A cell that holds a day is left as it is: no dialog opens.
    window->SelectDay(window->CellOf(Date(2007, 3, 6)).row, window->CellOf(Date(2007, 3, 6)).col);
    window->ExecuteCommand(CommandId::AddWorkout);
    QCOMPARE(m_database->FindDay(Date(2007, 3, 6))->GetWorkoutCount(), 1);
}

void TestDayOperations::hintDoubleClickAddsWorkout()
{
    auto window = OpenMarch();
    const CalendarCell cell = window->CellOf(Date(2007, 3, 8));
    window->SelectDay(cell.row, cell.col);
    window->Refresh(CRepbookDlg::KeepScroll);
    QCOMPARE(window->WorkoutArea()->GetHint(), CRepbookDlg::HintNoWorkouts);

    AnswerAddWorkout(QStringLiteral("Legs"));
    CEmptyDlg *placeholder = window->WorkoutArea()->GetPlaceholder();
    QTest::mouseDClick(placeholder, Qt::LeftButton, {}, placeholder->rect().center());
    QVERIFY(m_database->FindDay(Date(2007, 3, 8)));
    QCOMPARE(window->WorkoutArea()->GetDay(), m_database->FindDay(Date(2007, 3, 8)));
}

void TestDayOperations::viewOnEmptyDayAddsWorkoutFirst()
{
    auto window = OpenMarch();
    const CalendarCell cell = window->CellOf(Date(2007, 3, 8));
    window->SelectDay(cell.row, cell.col);

    AnswerAddWorkout(QStringLiteral("Legs"));
    QStringList seen;
    WhenModal<CDayDlg>([&seen](CDayDlg *dialog) {
        for (int i = 0; i < dialog->GetDay()->GetWorkoutCount(); ++i)
            seen << dialog->GetDay()->GetWorkout(i)->GetName();
        ClickButton(dialog, QStringLiteral("OK"));
    });
    QTest::keyClick(window->Grid(), Qt::Key_Return);

    QCOMPARE(seen, QStringList {QStringLiteral("Legs")});
    QCOMPARE(Describe(*m_database), QStringList {QStringLiteral("2007-03-08||Legs")});
    VerifyCellsFollowDiary(*window);
}

void TestDayOperations::dayDialogClosed_data()
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

void TestDayOperations::dayDialogClosed()
{
    QFETCH(bool, removeWorkouts);
    QFETCH(bool, ok);
    QFETCH(bool, dayKept);
    QFETCH(QString, notesAfter);

    AddDays(*m_database, {{Date(2007, 3, 6), QStringLiteral("Heavy day"), {"Chest", "Back"}}});
    TrainingDay *day = m_database->FindDay(Date(2007, 3, 6));
    day->GetWorkout(0)->SetStatus(ProgressStatus::Failed, false);
    auto exercise = std::make_unique<ExerciseEntry>();
    exercise->SetName(QStringLiteral("Bench press"));
    exercise->SetSets(3);
    exercise->SetWeight(80.0f);
    exercise->SetStatus(ProgressStatus::Failed);
    day->GetWorkout(0)->AddExercise(std::move(exercise));
    const QByteArray before = SavedBytes();
    auto window = OpenMarch();
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
        if (ok)
            MessageBox::setNextAnswers({QMessageBox::No, QMessageBox::No});
        ClickButton(dialog, ok ? QStringLiteral("OK") : QStringLiteral("Cancel"));
    });
    window->ExecuteCommand(CommandId::View);
    MessageBox::setNextAnswers({});

    TrainingDay *after = m_database->FindDay(Date(2007, 3, 6));
    QCOMPARE(after != nullptr, dayKept);
    if (after)
        QCOMPARE(after->GetNotes(), notesAfter);
    if (!ok)
        QCOMPARE(SavedBytes(), before); // statuses, exercises and notes exactly as they were
    QCOMPARE(window->WorkoutArea()->GetDay(), after);
    VerifyCellsFollowDiary(*window);
}

// ---- Remove ----------------------------------------------------------------------------------

void TestDayOperations::remove_data()
{
    QTest::addColumn<QDate>("focus");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QStringList>("left");

    const QStringList all {QStringLiteral("2007-02-27||Legs"), QStringLiteral("2007-03-01||Chest"),
                           QStringLiteral("2007-03-06||Back"), QStringLiteral("2007-03-20||Arms")};
    QTest::newRow("focused cell empty")
        << QDate(2007, 3, 2) << QList<QMessageBox::StandardButton> {} << all;
    QTest::newRow("answered no") << QDate(2007, 3, 6)
                                 << QList<QMessageBox::StandardButton> {QMessageBox::No} << all;
    // The first week's Tuesday lies before the range: it is not in the calendar and stays.
    QTest::newRow("answered yes") << QDate(2007, 3, 6)
                                  << QList<QMessageBox::StandardButton> {QMessageBox::Yes}
                                  << QStringList {QStringLiteral("2007-02-27||Legs"),
                                                  QStringLiteral("2007-03-20||Arms")};
}

void TestDayOperations::remove()
{
    QFETCH(QDate, focus);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QStringList, left);

    AddDays(*m_database,
            {{Date(2007, 2, 27), {}, {"Legs"}},
             {Date(2007, 3, 1), {}, {"Chest"}},
             {Date(2007, 3, 6), {}, {"Back"}},
             {Date(2007, 3, 20), {}, {"Arms"}}});
    auto window = OpenMarch();
    // The first two weeks are selected, the focus on one of their cells.
    const CalendarCell cell = window->CellOf(DateValue::FromQDate(focus));
    window->SelectDay(cell.row, cell.col);
    window->Grid()->SetSelectedRange(1, 1, 2, 7);
    window->Grid()->SetFocusCell(cell.row, cell.col);

    MessageBox::setNextAnswers(answers);
    QTest::keyClick(window->Grid(), Qt::Key_Delete);

    QCOMPARE(ShownTexts(), answers.isEmpty() ? QStringList() : QStringList {RemoveQuestion});
    QCOMPARE(Describe(*m_database), left);
    VerifyCellsFollowDiary(*window);
}

// ---- Move ------------------------------------------------------------------------------------

void TestDayOperations::moveStep_data()
{
    QTest::addColumn<QDate>("target");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("after");

    const QString source = QStringLiteral("2007-03-06|Source notes|A,B");
    const QString target = QStringLiteral("2007-03-08|Target notes|C");
    QTest::newRow("swap") << QDate(2007, 3, 8) << QMessageBox::Yes
                          << QStringList {QStringLiteral("2007-03-08|Source notes|A,B"),
                                          QStringLiteral("2007-03-06|Target notes|C")};
    QTest::newRow("merge") << QDate(2007, 3, 8) << QMessageBox::No
                           << QStringList {QStringLiteral("2007-03-08|Target notes|C,A,B")};
    QTest::newRow("cancel onto a day")
        << QDate(2007, 3, 8) << QMessageBox::Cancel << QStringList {source, target};
    QTest::newRow("move") << QDate(2007, 3, 9) << QMessageBox::Yes
                          << QStringList {QStringLiteral("2007-03-09|Source notes|A,B"), target};
    QTest::newRow("copy") << QDate(2007, 3, 9) << QMessageBox::No
                          << QStringList {source, target,
                                          QStringLiteral("2007-03-09|Source notes|A,B")};
    QTest::newRow("cancel onto an empty date")
        << QDate(2007, 3, 9) << QMessageBox::Cancel << QStringList {source, target};
}

void TestDayOperations::moveStep()
{
    QFETCH(QDate, target);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, after);

    AddDays(*m_database,
            {{Date(2007, 3, 6), QStringLiteral("Source notes"), {"A", "B"}},
             {Date(2007, 3, 8), QStringLiteral("Target notes"), {"C"}}});
    auto window = OpenMarch();
    ClickDate(*window, Date(2007, 3, 6));

    MessageBox::setNextAnswers({QMessageBox::Ok, answer});
    window->ExecuteCommand(CommandId::MoveSelected);
    QVERIFY(window->DayCommands().IsMovePending());
    ClickDate(*window, DateValue::FromQDate(target));

    const bool ontoDay = target == QDate(2007, 3, 8);
    QCOMPARE(ShownTexts(),
             (QStringList {QStringLiteral("Choose the target day."),
                           ontoDay ? SwapOrMerge : MoveOrCopy}));
    QCOMPARE(Describe(*m_database), after);
    QVERIFY(!window->DayCommands().IsMovePending());
    VerifyCellsFollowDiary(*window);
}

void TestDayOperations::moveWithoutChange_data()
{
    QTest::addColumn<QDate>("source");
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<int>("targetCol");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QString>("startMessage");

    const QString choose = QStringLiteral("Choose the target day.");
    // Row 1, column 1 is Monday 26 February, before the range.
    QTest::newRow("onto itself") << QDate(2007, 3, 6) << 2 << 2 << false << choose;
    QTest::newRow("outside the range") << QDate(2007, 3, 6) << 1 << 1 << false << choose;
    QTest::newRow("escape") << QDate(2007, 3, 6) << 2 << 5 << true << choose;
    QTest::newRow("no day to move")
        << QDate(2007, 3, 7) << 2 << 5 << false << QStringLiteral("Select the day first.");
}

void TestDayOperations::moveWithoutChange()
{
    QFETCH(QDate, source);
    QFETCH(int, targetRow);
    QFETCH(int, targetCol);
    QFETCH(bool, escape);
    QFETCH(QString, startMessage);

    AddDays(*m_database, {{Date(2007, 3, 6), QStringLiteral("Notes"), {"A"}}});
    const QStringList before = Describe(*m_database);
    auto window = OpenMarch();
    QCOMPARE(window->CellOf(Date(2007, 3, 6)), (CalendarCell {2, 2}));
    ClickDate(*window, DateValue::FromQDate(source));

    MessageBox::setNextAnswers({QMessageBox::Ok});
    window->ExecuteCommand(CommandId::MoveSelected);
    if (escape)
        QTest::keyClick(window->Grid(), Qt::Key_Escape);
    // A wider selection, so that a click on the focused cell itself changes the selection too.
    const CCellID focus = window->Grid()->GetFocusCell();
    window->Grid()->SetSelectedRange(focus.row, focus.col, focus.row, focus.col + 1);
    ClickCell(*window, targetRow, targetCol);
    // The wait is over: the next click only selects.
    ClickCell(*window, 2, 6);

    QCOMPARE(ShownTexts(), QStringList {startMessage});
    QCOMPARE(Describe(*m_database), before);
    QVERIFY(window->isVisible());
    VerifyCellsFollowDiary(*window);
}

// ---- Editor and applying a program -----------------------------------------------------------

void TestDayOperations::editorThenApplyQuestion_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::newRow("program with a file") << true;
    QTest::newRow("program without a file") << false;
}

void TestDayOperations::editorThenApplyQuestion()
{
    QFETCH(bool, withFile);
    auto window = OpenMarch();
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("dayops-editor.rpp"));
    WhenModal<CEditorDlg>([withFile, path](CEditorDlg *editor) {
        if (withFile)
            editor->Program().SetPath(path);
        static_cast<QDialog *>(editor)->done(QDialog::Rejected);
    });
    if (withFile)
        MessageBox::setNextAnswers({QMessageBox::No});
    QTest::keyClick(window->Grid(), Qt::Key_E, Qt::ControlModifier);

    const QStringList expected = withFile
        ? QStringList {QStringLiteral(
              "Do you want to apply the last edited program to selected range?")}
        : QStringList();
    QCOMPARE(ShownTexts(), expected);
    QCOMPARE(m_database->GetDayCount(), 0);
}

void TestDayOperations::applyProgramWithCtrlSpace()
{
    // A program of two days, A and B; the diary already holds Wednesday 7 March.
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("dayops-apply.rpp"));
    {
        TrainingProgram program;
        program.SetPath(path);
        AddDays(program, {{Date(2007, 1, 1), {}, {"A"}}, {Date(2007, 1, 2), {}, {"B"}}});
        QVERIFY(program.Save());
    }
    AddDays(*m_database, {{Date(2007, 3, 7), {}, {"Own"}}});
    auto window = OpenMarch();

    FileDialog::setNextFileNames({path});
    WhenModal<CApplyProgramDlg>(
        [](CApplyProgramDlg *dialog) { ClickButton(dialog, QStringLiteral("OK")); });
    QTest::keyClick(window->Grid(), Qt::Key_Space, Qt::ControlModifier);

    // Monday, Wednesday and Friday from Thursday 1 March to Sunday 1 April: thirteen dates, one
    // of them taken already.
    const QStringList days = Describe(*m_database);
    QCOMPARE(days.size(), 13);
    QCOMPARE(days.mid(0, 5),
             (QStringList {QStringLiteral("2007-03-07||Own"), QStringLiteral("2007-03-02||A"),
                           QStringLiteral("2007-03-05||B"), QStringLiteral("2007-03-09||A"),
                           QStringLiteral("2007-03-12||B")}));
    QCOMPARE(days.last(), QStringLiteral("2007-03-30||B"));
    QVERIFY(!window->IsApplying());
    VerifyCellsFollowDiary(*window);
}

void TestDayOperations::escapeStopsApplying()
{
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("dayops-escape.rpp"));
    {
        TrainingProgram program;
        program.SetPath(path);
        AddDays(program, {{Date(2007, 1, 1), {}, {"A"}}});
        QVERIFY(program.Save());
    }
    m_settings.Write(SettingsKeys::Delay, 1); // 150 ms before each day
    auto window = OpenMarch();

    WhenModal<CApplyProgramDlg>([&window](CApplyProgramDlg *dialog) {
        ClickButton(dialog, QStringLiteral("OK"));
        QTimer::singleShot(400, window.get(), [&window] {
            QApplication::setActiveWindow(window.get());
            QTest::keyClick(window->Grid(), Qt::Key_Escape);
        });
    });
    window->ApplyProgram(path);

    // The days written before Escape stay; the rest of the thirteen dates stay free.
    const int written = m_database->GetDayCount();
    QVERIFY2(written > 0 && written < 13, qPrintable(QString::number(written)));
    QVERIFY(!window->IsApplying());
    VerifyCellsFollowDiary(*window);
}

REPBOOK_TEST_MAIN(TestDayOperations)

#include "tst_dayoperations.moc"
