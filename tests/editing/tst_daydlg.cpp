#include "DayFixtures.h"
#include "MenuText.h"
#include "common/TestMain.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEmptyDlg.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/ExerciseColumns.h"
#include "images/StatusImageSet.h"
#include "model/DataFolder.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QFile>
#include <QMenuBar>

using namespace dayfixtures;
namespace Col = ExerciseColumns;

using Statuses = QList<int>;

class TestDayDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void menusOfferEveryCommand();
    void cleanup();

    void statusCheckOnOk_data();
    void statusCheckOnOk();
    void statusCheckAsksInOrder();
    void editedRowsBecomeDoneByWeight();

    void moveExercises_data();
    void moveExercises();
    void moveWorkouts_data();
    void moveWorkouts();

    void removeSelectedExercises_data();
    void removeSelectedExercises();
    void removeOnWorkoutWithoutExercises();
    void removeWorkoutSelectsLast();
    void removeAllAndClearShowHints();

    void addExerciseCancelledWorkoutAddsNothing();
    void addExerciseCreatesWorkoutFirst();
    void hintsAddWorkoutsAndExercises();
    void keysInsideCellEditorStayThere();
    void keyboardOnlyEditing();

    void renameWorkout_data();
    void renameWorkout();
    void renameWithoutWorkout();
    void markWorkout_data();
    void markWorkout();
    void statusButtonFollowsShownWorkout();
    void sizeRememberedInSection67();

private:
    void Open(std::unique_ptr<TrainingDay> day);
    CGridCtrl &Grid() { return *m_dlg->GetTabCtrl()->GetGrid(); }
    CPictureButton *Button(const char *name)
    {
        return m_dlg->findChild<CPictureButton *>(QLatin1String(name));
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&Grid(), static_cast<Qt::Key>(key), modifiers);
    }
    void SelectGridRows(const QList<int> &rows);

    std::unique_ptr<TrainingDay> m_day;
    std::unique_ptr<CDayDlg> m_dlg;
};

void TestDayDlg::initTestCase()
{
    MessageBox::setTestMode(true);
}

void TestDayDlg::init()
{
    // Every test starts with empty name lists and the dialog's designed size.
    QFile::remove(DataFolder::ExerciseListPath());
    QFile::remove(DataFolder::WorkoutListPath());
    SettingsStore store;
    for (const char *value : {"CX", "CY", "Maximized"})
        store.WriteProfileInt(QStringLiteral("67"), QLatin1String(value), 0);
    MessageBox::takeShown();
}

void TestDayDlg::cleanup()
{
    m_dlg.reset();
    m_day.reset();
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
}

void TestDayDlg::Open(std::unique_ptr<TrainingDay> day)
{
    m_day = std::move(day);
    m_dlg = std::make_unique<CDayDlg>();
    QVERIFY(!m_dlg->SetDay(nullptr));
    QVERIFY(m_dlg->SetDay(m_day.get()));
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    QVERIFY(Grid().IsEditable());
}

void TestDayDlg::SelectGridRows(const QList<int> &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton,
                          i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          Grid().CellRect(rows.at(i), Col::Exercise).center());
    }
    QCOMPARE(SelectedRows(Grid()), rows);
}

// ---- Status check ----------------------------------------------------------------------------

