#include "DayFixtures.h"
#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEmptyDlg.h"
#include "editing/CNameDlg.h"
#include "editing/CSmartComboBox.h"
#include "editing/CTrainingDlg.h"
#include "editing/DayDlgIds.h"

#include <QAbstractButton>

using namespace dayfixtures;
namespace Id = DayDlgIds;

// The day dialog's commands on the day it shows, as menus, buttons and keys run them: what the
// day holds afterwards, which workout is shown and which exercise has the focus.
class TestDayCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(); }
    void cleanup() { REPBOOK_END_GUI_CASE(); }

    void commands_data();
    void commands();
    void hintsAddWorkoutThenExercise();
    void nameDialogKeys_data();
    void nameDialogKeys();
};

void TestDayCommands::commands_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("workout"); // the workout shown first
    QTest::addColumn<int>("row"); // the exercise with the focus (grid row, 1 = first)
    QTest::addColumn<QList<int>>("commands");
    QTest::addColumn<QString>("answer"); // typed into a name dialog, "!" first: then cancelled
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("focus");

    const QString three = QStringLiteral("1.3.2027 A[a 3x10] B[b 3x10] C[c 3x10]");
    const QString abc = QStringLiteral("1.3.2027 W[a 3x10, b 3x10, c 3x10] V");
    QTest::newRow("remove the middle workout: the last is shown")
        << three << 1 << 1 << QList<int> {Id::RemoveWorkout} << QString()
        << "1.3.2027 A[a 3x10] C[c 3x10]" << 1 << 1;
    QTest::newRow("remove the only workout")
        << "1.3.2027 A[a 3x10]" << 0 << 1 << QList<int> {Id::RemoveWorkout} << QString()
        << "1.3.2027" << -1 << -1;
    QTest::newRow("remove all exercises") << abc << 0 << 2 << QList<int> {Id::RemoveAllExercises}
                                          << QString() << "1.3.2027 W V" << 0 << -1;
    QTest::newRow("select all, delete twice: the emptied workout goes")
        << abc << 0 << 3
        << QList<int> {Id::SelectAll, Id::RemoveSelectedExercises, Id::SelectAll,
                       Id::RemoveSelectedExercises}
        << QString() << "1.3.2027 V" << 0 << -1;
    QTest::newRow("clear") << abc << 1 << 1 << QList<int> {Id::Clear} << QString() << "1.3.2027"
                           << -1 << -1;
    QTest::newRow("exercise up") << abc << 0 << 2 << QList<int> {Id::MoveExerciseUp} << QString()
                                 << "1.3.2027 W[b 3x10, a 3x10, c 3x10] V" << 0 << 1;
    QTest::newRow("exercise down twice")
        << abc << 0 << 1 << QList<int> {Id::MoveExerciseDown, Id::MoveExerciseDown} << QString()
        << "1.3.2027 W[b 3x10, c 3x10, a 3x10] V" << 0 << 3;
    QTest::newRow("first exercise up, last down: nothing moves")
        << abc << 0 << 1 << QList<int> {Id::MoveExerciseUp} << QString() << abc << 0 << 1;
    QTest::newRow("last exercise down")
        << abc << 0 << 3 << QList<int> {Id::MoveExerciseDown} << QString() << abc << 0 << 3;
    QTest::newRow("workout left") << three << 2 << 1 << QList<int> {Id::MoveWorkoutLeft}
                                  << QString() << "1.3.2027 A[a 3x10] C[c 3x10] B[b 3x10]" << 1
                                  << 1;
    QTest::newRow("workout right twice")
        << three << 0 << 1 << QList<int> {Id::MoveWorkoutRight, Id::MoveWorkoutRight} << QString()
        << "1.3.2027 B[b 3x10] C[c 3x10] A[a 3x10]" << 2 << 1;
    QTest::newRow("first workout left, last right: nothing moves")
        << three << 0 << 1 << QList<int> {Id::MoveWorkoutLeft} << QString() << three << 0 << 1;
    QTest::newRow("last workout right")
        << three << 2 << 1 << QList<int> {Id::MoveWorkoutRight} << QString() << three << 2 << 1;
    QTest::newRow("mark done: exercises not yet follow")
        << "1.3.2027 W[a 3x10 failed, b 3x10] V[c 3x10]" << 0 << 1 << QList<int> {Id::MarkDone}
        << QString() << "1.3.2027 W:done[a 3x10 failed, b 3x10 done] V[c 3x10]" << 0 << 1;
    QTest::newRow("mark failed") << "1.3.2027 W:done[a 3x10 60, c 3x10]" << 0 << 1
                                 << QList<int> {Id::MarkFailed} << QString()
                                 << "1.3.2027 W:failed[a 3x10 60, c 3x10 failed]" << 0 << 1;
    QTest::newRow("mark not yet") << "1.3.2027 V[c 3x10] W:done[a 3x10 60]" << 1 << 1
                                  << QList<int> {Id::MarkNotYet} << QString()
                                  << "1.3.2027 V[c 3x10] W[a 3x10 60]" << 1 << 1;
    QTest::newRow("mark an empty day") << "1.3.2027" << -1 << 1 << QList<int> {Id::MarkDone}
                                       << QString() << "1.3.2027" << -1 << -1;
    QTest::newRow("rename") << three << 1 << 1 << QList<int> {Id::RenameWorkout} << "Pull"
                            << "1.3.2027 A[a 3x10] Pull[b 3x10] C[c 3x10]" << 1 << 1;
    QTest::newRow("rename cancelled")
        << three << 1 << 1 << QList<int> {Id::RenameWorkout} << "!Pull" << three << 1 << 1;
    QTest::newRow("add a workout")
        << "1.3.2027 A" << 0 << 1 << QList<int> {Id::AddWorkout} << "Pull"
        << "1.3.2027 A Pull" << 1 << -1;
    QTest::newRow("add a workout cancelled")
        << "1.3.2027 A" << 0 << 1 << QList<int> {Id::AddWorkout} << "!Pull"
        << "1.3.2027 A" << 0 << -1;
    QTest::newRow("add an exercise")
        << "1.3.2027 A[a 3x10] B" << 0 << 1 << QList<int> {Id::AddExercise} << "Dips"
        << "1.3.2027 A[a 3x10, Dips 1x0] B" << 0 << 2;
    QTest::newRow("add an exercise cancelled")
        << "1.3.2027 A[a 3x10] B" << 0 << 1 << QList<int> {Id::AddExercise} << "!Dips"
        << "1.3.2027 A[a 3x10] B" << 0 << 1;
}

