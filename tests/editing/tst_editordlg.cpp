#include "DayFixtures.h"
#include "common/GuiTest.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEditorDlg.h"
#include "editing/CNameDlg.h"
#include "editing/CSmartComboBox.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/DayDlgIds.h"
#include "editing/EditorIds.h"
#include "model/ExerciseColumns.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QTemporaryDir>

using namespace dayfixtures;
namespace Ed = EditorIds;
namespace Id = DayDlgIds;

namespace {

// A day per entry: "-" is a day without workouts; otherwise "Workout:exercise count".
using DaySpecs = QStringList;

// The program's days in the diary notation without the date all program days share and the sets
// of the made exercises ("A[A1, A2]", an empty day "-"), separated by "; ".
QString Describe(const TrainingProgram &program)
{
    static const QRegularExpression noise(QStringLiteral("^30\\.12\\.1899 ?| 3x10"));
    QStringList days;
    for (int d = 0; d < program.GetDayCount(); ++d) {
        const QString day = testsupport::DescribeDay(*program.GetDay(d)).remove(noise);
        days += day.isEmpty() ? QStringLiteral("-") : day;
    }
    return days.join(QStringLiteral("; "));
}

} // namespace

class TestEditorDlg : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testsupport::BeginGuiCase();
        m_folder = std::make_unique<QTemporaryDir>();
        m_dlg = std::make_unique<CEditorDlg>(nullptr, &m_owner);
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    void cleanup()
    {
        m_dlg.reset();
        m_folder.reset();
        REPBOOK_END_GUI_CASE();
    }

    // Leaving a changed program, by Exit (the Cancel button or the close box), New or Close, asks
    // whether to save it first; Cancel, or a save dialog cancelled, keeps it.
    void setAsideAsks_data()
    {
        QTest::addColumn<bool>("bound"); // the program has a file
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("how"); // 0 the Cancel button, 1 the close box, or a command
        QTest::addColumn<int>("answer"); // QMessageBox::NoButton: no question expected
        QTest::addColumn<QStringList>("saveAs"); // queued save dialog answers
        QTest::addColumn<bool>("left"); // the window closed or the program was set aside
        QTest::addColumn<bool>("saved");

        const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
        const int none = QMessageBox::NoButton, New = Ed::New, close = Ed::Close;
        const auto row = [](const char *name, bool bound, bool modified, int how, int answer,
                            const QStringList &saveAs, bool left, bool saved) {
            QTest::newRow(name) << bound << modified << how << answer << saveAs << left << saved;
        };
        row("unchanged: closes at once", true, false, 0, none, {}, true, false);
        row("yes saves and closes", true, true, 0, yes, {}, true, true);
        row("no closes without saving", true, true, 0, no, {}, true, false);
        row("cancel stays", true, true, 0, cancel, {}, false, false);
        row("no file, save dialog cancelled: stays", false, true, 0, yes, {""}, false, false);
        row("yes without a file, saved as", false, true, 0, yes, {"new.rpp"}, true, true);
        row("close box asks too", true, true, 1, cancel, {}, false, false);
        row("New, yes", true, true, New, yes, {}, true, true);
        row("New, no", true, true, New, no, {}, true, false);
        row("New, unchanged", true, false, New, none, {}, true, false);
        row("Close, cancel", true, true, close, cancel, {}, false, false);
        row("Close, no", true, true, close, no, {}, true, false);
    }

    void setAsideAsks()
    {
        QFETCH(bool, bound);
        QFETCH(bool, modified);
        QFETCH(int, how);
        QFETCH(int, answer);
        QFETCH(QStringList, saveAs);
        QFETCH(bool, left);
        QFETCH(bool, saved);

        bound ? LoadProgram({"A:1"}) : m_dlg->RunCommand(Ed::AddDay);
        QString path = m_dlg->GetFileName();
        if (modified)
            m_dlg->Program().GetDay(0)->SetNotes(QStringLiteral("changed"));
        for (QString &name : saveAs) {
            if (!name.isEmpty())
                name = path = m_folder->filePath(name);
        }
        FileDialog::setNextFileNames(saveAs);
        if (answer != QMessageBox::NoButton)
            MessageBox::setNextAnswers({static_cast<MessageBox::Button>(answer)});

        const bool exits = how < 2;
        if (how == 1)
            m_dlg->close();
        else if (how == 0)
            QTest::mouseClick(testsupport::Child<QAbstractButton>(m_dlg.get(), "cancelButton"),
                              Qt::LeftButton);
        else
            m_dlg->RunCommand(how);

        // The question asked exactly when an answer was queued, with that answer among its
        // buttons: see cleanup().
        if (exits) {
            QCOMPARE(m_dlg->isVisible(), !left);
            if (left)
                QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
        } else {
            // Set aside: no days and no file in the editor.
            QCOMPARE(m_dlg->Program().GetDayCount(), left ? 0 : 1);
            QCOMPARE(m_dlg->GetFileName(), left ? QString() : path);
            QCOMPARE(Days().GetRowCount(), m_dlg->Program().GetDayCount());
        }
        QCOMPARE(m_dlg->Program().IsModified(), modified && !saved && (exits || !left));
        if (!path.isEmpty()) {
            TrainingProgram onDisk;
            QCOMPARE(onDisk.Open(path), true);
            QCOMPARE(onDisk.GetDay(0)->GetNotes(), saved ? QStringLiteral("changed") : QString());
        }
    }

    // The editor's commands on the program: days moved (the shown day stays shown), removed, added;
    // the day commands done the editor's way (a day made for a workout, a day moved in place of its
    // only exercise).
    void commands_data()
    {
        QTest::addColumn<DaySpecs>("days");
        QTest::addColumn<QList<int>>("selected"); // day rows clicked, Ctrl held after the first
        QTest::addColumn<int>("exercise"); // the focused exercise row of the shown day
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("answer"); // the name given to every name dialog
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("shown"); // the program day shown afterwards, -1 none
        const auto r = [](const char *name, const DaySpecs &days, const QList<int> &selected,
                          int exercise, int command, const char *answer, const char *after,
                          int shown) {
            QTest::newRow(name) << days << selected << exercise << command << QString(answer)
                                << QString(after) << shown;
        };
        const DaySpecs ab {"A:1", "B:1"}, abc {"A:1", "B:1", "C:1"}, aEmpty {"A:1", "-"}, none;
        const int up = Ed::MoveDayUp, down = Ed::MoveDayDown;
        r("two days, down", ab, {0}, 1, down, "", "B[B1]; A[A1]", 1);
        r("up", abc, {1}, 1, up, "", "B[B1]; A[A1]; C[C1]", 0);
        r("first up", abc, {0}, 1, up, "", "A[A1]; B[B1]; C[C1]", 0);
        r("last down", abc, {2}, 1, down, "", "A[A1]; B[B1]; C[C1]", 2);
        r("exercise down", {"A:2", "B:1"}, {0}, 1, Id::MoveExerciseDown, "", "A[A2, A1]; B[B1]", 0);
        r("an only exercise moves its day", ab, {1}, 1, Id::MoveExerciseUp, "", "B[B1]; A[A1]", 0);
        r("remove the selected days", abc, {0, 2}, 1, Ed::RemoveDay, "", "B[B1]", 0);
        r("Del on an empty day removes it", aEmpty, {1}, 1, Id::RemoveSelectedExercises, "",
          "A[A1]", 0);
        r("Del on an exercise: the first day shown", {"A:3", "B:3"}, {1}, 2,
          Id::RemoveSelectedExercises, "", "A[A1, A2, A3]; B[B1, B3]", 0);
        r("clear", abc, {1}, 1, Id::Clear, "", "", -1);
        r("a workout in an empty program", none, {}, -1, Id::AddWorkout, "P", "P", 0);
        r("an exercise in an empty program", none, {}, -1, Id::AddExercise, "P", "P[P 1x0]", 0);
        r("a day", {"A:1"}, {0}, 1, Ed::AddDay, "", "A[A1]; -", 1);
        r("no day after an empty one", aEmpty, {1}, -1, Ed::AddDay, "", "A[A1]; -", 1);
    }

    void commands()
    {
        QFETCH(DaySpecs, days);
        QFETCH(QList<int>, selected);
        QFETCH(int, exercise);
        QFETCH(int, command);
        QFETCH(QString, answer);
        QFETCH(QString, after);
        QFETCH(int, shown);
        if (!days.isEmpty())
            LoadProgram(days);
        for (int row : selected)
            QTest::mouseClick(Days().viewport(), Qt::LeftButton,
                              row == selected.first() ? Qt::NoModifier : Qt::ControlModifier,
                              Days().CellRect(row, 0).center());
        QTest::keyClick(&Days(), Qt::Key_F2); // the day list is no place to type
        QVERIFY(!Days().IsEditing());
        CGridCtrl *grid = m_dlg->GetTabCtrl()->GetGrid();
        grid->SetSelectedRange(exercise, 0, exercise, grid->GetColumnCount() - 1);
        grid->SetFocusCell(exercise, 1);
        QTimer answers;
        connect(&answers, &QTimer::timeout, this, [answer] {
            if (auto *name = qobject_cast<CNameDlg *>(QApplication::activeModalWidget())) {
                name->NameField()->setCurrentText(answer);
                QTest::mouseClick(testsupport::Child<QAbstractButton>(name, "okButton"),
                                  Qt::LeftButton);
            }
        });
        answers.start(10);
        // No day is added after an empty one: the user is told.
        if (days.size() > 1 && days.last() == QLatin1String("-") && command == Ed::AddDay)
            MessageBox::setNextAnswers({QMessageBox::Ok});
        m_dlg->RunCommand(command);
        QCOMPARE(Describe(m_dlg->Program()), after);
        QCOMPARE(m_dlg->GetDay(), shown < 0 ? nullptr : m_dlg->Program().GetDay(shown));
        QCOMPARE(Days().GetRowCount(), m_dlg->Program().GetDayCount());
        // The shown day's row is the selected one.
        for (int row = 0; row < Days().GetRowCount(); ++row)
            QCOMPARE(Days().IsCellSelected(row, 0), row == shown);
    }

    // An opened program shows the image set the owner chose, on its tabs and in the day's grid.
    // Enter saves the program (Save is the default button); other keys do not.
    void openedShowsTheChosenImagesAndEnterSaves()
    {
        LoadProgram({QStringLiteral("A:1"), QStringLiteral("B:1")});
        const QImage flag = StatusImageSet(false, StatusImageSize::Small16).NotYet().toImage();
        CDayTabCtrl *tabs = m_dlg->GetTabCtrl();
        QCOMPARE(tabs->GetTabBar()->TabImage(0)->toImage(), flag);
        QCOMPARE(tabs->GetGrid()->GetItemImage(1, ExerciseColumns::Status)->toImage(), flag);
        m_dlg->Program().GetDay(1)->GetWorkout(0)->SetName(QStringLiteral("C"));
        const auto savedName = [this] {
            TrainingProgram saved;
            return saved.Open(m_dlg->GetFileName()) ? saved.GetDay(1)->GetWorkout(0)->GetName()
                                                    : QString();
        };
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Delete, Qt::Key_A})
            QTest::keyClick(m_dlg.get(), key);
        QCOMPARE(savedName(), QStringLiteral("B"));
        QTest::keyClick(m_dlg.get(), Qt::Key_Return);
        QCOMPARE(savedName(), QStringLiteral("C"));
    }

    // Opening or saving a program that fails keeps the program and its file as they were, tells the
    // user and does not count as saved.
    void fileFailures_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("chosen"); // in the temporary folder; "" cancels
        QTest::addColumn<bool>("failed");
        QTest::addColumn<bool>("moved"); // the program is bound to the chosen file afterwards
        QTest::newRow("open a damaged file") << int(Ed::Open) << "damaged.rpp" << true << false;
        QTest::newRow("save as into a missing folder")
            << int(Ed::SaveAs) << "missing/p.rpp" << true << false;
        QTest::newRow("save as cancelled") << int(Ed::SaveAs) << "" << false << false;
        QTest::newRow("save as") << int(Ed::SaveAs) << "p.rpp" << false << true;
    }

    void fileFailures()
    {
        QFETCH(int, command);
        QFETCH(QString, chosen);
        QFETCH(bool, failed);
        QFETCH(bool, moved);
        LoadProgram({QStringLiteral("A:1")});
        const QString loaded = m_dlg->GetFileName();
        m_dlg->Program().GetDay(0)->SetNotes(QStringLiteral("changed"));
        QVERIFY(testsupport::WriteFile(m_folder->filePath("damaged.rpp"), "not a program"));
        const QString path = chosen.isEmpty() ? QString() : m_folder->filePath(chosen);
        FileDialog::setNextFileNames({path});
        // Opening another program first asks whether the changed one is saved: No.
        QList<MessageBox::Button> answers;
        if (command == Ed::Open)
            answers.append(QMessageBox::No);
        if (failed)
            answers.append(QMessageBox::Ok);
        MessageBox::setNextAnswers(answers);
        m_dlg->RunCommand(command); // every box answered, none more: see cleanup()
        QCOMPARE(m_dlg->GetFileName(), moved ? path : loaded);
        QCOMPARE(m_dlg->Program().IsModified(), !moved);
        QCOMPARE(Describe(m_dlg->Program()), QStringLiteral("\"changed\" A[A1]"));
        TrainingProgram reread;
        QCOMPARE(reread.Open(path), moved);
    }

private:
    // Opens a program of the days from a file, as the user does.
    void LoadProgram(const DaySpecs &days)
    {
        const QString path = m_folder->filePath(QStringLiteral("loaded.rpp"));
        const auto program = MakeProgram(days);
        program->SetPath(path);
        QVERIFY(program->Save());
        FileDialog::setNextFileNames({path});
        m_dlg->RunCommand(Ed::Open);
        QCOMPARE(m_dlg->Program().GetDayCount(), days.size());
        QCOMPARE(m_dlg->GetFileName(), path);
    }

    CGridCtrl &Days() { return *m_dlg->DayGrid(); }
    FakeOwner m_owner {false}; // flags
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CEditorDlg> m_dlg;
};

REPBOOK_TEST_MAIN(TestEditorDlg)
#include "tst_editordlg.moc"