void TestDayDlg::statusCheckOnOk_data()
{
    QTest::addColumn<int>("workoutStatus");
    QTest::addColumn<Statuses>("exercises");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<QString>("question"); // empty: none asked
    QTest::addColumn<int>("finalStatus");

    const QString someDoneNotYet = QStringLiteral(
        "Some exercises in 'Chest' workout are marked as 'Done', but workout itself is marked as "
        "'Not yet'.\nDo you want to mark workout as 'Done'?");
    const QString someFailedNotYet = QStringLiteral(
        "Some exercises in 'Chest' workout are marked as 'Failed', but workout itself is marked "
        "as 'Not yet'.\nDo you want to mark workout as 'Failed'?");
    const QString someDoneFailed = QStringLiteral(
        "Some exercises in 'Chest' workout are marked as 'Done', but workout itself is marked as "
        "'Failed'.\nDo you want to mark workout as 'Done'?");
    const QString someFailedDone = QStringLiteral(
        "Some exercises in 'Chest' workout are marked as 'Failed', but workout itself is marked "
        "as 'Done'.\nDo you want to mark workout as 'Failed'?");
    const QString allNotYetDone = QStringLiteral(
        "All exercises in 'Chest' workout are marked as 'Not yet', but workout itself is marked "
        "as 'Done'.\nDo you want to mark workout as 'Not yet'?");

    QTest::newRow("not yet, done and failed: yes")
        << 0 << Statuses {1, 2} << true << someDoneNotYet << 1;
    QTest::newRow("not yet, done: no") << 0 << Statuses {1} << false << someDoneNotYet << 0;
    QTest::newRow("not yet, failed: yes") << 0 << Statuses {2, 0} << true << someFailedNotYet << 2;
    QTest::newRow("not yet, all not yet") << 0 << Statuses {0, 0} << true << QString() << 0;
    QTest::newRow("failed, done: yes") << 2 << Statuses {2, 1} << true << someDoneFailed << 1;
    QTest::newRow("failed, failed") << 2 << Statuses {2} << true << QString() << 2;
    QTest::newRow("failed, not yet") << 2 << Statuses {0} << true << QString() << 2;
    QTest::newRow("done, done and failed") << 1 << Statuses {1, 2} << true << QString() << 1;
    QTest::newRow("done, failed: yes") << 1 << Statuses {0, 2} << true << someFailedDone << 2;
    QTest::newRow("done, all not yet: yes") << 1 << Statuses {0, 0} << true << allNotYetDone << 0;
    QTest::newRow("done, all not yet: no") << 1 << Statuses {0} << false << allNotYetDone << 1;
    QTest::newRow("status 7 as done, failed: yes")
        << 7 << Statuses {2} << true << someFailedDone << 2;
    QTest::newRow("status 7 as done, done") << 7 << Statuses {1} << true << QString() << 7;
    QTest::newRow("done without exercises") << 1 << Statuses {} << true << QString() << 1;
    QTest::newRow("failed without exercises") << 2 << Statuses {} << true << QString() << 2;
}

void TestDayDlg::statusCheckOnOk()
{
    QFETCH(int, workoutStatus);
    QFETCH(Statuses, exercises);
    QFETCH(bool, answerYes);
    QFETCH(QString, question);
    QFETCH(int, finalStatus);

    QList<ExerciseSpec> specs;
    for (const int status : exercises)
        specs.append(
            {QStringLiteral("e%1").arg(specs.size()), static_cast<ProgressStatus>(status)});
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(
        MakeWorkout(QStringLiteral("Chest"), specs, static_cast<ProgressStatus>(workoutStatus)));
    Open(std::move(day));

    if (!question.isEmpty())
        MessageBox::setNextAnswers({answerYes ? QMessageBox::Yes : QMessageBox::No});
    QTest::mouseClick(Button("okButton"), Qt::LeftButton);

    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    if (question.isEmpty()) {
        QVERIFY(shown.isEmpty());
    } else {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, question);
        QCOMPARE(shown.at(0).icon, QMessageBox::Question);
        QCOMPARE(shown.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
    QVERIFY(!m_dlg->isVisible());
    const Workout &workout = *m_day->GetWorkout(0);
    QCOMPARE(static_cast<int>(workout.GetStatus()), finalStatus);
    // The answer changes the workout only, never its exercises.
    for (int i = 0; i < exercises.size(); ++i)
        QCOMPARE(static_cast<int>(workout.GetExercise(i)->GetStatus()), exercises.at(i));
}

void TestDayDlg::statusCheckAsksInOrder()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("Empty"), {}, ProgressStatus::Done));
    day->AddWorkout(
        MakeWorkout(QStringLiteral("A"), {{QStringLiteral("a"), ProgressStatus::Done}}));
    day->AddWorkout(
        MakeWorkout(QStringLiteral("B"), {{QStringLiteral("b")}}, ProgressStatus::Done));
    Open(std::move(day));

    MessageBox::setNextAnswers({QMessageBox::No, QMessageBox::Yes});
    QTest::mouseClick(Button("okButton"), Qt::LeftButton);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown.at(0).text.contains(QStringLiteral("in 'A' workout")));
    QVERIFY(shown.at(1).text.contains(QStringLiteral("in 'B' workout")));
    QCOMPARE(m_day->GetWorkout(1)->GetStatus(), ProgressStatus::NotYet);
    QCOMPARE(m_day->GetWorkout(2)->GetStatus(), ProgressStatus::NotYet);
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
}

