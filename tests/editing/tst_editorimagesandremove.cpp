#include "DayFixtures.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEditorDlg.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/EditorIds.h"
#include "editing/ExerciseColumns.h"
#include "editing/IDayCellOwner.h"
#include "images/StatusImageSet.h"
#include "model/TrainingProgram.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QTemporaryDir>

using namespace dayfixtures;
namespace Ed = EditorIds;
namespace Col = ExerciseColumns;

namespace {

// The main window's part, with the flags chosen in the options.
class FlagsOwner : public IDayCellOwner
{
public:
    const StatusImageSet &DayCellImages() const override { return images; }
    QFont DayCellFont() const override { return QFont(); }
    DateValue DateAt(int, int) const override { return DateValue::MakeNull(); }
    bool IsInRange(int, int) const override { return false; }

    StatusImageSet images {false, StatusImageSize::Large32};
};

} // namespace

// The program editor with the flags image set, and what Del leaves selected.
class TestEditorImagesAndRemove : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        MessageBox::setTestMode(true);
        FileDialog::setTestMode(true);
    }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        TrainingProgram program;
        for (const QString &name : {QStringLiteral("A"), QStringLiteral("B")}) {
            auto day = std::make_unique<TrainingDay>();
            day->AddWorkout(MakeWorkout(name, Named(name, 3)));
            day->AddWorkout(MakeWorkout(name + QLatin1Char('2'), Named(name, 1)));
            program.AddDay(std::move(day));
        }
        program.SetPath(m_folder->filePath(QStringLiteral("two.rpp")));
        QVERIFY(program.Save());

        m_dlg = std::make_unique<CEditorDlg>(nullptr, &m_owner);
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
        FileDialog::setNextFileNames({program.GetPath()});
        m_dlg->RunCommand(Ed::Open);
        QCOMPARE(m_dlg->Program().GetDayCount(), 2);
    }

    void cleanup()
    {
        m_dlg.reset();
        QCOMPARE(MessageBox::takeUnexpected(), QStringList());
        QCOMPARE(FileDialog::takeUnexpected(), QStringList());
    }

    void tabsAndGridUseTheChosenImages()
    {
        const QImage notYetFlag = StatusImageSet(false, StatusImageSize::Small16).NotYet().toImage();
        CDayTabCtrl *tabs = m_dlg->GetTabCtrl();
        QCOMPARE(tabs->GetTabBar()->TabImage(0)->toImage(), notYetFlag);
        QCOMPARE(tabs->GetGrid()->GetItemImage(1, Col::Status)->toImage(), notYetFlag);
    }

    void delOnAWorkoutDaySelectsTheFirstDay_data()
    {
        QTest::addColumn<int>("dayRow");
        QTest::newRow("first day") << 0;
        QTest::newRow("second day") << 1;
    }

    void delOnAWorkoutDaySelectsTheFirstDay()
    {
        QFETCH(int, dayRow);
        CGridCtrl *days = m_dlg->DayGrid();
        QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->CellRect(dayRow, 0).center());
        QCOMPARE(m_dlg->CurrentDayIndex(), dayRow);
        CGridCtrl *exercises = m_dlg->GetTabCtrl()->GetGrid();
        exercises->SetSelectedRange(2, 0, 2, exercises->GetColumnCount() - 1);

        m_dlg->RunCommand(Ed::Remove);

        QCOMPARE(m_dlg->Program().GetDay(dayRow)->GetWorkout(0)->GetExerciseCount(), 2);
        QVERIFY(days->IsCellSelected(0, 0));
        QCOMPARE(days->GetFocusCell(), (CCellID {0, 0}));
        QCOMPARE(QApplication::focusWidget(), days);
        QCOMPARE(m_dlg->GetTabCtrl()->GetDay(), m_dlg->Program().GetDay(0));
    }

    void removeDropDownRemovesTheWorkout()
    {
        QAction *entry = nullptr;
        for (QAction *action : m_dlg->findChild<QMenu *>(QStringLiteral("editorRemoveMenu"))->actions()) {
            if (action->text() == QLatin1String("Workout..."))
                entry = action;
        }
        QVERIFY(entry != nullptr);
        entry->trigger();
        QCOMPARE(m_dlg->Program().GetDay(0)->GetWorkoutCount(), 1);
        QCOMPARE(m_dlg->Program().GetDay(0)->GetWorkout(0)->GetName(), QStringLiteral("A2"));
    }

private:
    FlagsOwner m_owner;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CEditorDlg> m_dlg;
};

REPBOOK_TEST_MAIN(TestEditorImagesAndRemove)

#include "tst_editorimagesandremove.moc"