void TestDayCommands::commands()
{
    QFETCH(QString, day);
    QFETCH(int, workout);
    QFETCH(int, row);
    QFETCH(QList<int>, commands);
    QFETCH(QString, answer);
    QFETCH(QString, after);
    QFETCH(int, shown);
    QFETCH(int, focus);

    auto edited = BuildDay(day);
    QVERIFY(edited);
    CDayDlg dialog;
    QVERIFY(dialog.SetDay(edited.get()));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CDayTabCtrl *tabs = dialog.GetTabCtrl();
    if (workout >= 0)
        tabs->SelectWorkout(workout);
    tabs->GetGrid()->SetFocusCell(row, 1);
    bool asked = answer.isEmpty();
    if (!answer.isEmpty()) {
        testsupport::WhenModal<CNameDlg>([&asked, answer](CNameDlg *name) {
            asked = true;
            const bool cancel = answer.startsWith(u'!');
            name->NameField()->setCurrentText(cancel ? answer.mid(1) : answer);
            QTest::mouseClick(
                testsupport::Child<QAbstractButton>(name, cancel ? "cancelButton" : "okButton"),
                Qt::LeftButton);
        });
    }
    for (int command : commands)
        dialog.RunCommand(command);
    QVERIFY(asked);
    QCOMPARE(testsupport::DescribeDay(*edited), after);
    QCOMPARE(tabs->GetCurSel(), shown);
    QCOMPARE(tabs->GetGrid()->GetFocusCell().row, focus);
    // An empty day or workout shows the hint that says what to add.
    const int hint = shown < 0                 ? Id::HintNoWorkouts
        : edited->GetWorkout(shown)->IsEmpty() ? Id::HintNoExercises
                                               : Id::NoHint;
    QCOMPARE(tabs->GetPlaceholder()->GetHint(), hint);
}

// Double-clicking the hint of an empty day adds a workout, that of an empty workout an exercise:
// each time one name is asked, by the dialog of its kind.
void TestDayCommands::hintsAddWorkoutThenExercise()
{
    TrainingDay day;
    CDayDlg dialog;
    QVERIFY(dialog.SetDay(&day));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList asked;
    QTimer answer;
    answer.setInterval(10);
    connect(&answer, &QTimer::timeout, this, [&asked] {
        auto *name = qobject_cast<CNameDlg *>(QApplication::activeModalWidget());
        if (name == nullptr)
            return;
        asked.append(QLatin1String(name->metaObject()->className()));
        name->NameField()->setCurrentText(QStringLiteral("Push"));
        QTest::mouseClick(testsupport::Child<QAbstractButton>(name, "okButton"), Qt::LeftButton);
    });
    answer.start();
    CEmptyDlg *placeholder = dialog.GetTabCtrl()->GetPlaceholder();
    QTest::mouseDClick(placeholder, Qt::LeftButton);
    QCOMPARE(asked, QStringList {QStringLiteral("CTrainingDlg")});
    QTest::mouseDClick(placeholder, Qt::LeftButton);
    answer.stop();
    QCOMPARE(asked, (QStringList {QStringLiteral("CTrainingDlg"), QStringLiteral("CExerciseDlg")}));
    QCOMPARE(day.GetWorkoutCount(), 1);
    QCOMPARE(day.GetWorkout(0)->GetExerciseCount(), 1);
}

// Enter in a name dialog confirms the typed name, presses Cancel when it has the focus and keeps
// the dialog open without a name; Escape cancels.
void TestDayCommands::nameDialogKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("onCancel");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result"); // -1: still open
    QTest::newRow("Enter") << "Dips" << false << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad Enter") << "Dips" << false << int(Qt::Key_Enter)
                                  << int(QDialog::Accepted);
    QTest::newRow("Enter on Cancel")
        << "Dips" << true << int(Qt::Key_Return) << int(QDialog::Rejected);
    QTest::newRow("Enter without a name") << "" << false << int(Qt::Key_Return) << -1;
    QTest::newRow("Escape") << "Dips" << false << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TestDayCommands::nameDialogKeys()
{
    QFETCH(QString, typed);
    QFETCH(bool, onCancel);
    QFETCH(int, key);
    QFETCH(int, result);
    CTrainingDlg dialog(nullptr);
    int closedWith = -1;
    connect(&dialog, &QDialog::finished, this, [&closedWith](int how) { closedWith = how; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.NameField()->setCurrentText(typed);
    if (onCancel)
        testsupport::Child<QAbstractButton>(&dialog, "cancelButton")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(closedWith, result);
    QCOMPARE(dialog.GetName(), result == QDialog::Accepted ? typed : QString());
    QCOMPARE(dialog.isVisible(), result < 0);
}

REPBOOK_TEST_MAIN(TestDayCommands)

#include "tst_daycommands.moc"