void TestDayDlg::editedRowsBecomeDoneByWeight()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"),
                                {{QStringLiteral("heavy"), ProgressStatus::Failed, 3, 5, 80.0f},
                                 {QStringLiteral("light"), ProgressStatus::Failed, 3, 5, 0.0f}}));
    Open(std::move(day));

    // Any edit passes every row through the weight rule.
    QVERIFY(TypeIntoCell(Grid(), 2, Col::Note, QStringLiteral("tired")));
    const Workout &workout = *m_day->GetWorkout(0);
    QCOMPARE(workout.GetExercise(0)->GetStatus(), ProgressStatus::Done);
    QCOMPARE(workout.GetExercise(1)->GetStatus(), ProgressStatus::Failed);
    QCOMPARE(workout.GetExercise(1)->GetNote(), QStringLiteral("tired"));
    const StatusImageSet images(true, StatusImageSize::Small16);
    QCOMPARE(Grid().GetItemImage(1, Col::Status)->toImage(), images.Done().toImage());

    // A weight typed into a Failed row makes it Done too.
    QVERIFY(TypeIntoCell(Grid(), 2, Col::Weight, QStringLiteral("12.5")));
    QCOMPARE(workout.GetExercise(1)->GetStatus(), ProgressStatus::Done);
    QCOMPARE(workout.GetExercise(1)->GetWeight(), 12.5f);
    QCOMPARE(Grid().GetItemImage(2, Col::Status)->toImage(), images.Done().toImage());
}

// ---- Moving ----------------------------------------------------------------------------------

void TestDayDlg::moveExercises_data()
{
    QTest::addColumn<int>("focusRow");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("viaButton");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("selectedRow");

    const QStringList unchanged = {"e1", "e2", "e3", "e4"};
    QTest::newRow("first up: nothing") << 1 << true << false << unchanged << -1;
    QTest::newRow("last down: nothing") << 4 << false << false << unchanged << -1;
    QTest::newRow("second up") << 2 << true << false << QStringList {"e2", "e1", "e3", "e4"} << 1;
    QTest::newRow("third down") << 3 << false << false << QStringList {"e1", "e2", "e4", "e3"} << 4;
    QTest::newRow("button up") << 4 << true << true << QStringList {"e1", "e2", "e4", "e3"} << 3;
    QTest::newRow("button down") << 1 << false << true << QStringList {"e2", "e1", "e3", "e4"} << 2;
}

void TestDayDlg::moveExercises()
{
    QFETCH(int, focusRow);
    QFETCH(bool, up);
    QFETCH(bool, viaButton);
    QFETCH(QStringList, order);
    QFETCH(int, selectedRow);

    auto day = std::make_unique<TrainingDay>();
    QList<ExerciseSpec> specs = Named(QStringLiteral("e"), 4);
    specs[0].status = ProgressStatus::Done;
    specs[1].status = ProgressStatus::Failed;
    specs[3].weight = 40.0f;
    specs[3].status = ProgressStatus::Done;
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), specs));
    Open(std::move(day));

    Grid().setFocus();
    Grid().SetFocusCell(focusRow, Col::Sets);
    if (viaButton)
        QTest::mouseClick(Button(up ? "moveUpButton" : "moveDownButton"), Qt::LeftButton);
    else
        Press(up ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);

    const Workout &workout = *m_day->GetWorkout(0);
    QCOMPARE(ExerciseNames(workout), order);
    // Each exercise keeps its status and values wherever it goes.
    const QHash<QString, ProgressStatus> statuses = {{"e1", ProgressStatus::Done},
                                                     {"e2", ProgressStatus::Failed},
                                                     {"e3", ProgressStatus::NotYet},
                                                     {"e4", ProgressStatus::Done}};
    for (int i = 0; i < workout.GetExerciseCount(); ++i) {
        const ExerciseEntry *exercise = workout.GetExercise(i);
        QCOMPARE(exercise->GetStatus(), statuses.value(exercise->GetName()));
        QCOMPARE(Grid().GetItemText(i + 1, Col::Exercise), exercise->GetName());
    }
    QCOMPARE(workout.GetExercise(order.indexOf("e4"))->GetWeight(), 40.0f);
    if (selectedRow > 0) {
        QCOMPARE(SelectedRows(Grid()), QList<int> {selectedRow});
        QCOMPARE(Grid().GetFocusCell(), (CCellID {selectedRow, Col::Exercise}));
    }
}

