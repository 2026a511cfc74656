#include "DayFixtures.h"
#include "common/TestMain.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEditorDlg.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/EditorIds.h"
#include "images/StatusImageSet.h"
#include "model/ExerciseColumns.h"
#include "widgets/CGridCell.h"

using namespace dayfixtures;

// The program editor with the flags image set, and what Del leaves selected.
class TestEditorImagesAndRemove : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dlg = std::make_unique<CEditorDlg>(nullptr, &m_owner);
        for (const QString &name : {QStringLiteral("A"), QStringLiteral("B")}) {
            m_dlg->Program().AddDay(BuildDay(QStringLiteral("- %1[%2]").arg(name, Named(name, 3))));
        }
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    void tabsAndGridUseTheChosenImages()
    {
        const QImage flag = StatusImageSet(false, StatusImageSize::Small16).NotYet().toImage();
        CDayTabCtrl *tabs = m_dlg->GetTabCtrl();
        QCOMPARE(tabs->GetTabBar()->TabImage(0)->toImage(), flag);
        QCOMPARE(tabs->GetGrid()->GetItemImage(1, ExerciseColumns::Status)->toImage(), flag);
    }

    void delOnAWorkoutDaySelectsTheFirstDay()
    {
        CGridCtrl *days = m_dlg->DayGrid();
        QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->CellRect(1, 0).center());
        CGridCtrl *exercises = m_dlg->GetTabCtrl()->GetGrid();
        exercises->SetSelectedRange(2, 0, 2, exercises->GetColumnCount() - 1);

        m_dlg->RunCommand(EditorIds::Remove);

        QCOMPARE(m_dlg->Program().GetDay(1)->GetWorkout(0)->GetExerciseCount(), 2);
        QVERIFY(days->IsCellSelected(0, 0));
        QCOMPARE(days->GetFocusCell(), (CCellID {0, 0}));
        QCOMPARE(QApplication::focusWidget(), days);
        QCOMPARE(m_dlg->GetTabCtrl()->GetDay(), m_dlg->Program().GetDay(0));
    }

    // The day dialog: removing the first exercise leaves the heading row selected with the focus
    // on the first exercise; a longer name typed over a short one takes the room the notes do
    // not need.
    void dayDialogRemovesFirstAndFitsTypedNames()
    {
        TrainingDay day;
        day.AddWorkout(BuildWorkout(QStringLiteral("W[e1 3x10, e2 3x10, e3 3x10]")));
        CDayDlg dialog;
        QVERIFY(dialog.SetDay(&day));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        CGridCtrl &grid = *dialog.GetTabCtrl()->GetGrid();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.CellRect(1, ExerciseColumns::Exercise).center());
        QCOMPARE(SelectedRows(grid), QList<int> {1});
        QTest::keyClick(&grid, Qt::Key_Delete);
        QCOMPARE(day.GetWorkout(0)->GetExerciseCount(), 2);
        QCOMPARE(SelectedRows(grid), QList<int> {0});
        QCOMPARE(grid.GetFocusCell(), (CCellID {1, ExerciseColumns::Exercise}));

        const QString name = QStringLiteral("Leg press, narrow stance");
        QVERIFY(TypeIntoCell(grid, 1, ExerciseColumns::Exercise, name));
        QVERIFY(grid.GetColumnWidth(ExerciseColumns::Exercise) >=
                grid.fontMetrics().horizontalAdvance(name) + 2 * CGridCell::Margin);
        // While a cell is edited, its keys belong to the editor, not to the dialog.
        QTest::keyClick(&grid, Qt::Key_Return); // opens the cell's editor
        QVERIFY(grid.IsEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
        QCOMPARE(day.GetWorkout(0)->GetExerciseCount(), 2);
    }

private:
    FakeOwner m_owner {false}; // flags
    std::unique_ptr<CEditorDlg> m_dlg;
};

REPBOOK_TEST_MAIN(TestEditorImagesAndRemove)

#include "tst_editorimagesandremove.moc"
