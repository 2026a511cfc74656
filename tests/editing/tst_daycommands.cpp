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
#include "model/ExerciseColumns.h"
#include "model/StatusCheck.h"
#include "model/Workout.h"
#include "widgets/CGridCell.h"

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

    void commands_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<int>("workout"); // the workout shown first
        QTest::addColumn<int>("row"); // the exercise with the focus (grid row, 1 = first)
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<QString>("answer"); // typed into a name dialog, "!" first: then cancelled
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("focus");

        // Days without their date, 1.3.2027.
        const auto r = [](const char *name, const QString &day, int workout, int row,
                          const QList<int> &commands, const char *answer, const QString &after,
                          int shown, int focus) {
            const auto dated = [](const QString &d) { return ("1.3.2027 " + d).trimmed(); };
            QTest::newRow(name) << dated(day) << workout << row << commands << QString(answer)
                                << dated(after) << shown << focus;
        };
        const QString t = QStringLiteral("A[a 3x10] B[b 3x10] C[c 3x10]");
        const QString w = QStringLiteral("W[a 3x10, b 3x10, c 3x10] V");
        const QString ab = QStringLiteral("A[a 3x10] B");
        const int sel = Id::SelectAll, del = Id::RemoveSelectedExercises, rmW = Id::RemoveWorkout;
        const int up = Id::MoveExerciseUp, down = Id::MoveExerciseDown;
        const int left = Id::MoveWorkoutLeft, right = Id::MoveWorkoutRight;
        r("remove the middle: the last shown", t, 1, 1, {rmW}, "", "A[a 3x10] C[c 3x10]", 1, 1);
        r("remove the only workout", "A[a 3x10]", 0, 1, {rmW}, "", "", -1, -1);
        r("remove all exercises", w, 0, 2, {Id::RemoveAllExercises}, "", "W V", 0, -1);
        r("select all, delete twice: W goes", w, 0, 3, {sel, del, sel, del}, "", "V", 0, -1);
        r("delete in an empty workout removes it, the next shown", "A[a 3x10] B C[c 3x10]", 1, 1,
          {del}, "", "A[a 3x10] C[c 3x10]", 1, 1);
        r("delete in the only, empty workout", "B", 0, 1, {del}, "", "", -1, -1);
        r("delete in the last, empty workout", "A[a 3x10] B[b 3x10] C", 2, 1, {del}, "",
          "A[a 3x10] B[b 3x10]", 1, 1);
        r("clear", w, 1, 1, {Id::Clear}, "", "", -1, -1);
        r("exercise up", w, 0, 2, {up}, "", "W[b 3x10, a 3x10, c 3x10] V", 0, 1);
        r("exercise down twice", w, 0, 1, {down, down}, "", "W[b 3x10, c 3x10, a 3x10] V", 0, 3);
        r("first exercise up, last down: nothing moves", w, 0, 1, {up}, "", w, 0, 1);
        r("last exercise down", w, 0, 3, {down}, "", w, 0, 3);
        r("workout left", t, 2, 1, {left}, "", "A[a 3x10] C[c 3x10] B[b 3x10]", 1, 1);
        r("right twice", t, 0, 1, {right, right}, "", "B[b 3x10] C[c 3x10] A[a 3x10]", 2, 1);
        r("first workout left, last right: nothing moves", t, 0, 1, {left}, "", t, 0, 1);
        r("last workout right", t, 2, 1, {right}, "", t, 2, 1);
        r("mark done: exercises not yet follow", "W[a 3x10 failed, b 3x10] V[c 3x10]", 0, 1,
          {Id::MarkDone}, "", "W:done[a 3x10 failed, b 3x10 done] V[c 3x10]", 0, 1);
        r("mark failed", "W:done[a 3x10 60, c 3x10]", 0, 1, {Id::MarkFailed}, "",
          "W:failed[a 3x10 60, c 3x10 failed]", 0, 1);
        r("mark not yet", "V[c 3x10] W:done[a 3x10 60]", 1, 1, {Id::MarkNotYet}, "",
          "V[c 3x10] W[a 3x10 60]", 1, 1);
        r("mark an empty day", "", -1, 1, {Id::MarkDone}, "", "", -1, -1);
        r("rename", t, 1, 1, {Id::RenameWorkout}, "Pull", "A[a 3x10] Pull[b 3x10] C[c 3x10]", 1, 1);
        r("rename cancelled", t, 1, 1, {Id::RenameWorkout}, "!Pull", t, 1, 1);
        r("add a workout", "A", 0, 1, {Id::AddWorkout}, "Pull", "A Pull", 1, -1);
        r("add a workout cancelled", "A", 0, 1, {Id::AddWorkout}, "!Pull", "A", 0, -1);
        r("add an exercise", ab, 0, 1, {Id::AddExercise}, "Dips", "A[a 3x10, Dips 1x0] B", 0, 2);
        r("add an exercise cancelled", ab, 0, 1, {Id::AddExercise}, "!Dips", ab, 0, 1);
        r("add an exercise to the second", ab, 1, 1, {Id::AddExercise}, "Dips",
          "A[a 3x10] B[Dips 1x0]", 1, 1);
        // 0: a double click on the hint, which asks for what the day or workout lacks.
        r("the hint of an empty day", "", -1, 1, {0}, "Push", "Push", 0, -1);
        r("the hint of an empty workout", "A", 0, 1, {0}, "Dips", "A[Dips 1x0]", 0, 1);
    }

    void commands()
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
        if (!answer.isEmpty())
            testsupport::WhenModal<CNameDlg>([&asked, answer](CNameDlg *name) {
                asked = true;
                const bool cancel = answer.startsWith(u'!');
                name->NameField()->setCurrentText(cancel ? answer.mid(1) : answer);
                QTest::mouseClick(
                    testsupport::Child<QAbstractButton>(name, cancel ? "cancelButton" : "okButton"),
                    Qt::LeftButton);
            });
        for (int command : commands)
            command == 0 ? QTest::mouseDClick(tabs->GetPlaceholder(), Qt::LeftButton)
                         : dialog.RunCommand(command);
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

    // Only a left double click on a shown hint asks for what the hint names.
    void onlyLeftDoubleClicksOnAHintAsk()
    {
        CEmptyDlg hint;
        QSignalSpy asked(&hint, &CEmptyDlg::hintDoubleClicked);
        for (const auto &[shown, button] : {std::pair {int(Id::HintNoExercises), Qt::RightButton},
                                            {Id::NoHint, Qt::LeftButton},
                                            {Id::HintNoWorkouts, Qt::LeftButton}}) {
            hint.SetHint(shown);
            QTest::mouseDClick(&hint, button);
        }
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toInt(), Id::HintNoWorkouts);
    }

    // Removing the first exercise leaves the heading row selected with the focus on the first
    // exercise; a longer name typed over a short one takes the room the notes do not need.
    void removesFirstAndFitsTypedNames()
    {
        namespace Col = ExerciseColumns;
        auto day = BuildDay(QStringLiteral("- W[e1 3x10, e2 3x10, e3 3x10]"));
        CDayDlg dialog;
        QVERIFY(dialog.SetDay(day.get()));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        CGridCtrl &grid = *dialog.GetTabCtrl()->GetGrid();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.CellRect(1, Col::Exercise).center());
        QCOMPARE(SelectedRows(grid), QList<int> {1});
        QTest::keyClick(&grid, Qt::Key_Delete);
        QCOMPARE(day->GetWorkout(0)->GetExerciseCount(), 2);
        QCOMPARE(SelectedRows(grid), QList<int> {0});
        QCOMPARE(grid.GetFocusCell(), (CCellID {1, Col::Exercise}));

        const QString name = QStringLiteral("Leg press, narrow stance");
        QVERIFY(TypeIntoCell(grid, 1, Col::Exercise, name));
        QVERIFY(grid.GetColumnWidth(Col::Exercise) >=
                grid.fontMetrics().horizontalAdvance(name) + 2 * CGridCell::Margin);
        // While a cell is edited, its keys belong to the editor, not to the dialog.
        QTest::keyClick(&grid, Qt::Key_Return); // opens the cell's editor
        QVERIFY(grid.IsEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
        QCOMPARE(day->GetWorkout(0)->GetExerciseCount(), 2);
        // Once the edit has ended, the dialog's keys work again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!grid.IsEditing());
        QTest::keyClick(&grid, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(day->GetWorkout(0)->GetExercise(1)->GetName(), name);
        QTest::keyClick(&grid, Qt::Key_Up); // moves the focus only: no other key opens an editor
        QVERIFY(!grid.IsEditing());
    }

    // Enter in a name dialog confirms the typed name, presses Cancel when it has the focus and
    // keeps the dialog open without a name; Escape cancels.
    void nameDialogKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("onCancel");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result"); // -1: still open
        const auto r = [](const char *name, const char *typed, bool onCancel, int key, int result) {
            QTest::newRow(name) << QString(typed) << onCancel << key << result;
        };
        const int yes = QDialog::Accepted, no = QDialog::Rejected;
        r("Enter", "Dips", false, Qt::Key_Return, yes);
        r("keypad Enter", "Dips", false, Qt::Key_Enter, yes);
        r("Enter on Cancel", "Dips", true, Qt::Key_Return, no);
        r("Enter without a name", "", false, Qt::Key_Return, -1);
        r("Escape", "Dips", false, Qt::Key_Escape, no);
    }

    void nameDialogKeys()
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

    // The question the dialog asks on OK, for each combination of the workout's status and its
    // exercises' statuses: the first matching rule wins.
    void questionAtOk_data()
    {
        // exercises: in the diary notation (common/DiaryText.h)
        QTest::addColumn<int>("workoutStatus");
        QTest::addColumn<QString>("exercises");
        // The question's words: the exercises' quantifier and status, the workout's status (written
        // "Some/Done/Not yet"); empty when nothing is asked. answer: the status Yes gives, -1 when
        // nothing is asked.
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("answer");

        const int notYet = 0, done = 1, failed = 2, unknown = 7;
        const auto row = [](const char *name, int workout, const char *exercises, const char *asked,
                            int answer) {
            QTest::newRow(name) << workout << QString::fromUtf8(exercises)
                                << QString::fromUtf8(asked).split(u'/', Qt::SkipEmptyParts)
                                << answer;
        };
        row("Not yet, some Done", notYet, "Squat, Squat done, Squat", "Some/Done/Not yet", done);
        row("Not yet, Done before Failed", notYet, "Squat failed, Squat done", "Some/Done/Not yet",
            done);
        row("Not yet, some Failed", notYet, "Squat, Squat failed", "Some/Failed/Not yet", failed);
        row("Not yet, all Not yet", notYet, "Squat, Squat", "", -1);
        row("Failed, some Done", failed, "Squat failed, Squat done", "Some/Done/Failed", done);
        row("Failed, none Done", failed, "Squat failed, Squat", "", -1);
        row("Done, some Done", done, "Squat done, Squat failed, Squat", "", -1);
        row("Done, some Failed", done, "Squat, Squat failed", "Some/Failed/Done", failed);
        row("Done, all Not yet", done, "Squat, Squat", "All/Not yet/Done", notYet);
        row("Done, no exercises", done, "", "", -1);
        row("unknown status is Done, some Failed", unknown, "Squat failed", "Some/Failed/Done",
            failed);
        row("unknown status is Done, all Not yet", unknown, "Squat", "All/Not yet/Done", notYet);
        row("unknown status is Done, some Done", unknown, "Squat done", "", -1);
    }

    void questionAtOk()
    {
        QFETCH(int, workoutStatus);
        QFETCH(QString, exercises);
        QFETCH(QStringList, asked);
        QFETCH(int, answer);

        const auto workout = testsupport::BuildWorkout(
            QStringLiteral("Legs:s%1[%2]").arg(workoutStatus).arg(exercises));
        const std::optional<StatusCheck::Question> question = StatusCheck::QuestionFor(*workout);
        QCOMPARE(question.has_value(), !asked.isEmpty());
        if (!question)
            return;
        const auto answered = static_cast<ProgressStatus>(answer);
        QCOMPARE(question->answerYes, answered);
        QCOMPARE(question->text,
                 QStringLiteral("%1 exercises in 'Legs' workout are marked as '%2', but workout "
                                "itself is marked as '%3'.\nDo you want to mark workout as '%4'?")
                     .arg(asked.at(0), asked.at(1), asked.at(2), StatusName(answered)));
    }
};

REPBOOK_TEST_MAIN(TestDayCommands)

#include "tst_daycommands.moc"