void TestDayDlg::moveWorkouts_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("left");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("first left: nothing") << 0 << true << QStringList {"A", "B", "C"} << 0;
    QTest::newRow("last right: nothing") << 2 << false << QStringList {"A", "B", "C"} << 2;
    QTest::newRow("done workout right") << 0 << false << QStringList {"B", "A", "C"} << 1;
    QTest::newRow("middle left") << 1 << true << QStringList {"B", "A", "C"} << 0;
}

void TestDayDlg::moveWorkouts()
{
    QFETCH(int, selected);
    QFETCH(bool, left);
    QFETCH(QStringList, order);
    QFETCH(int, selectedAfter);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("A"),
                                {{QStringLiteral("a1"), ProgressStatus::Failed},
                                 {QStringLiteral("a2"), ProgressStatus::Done}},
                                ProgressStatus::Done));
    day->AddWorkout(MakeWorkout(QStringLiteral("B"), Named(QStringLiteral("b"), 1)));
    day->AddWorkout(MakeWorkout(QStringLiteral("C")));
    Open(std::move(day));

    m_dlg->GetTabCtrl()->SelectWorkout(selected);
    Press(left ? Qt::Key_Left : Qt::Key_Right, Qt::ControlModifier);

    QCOMPARE(WorkoutNames(*m_day), order);
    QCOMPARE(m_dlg->GetTabCtrl()->GetCurSel(), selectedAfter);
    QCOMPARE(m_dlg->GetTabCtrl()->GetTabBar()->TabName(selectedAfter), order.at(selectedAfter));
    const Workout &a = *m_day->GetWorkout(order.indexOf("A"));
    QCOMPARE(a.GetStatus(), ProgressStatus::Done);
    QCOMPARE(a.GetExercise(0)->GetStatus(), ProgressStatus::Failed);
    QCOMPARE(a.GetExercise(1)->GetStatus(), ProgressStatus::Done);
}

// ---- Removing --------------------------------------------------------------------------------

void TestDayDlg::removeSelectedExercises_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::addColumn<int>("focusRow");

    QTest::newRow("second and fourth")
        << QList<int> {2, 4} << QStringList {"e1", "e3", "e5"} << QList<int> {1} << 1;
    QTest::newRow("first") << QList<int> {1} << QStringList {"e2", "e3", "e4", "e5"}
                           << QList<int> {0} << 1;
    QTest::newRow("last three") << QList<int> {3, 4, 5} << QStringList {"e1", "e2"}
                                << QList<int> {2} << 2;
}

void TestDayDlg::removeSelectedExercises()
{
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, left);
    QFETCH(QList<int>, selectedAfter);
    QFETCH(int, focusRow);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 5)));
    Open(std::move(day));

    SelectGridRows(selected);
    Press(Qt::Key_Delete);

    QCOMPARE(ExerciseNames(*m_day->GetWorkout(0)), left);
    QCOMPARE(Grid().GetRowCount(), int(left.size()) + 1);
    QCOMPARE(SelectedRows(Grid()), selectedAfter);
    QCOMPARE(Grid().GetFocusCell(), (CCellID {focusRow, Col::Exercise}));
    QCOMPARE(m_day->GetWorkoutCount(), 1);
}

void TestDayDlg::removeOnWorkoutWithoutExercises()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("A"), Named(QStringLiteral("a"), 1)));
    day->AddWorkout(MakeWorkout(QStringLiteral("Empty")));
    day->AddWorkout(MakeWorkout(QStringLiteral("C"), Named(QStringLiteral("c"), 2)));
    Open(std::move(day));

    m_dlg->GetTabCtrl()->SelectWorkout(1);
    QCOMPARE(m_dlg->GetTabCtrl()->GetHint(), 104);
    // The "Remove" button removes the workout itself when it has no exercises.
    QTest::mouseClick(Button("removeButton"), Qt::LeftButton, {},
                      QPoint(10, Button("removeButton")->height() / 2));
    QCOMPARE(WorkoutNames(*m_day), (QStringList {"A", "C"}));
    QCOMPARE(m_dlg->GetTabCtrl()->GetTabCount(), 2);
    QCOMPARE(m_dlg->GetTabCtrl()->GetCurSel(), 1);
    QCOMPARE(Grid().GetItemText(1, Col::Exercise), QStringLiteral("c1"));
}

void TestDayDlg::removeWorkoutSelectsLast()
{
    auto day = std::make_unique<TrainingDay>();
    for (const char *name : {"A", "B", "C"})
        day->AddWorkout(MakeWorkout(QLatin1String(name), Named(QLatin1String(name), 1)));
    Open(std::move(day));

    m_dlg->CommandAction(32778)->trigger(); // Remove > Workout, on the first tab
    QCOMPARE(WorkoutNames(*m_day), (QStringList {"B", "C"}));
    QCOMPARE(m_dlg->GetTabCtrl()->GetCurSel(), 1);
    QCOMPARE(m_dlg->GetTabCtrl()->GetShownWorkout(), 1);
}

void TestDayDlg::removeAllAndClearShowHints()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("A"), Named(QStringLiteral("a"), 3)));
    day->AddWorkout(MakeWorkout(QStringLiteral("B"), Named(QStringLiteral("b"), 1)));
    Open(std::move(day));

    m_dlg->CommandAction(32846)->trigger(); // Remove > All exercises
    QVERIFY(m_day->GetWorkout(0)->IsEmpty());
    QCOMPARE(m_day->GetWorkout(1)->GetExerciseCount(), 1);
    QCOMPARE(m_dlg->GetTabCtrl()->GetHint(), 104);

    QTest::mouseClick(Button("clearButton"), Qt::LeftButton);
    QCOMPARE(m_day->GetWorkoutCount(), 0);
    QCOMPARE(m_dlg->GetTabCtrl()->GetTabCount(), 0);
    QCOMPARE(m_dlg->GetTabCtrl()->GetHint(), 103);
    QVERIFY(Button("statusButton")->GetImage().isNull());
}

// ---- Adding ----------------------------------------------------------------------------------

void TestDayDlg::addExerciseCancelledWorkoutAddsNothing()
{
    Open(std::make_unique<TrainingDay>());
    ModalDriver driver(m_dlg.get());
    driver.Then(Cancel());

    Press(Qt::Key_Insert);
    QCOMPARE(driver.Titles(), QStringList {"Add workout"});
    QCOMPARE(driver.Unexpected(), QStringList());
    QCOMPARE(m_day->GetWorkoutCount(), 0);
    QCOMPARE(m_dlg->GetTabCtrl()->GetHint(), 103);
}

void TestDayDlg::addExerciseCreatesWorkoutFirst()
{
    Open(std::make_unique<TrainingDay>());
    ModalDriver driver(m_dlg.get());
    driver.Then(TypeNameAndOk(QStringLiteral("Legs")));
    driver.Then(TypeNameAndOk(QStringLiteral("Squat")));

    Press(Qt::Key_Insert);
    QCOMPARE(driver.Titles(), (QStringList {"Add workout", "Add exercise"}));
    QCOMPARE(WorkoutNames(*m_day), QStringList {"Legs"});
    QCOMPARE(ExerciseNames(*m_day->GetWorkout(0)), QStringList {"Squat"});
    const ExerciseEntry &squat = *m_day->GetWorkout(0)->GetExercise(0);
    QCOMPARE(squat.GetSets(), 1);
    QCOMPARE(squat.GetReps(), 0);
    QCOMPARE(squat.GetWeight(), 0.0f);
    // The new row is selected, ready for its values.
    QCOMPARE(SelectedRows(Grid()), QList<int> {1});
    QCOMPARE(Grid().GetFocusCell(), (CCellID {1, Col::Exercise}));
    QCOMPARE(Grid().GetItemText(1, Col::Sets), QStringLiteral("1"));

    // A second exercise goes below it, and the names were remembered.
    driver.Then(TypeNameAndOk(QStringLiteral("Lunge")));
    m_dlg->activateWindow(); // the test platform leaves that to the program
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    Press(Qt::Key_Insert);
    QCOMPARE(ExerciseNames(*m_day->GetWorkout(0)), (QStringList {"Squat", "Lunge"}));
    QCOMPARE(SelectedRows(Grid()), QList<int> {2});
    QFile list(DataFolder::ExerciseListPath());
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray("Squat\r\nLunge\r\n"));
}

void TestDayDlg::hintsAddWorkoutsAndExercises()
{
    Open(std::make_unique<TrainingDay>());
    ModalDriver driver(m_dlg.get());
    CEmptyDlg *placeholder = m_dlg->GetTabCtrl()->GetPlaceholder();

    driver.Then(TypeNameAndOk(QStringLiteral("Push")));
    QTest::mouseDClick(placeholder, Qt::LeftButton);
    QCOMPARE(WorkoutNames(*m_day), QStringList {"Push"});
    QCOMPARE(placeholder->GetHint(), 104);

    driver.Then(TypeNameAndOk(QStringLiteral("Bench press")));
    QTest::mouseDClick(placeholder, Qt::LeftButton);
    QCOMPARE(ExerciseNames(*m_day->GetWorkout(0)), QStringList {"Bench press"});
    QCOMPARE(driver.Titles(), (QStringList {"Add workout", "Add exercise"}));
    QVERIFY(Grid().isVisible());
}

void TestDayDlg::keysInsideCellEditorStayThere()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 3)));
    day->AddWorkout(MakeWorkout(QStringLiteral("V"), Named(QStringLiteral("v"), 1)));
    Open(std::move(day));
    ModalDriver driver(m_dlg.get());

    QWidget *editor = StartEditing(Grid(), 2, Col::Note);
    QVERIFY(editor);
    QVERIFY(m_dlg->IsEditing());
    QTest::keyClicks(editor, QStringLiteral("abc"));
    QTest::keyClick(editor, Qt::Key_Insert);
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Right, Qt::ControlModifier);
    QTest::qWait(50);
    QVERIFY(Grid().IsEditing());
    QCOMPARE(driver.Titles(), QStringList());
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!Grid().IsEditing());

    QCOMPARE(ExerciseNames(*m_day->GetWorkout(0)), (QStringList {"e1", "e2", "e3"}));
    QCOMPARE(WorkoutNames(*m_day), (QStringList {"W", "V"}));
    QCOMPARE(m_day->GetWorkout(0)->GetExercise(1)->GetNote(), QStringLiteral("bc"));
    // Outside the editor the keys are commands again.
    Grid().SetFocusCell(2, Col::Exercise);
    Press(Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(ExerciseNames(*m_day->GetWorkout(0)), (QStringList {"e2", "e1", "e3"}));
}

void TestDayDlg::keyboardOnlyEditing()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 2)));
    Open(std::move(day));
    const auto editingCell = [this] { return Grid().GetEditingCell(); };

    // Enter opens the focused cell, Tab moves on to the next one with its editor open.
    Grid().setFocus();
    Grid().SetFocusCell(1, Col::Sets);
    Press(Qt::Key_Return);
    QCOMPARE(editingCell(), (CCellID {1, Col::Sets}));
    QTest::keyClicks(OpenEditor(Grid()), QStringLiteral("5"));
    QTest::keyClick(OpenEditor(Grid()), Qt::Key_Tab);
    QTRY_COMPARE(editingCell(), (CCellID {1, Col::Reps}));
    QTest::keyClick(OpenEditor(Grid()), Qt::Key_Up); // the arrows step the value
    QTest::keyClick(OpenEditor(Grid()), Qt::Key_Tab);
    QTRY_COMPARE(editingCell(), (CCellID {1, Col::Forced}));
    QTest::keyClick(OpenEditor(Grid()), Qt::Key_Escape);
    QTRY_VERIFY(!Grid().IsEditing());
    const ExerciseEntry &first = *m_day->GetWorkout(0)->GetExercise(0);
    QCOMPARE(first.GetSets(), 5);
    QCOMPARE(first.GetReps(), 11);

    // The weight's arrows step by whole units and keep two decimals.
    Grid().SetFocusCell(2, Col::Weight);
    Press(Qt::Key_Return);
    QTest::keyClick(OpenEditor(Grid()), Qt::Key_Up);
    QTest::keyClick(OpenEditor(Grid()), Qt::Key_Up);
    QTest::keyClick(OpenEditor(Grid()), Qt::Key_Return);
    QTRY_VERIFY(!Grid().IsEditing());
    QCOMPARE(m_day->GetWorkout(0)->GetExercise(1)->GetWeight(), 2.0f);
    QCOMPARE(Grid().GetItemText(2, Col::Weight), QStringLiteral("2.00"));

    // A longer name typed over a short one takes the room the notes do not need.
    const QString name = QStringLiteral("Leg press, narrow stance");
    QVERIFY(TypeIntoCell(Grid(), 1, Col::Exercise, name));
    QVERIFY(Grid().GetColumnWidth(Col::Exercise) >=
            Grid().fontMetrics().horizontalAdvance(name) + 2 * CGridCell::Margin);
}

// ---- Workout commands ------------------------------------------------------------------------

void TestDayDlg::renameWorkout_data()
{
    QTest::addColumn<QString>("typed"); // empty: OK is refused, then Cancel
    QTest::addColumn<QString>("name");

    QTest::newRow("new name") << "Upper body"
                              << "Upper body";
    QTest::newRow("empty keeps the old name") << ""
                                              << "Legs";
}

void TestDayDlg::renameWorkout()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("Arms"), Named(QStringLiteral("a"), 1)));
    day->AddWorkout(MakeWorkout(QStringLiteral("Legs"), Named(QStringLiteral("l"), 1)));
    Open(std::move(day));
    m_dlg->GetTabCtrl()->SelectWorkout(1);

    ModalDriver driver(m_dlg.get());
    QString preset;
    if (typed.isEmpty()) {
        driver.Then([&preset](QWidget *dialog) {
            auto *field = dialog->findChild<QComboBox *>(QStringLiteral("nameField"));
            preset = field->currentText();
            field->lineEdit()->clear();
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("okButton")),
                              Qt::LeftButton);
            QVERIFY(dialog->isVisible()); // an empty name is refused
            QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("cancelButton")),
                              Qt::LeftButton);
        });
    } else {
        driver.Then(TypeNameAndOk(typed));
    }
    m_dlg->CommandAction(33026)->trigger();

    QCOMPARE(driver.Titles(), QStringList {"Rename workout"});
    if (typed.isEmpty())
        QCOMPARE(preset, QStringLiteral("Legs"));
    QCOMPARE(m_day->GetWorkout(1)->GetName(), name);
    QCOMPARE(m_dlg->GetTabCtrl()->GetTabBar()->TabName(1), name);
    QCOMPARE(m_dlg->GetTabCtrl()->GetCurSel(), 1);
}

void TestDayDlg::renameWithoutWorkout()
{
    Open(std::make_unique<TrainingDay>());
    MessageBox::setNextAnswers({QMessageBox::Ok});
    m_dlg->CommandAction(33026)->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Select workout first."));
    QCOMPARE(shown.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestDayDlg::markWorkout_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("status");
    QTest::addColumn<Statuses>("exercisesAfter");

    // The exercises start Not yet, Done and Failed.
    QTest::newRow("failed") << "Mark workout as 'Failed'" << 2 << Statuses {2, 1, 2};
    QTest::newRow("done") << "Mark workout as 'Done'" << 1 << Statuses {1, 1, 2};
    QTest::newRow("not yet") << "Mark workout as 'Not yet'" << 0 << Statuses {0, 1, 2};
}

void TestDayDlg::markWorkout()
{
    QFETCH(QString, entry);
    QFETCH(int, status);
    QFETCH(Statuses, exercisesAfter);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"),
                                {{QStringLiteral("n")},
                                 {QStringLiteral("d"), ProgressStatus::Done},
                                 {QStringLiteral("f"), ProgressStatus::Failed}},
                                status == 0 ? ProgressStatus::Done : ProgressStatus::NotYet));
    Open(std::move(day));

    ChooseFromNextPopup(this, entry);
    QTest::mouseClick(Button("statusButton"), Qt::LeftButton);

    const Workout &workout = *m_day->GetWorkout(0);
    QCOMPARE(static_cast<int>(workout.GetStatus()), status);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(static_cast<int>(workout.GetExercise(i)->GetStatus()), exercisesAfter.at(i));
    const StatusImageSet large(true, StatusImageSize::Large32);
    QCOMPARE(Button("statusButton")->GetImage().toImage(), large.ForStatus(status).toImage());
    const StatusImageSet small(true, StatusImageSize::Small16);
    QCOMPARE(Grid().GetItemImage(1, Col::Status)->toImage(),
             small.ForStatus(exercisesAfter.at(0)).toImage());
}

void TestDayDlg::statusButtonFollowsShownWorkout()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("A"), {}, ProgressStatus::Done));
    day->AddWorkout(MakeWorkout(QStringLiteral("B"), {}, ProgressStatus::Failed));
    m_day = std::move(day);
    m_dlg = std::make_unique<CDayDlg>();
    m_dlg->SetImageSet(false); // flags
    m_dlg->SetDay(m_day.get());
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));

    const StatusImageSet flags(false, StatusImageSize::Large32);
    QCOMPARE(Button("statusButton")->GetImage().toImage(), flags.Done().toImage());
    CWorkoutTabBar *tabs = m_dlg->GetTabCtrl()->GetTabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(Button("statusButton")->GetImage().toImage(), flags.Failed().toImage());

    // A new workout is Not yet, and the button says so.
    ModalDriver driver(m_dlg.get());
    driver.Then(TypeNameAndOk(QStringLiteral("C")));
    m_dlg->CommandAction(32777)->trigger();
    QCOMPARE(m_dlg->GetTabCtrl()->GetCurSel(), 2);
    QCOMPARE(Button("statusButton")->GetImage().toImage(), flags.NotYet().toImage());
}

void TestDayDlg::sizeRememberedInSection67()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 2)));
    Open(std::move(day));
    const QSize designed = m_dlg->size();
    QTest::qWait(20);
    const QSize wanted = designed + QSize(20, 30); // the test screen is small
    m_dlg->resize(wanted);
    QTRY_COMPARE(m_dlg->size(), wanted);
    QTest::keyClick(&Grid(), Qt::Key_Escape); // Cancel

    QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    const SettingsStore store;
    QVERIFY(store.GetProfileInt(QStringLiteral("67"), QStringLiteral("CX"), 0) >= wanted.width());
    QVERIFY(store.GetProfileInt(QStringLiteral("67"), QStringLiteral("CY"), 0) >= wanted.height());
    QCOMPARE(store.GetProfileInt(QStringLiteral("67"), QStringLiteral("Maximized"), -1), 0);

    // The next day dialog opens at that size.
    CDayDlg again;
    again.SetDay(m_day.get());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.size(), wanted);
}

void TestDayDlg::menusOfferEveryCommand()
{
    m_dlg = std::make_unique<CDayDlg>();
    QCOMPARE(MenuBarText(*m_dlg->findChild<QMenuBar *>()),
             (QStringList {QStringLiteral("&Add: Exercise... | Workout..."),
                           QStringLiteral("&Edit: Move exercise(s) [Up | Down] | Move workout "
                                          "[Left | Right] | - | Rename workout..."),
                           QStringLiteral("&Remove: Selected exercise(s) | All exercises | - | "
                                          "Workout | - | Clear")}));
    const auto dropDown = [this](const char *name) {
        return MenuText(*m_dlg->findChild<QMenu *>(QLatin1String(name)));
    };
    QCOMPARE(dropDown("addMenu"), QStringLiteral("Exercise... | Workout..."));
    QCOMPARE(dropDown("removeMenu"),
             QStringLiteral("Selected exercise(s) | All exercises | - | Workout"));
    QCOMPARE(dropDown("statusMenu"),
             QStringLiteral("Mark workout as 'Done' | Mark workout as "
                            "'Failed' | Mark workout as 'Not yet'"));
}

REPBOOK_TEST_MAIN(TestDayDlg)
#include "tst_daydlg.moc"
