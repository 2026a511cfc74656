#include "DayFixtures.h"
#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CWorkoutTabBar.h"
#include "images/RepbookColours.h"
#include "model/ExerciseColumns.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QHeaderView>

using namespace dayfixtures;
namespace Col = ExerciseColumns;

class TestDayTabCtrl : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SettingsStore store;
        for (const auto &key : SettingsKeys::ExerciseColumns)
            store.Write(key, SettingsKeys::DefaultColumnWidth);
        m_host = std::make_unique<QWidget>();
        m_host->resize(700, 360);
        m_ctrl = new CDayTabCtrl(m_host.get());
        m_ctrl->setGeometry(0, 0, 700, 360);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    void cleanup()
    {
        m_host.reset(); // the control writes back into the day: it goes first
        m_day.reset();
        m_ctrl = nullptr;
    }

    // ---- Tabs, rows and hints
    void switchingTabsWritesBack()
    {
        Bind(BuildDay(QStringLiteral("- A[a1 3x10, a2 3x10] B[b1 3x10]")));

        // An edit still open when the user picks another tab is not lost.
        QWidget *editor = StartEditing(Grid(), 2, Col::Reps);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, QStringLiteral("42"));
        QTest::mouseClick(m_ctrl->GetTabBar(), Qt::LeftButton, {},
                          m_ctrl->GetTabBar()->tabRect(1).center());
        QCOMPARE(m_ctrl->GetShownWorkout(), 1);
        QCOMPARE(m_day->GetWorkout(0)->GetExercise(1)->GetReps(), 42);
        QCOMPARE(Grid().GetItemText(1, Col::Exercise), QStringLiteral("b1"));

        // The keyboard moves between workouts from inside the grid, too.
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
        Grid().setFocus();
        QTest::keyClick(&Grid(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(m_ctrl->GetCurSel(), 0);
        QCOMPARE(Grid().GetItemText(2, Col::Reps), QStringLiteral("42"));
        QTest::keyClick(&Grid(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(m_ctrl->GetShownWorkout(), 1);
    }

    // ---- Write-back
    void writeBackRules_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the cell after the edit, read from the model again
        QTest::addColumn<int>("status"); // of the edited exercise, Failed before the edit

        const auto row = [](const char *name, int column, const char *typed, const char *shown,
                            int status = int(ProgressStatus::Failed)) {
            QTest::newRow(name) << column << QString(typed) << QString(shown) << status;
        };
        row("reps abc reads as 0", Col::Reps, "abc", "0");
        row("sets abc keeps the old sets", Col::Sets, "abc", "3");
        row("sets 0 refused", Col::Sets, "0", "3");
        row("sets 21 refused", Col::Sets, "21", "3");
        row("sets 20 taken", Col::Sets, "20", "20");
        row("forced 7", Col::Forced, "7", "7");
        row("negative 201 refused", Col::Negative, "201", "0");
        row("typed weight marks done", Col::Weight, "62.5", "62.50", int(ProgressStatus::Done));
        row("weight above 500 refused", Col::Weight, "500.5", "40.00");
        row("weight abc reads as 0", Col::Weight, "abc", "0.00");
        row("empty name keeps the name", Col::Exercise, "", "Row2");
        row("new name", Col::Exercise, "Deadlift", "Deadlift");
        row("note", Col::Note, "slow and steady", "slow and steady");
    }

    void writeBackRules()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, status);

        // Rows that already carry weights, with statuses the user set: only the edited field
        // counts.
        Bind(BuildDay("- W[Row1 3x10 40 failed, Row2 3x10 40 failed, Row3 3x10 40 notyet]"));

        QVERIFY(TypeIntoCell(Grid(), 2, column, typed));
        QCOMPARE(Grid().GetItemText(2, column), shown);
        // The model holds what the grid shows after the edit.
        const Workout &workout = *m_day->GetWorkout(0);
        const Col::RowTexts texts = Col::TextsOf(*workout.GetExercise(1), WeightUnit());
        QCOMPARE(texts[static_cast<size_t>(column)], shown);
        QCOMPARE(int(workout.GetExercise(1)->GetStatus()), status);
        QCOMPARE(workout.GetExercise(0)->GetStatus(), ProgressStatus::Failed);
        QCOMPARE(workout.GetExercise(2)->GetStatus(), ProgressStatus::NotYet);
        QVERIFY(m_ctrl->IsInSync());
    }

    // When the control goes, an edit left open, or one ended that its host did not write back, is
    // written into the day.
    void writeBackOnDestructionTakesOpenEdit_data()
    {
        QTest::addColumn<bool>("ended");
        QTest::newRow("left open") << false;
        QTest::newRow("ended, not written back") << true;
    }

    void writeBackOnDestructionTakesOpenEdit()
    {
        QFETCH(bool, ended);
        Bind(BuildDay(QStringLiteral("- W[Row1 3x10, Row2 3x10]")), true, false);

        QWidget *editor = StartEditing(Grid(), 1, Col::Note);
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("left open"));
        if (ended)
            QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(m_day->GetWorkout(0)->GetExercise(0)->GetNote(), QString());
        m_host.reset();
        QCOMPARE(m_day->GetWorkout(0)->GetExercise(0)->GetNote(), QStringLiteral("left open"));
    }

    // ---- Statuses
    void statusCyclesWithDoubleClicks_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("sequence");
        QTest::addColumn<bool>("editable");

        QTest::newRow("not yet") << 0 << QList<int> {1, 2, 0} << true;
        QTest::newRow("done") << 1 << QList<int> {2, 0, 1} << true;
        QTest::newRow("failed") << 2 << QList<int> {0, 1, 2} << true;
        QTest::newRow("read-only grid") << 2 << QList<int> {2, 2, 2} << false;
    }

    void statusCyclesWithDoubleClicks()
    {
        QFETCH(int, start);
        QFETCH(QList<int>, sequence);
        QFETCH(bool, editable);

        Bind(BuildDay(QStringLiteral("- W:failed[e1 3x10, e2 3x10 s%1, e3 3x10]").arg(start)),
             editable);
        const ExerciseEntry *exercise = m_day->GetWorkout(0)->GetExercise(1);
        const StatusImageSet images(true, StatusImageSize::Small16);
        QCOMPARE(m_ctrl->GetTabBar()->accessibleTabName(0), QStringLiteral("W, Failed"));
        const QStringList spoken {"Not yet", "Done", "Failed"};

        for (const int expected : sequence) {
            QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {},
                               Grid().CellRect(2, Col::Status).center());
            QCOMPARE(static_cast<int>(exercise->GetStatus()), expected);
            QCOMPARE(Grid().GetItemImage(2, Col::Status)->toImage(),
                     images.ForStatus(expected).toImage());
            // The picture is read aloud as its status.
            QCOMPARE(Grid().model()->index(1, Col::Status).data(Qt::AccessibleTextRole).toString(),
                     spoken.at(expected));
            // The other rows keep their status.
            QCOMPARE(m_day->GetWorkout(0)->GetExercise(0)->GetStatus(), ProgressStatus::NotYet);
        }
        QCOMPARE(SelectedRows(Grid()), QList<int> {2});
    }

    // The rows' menu marks the selected exercises, whichever row was clicked, and keeps them
    // selected.
    void rowMenuMarksSelectedExercises_data()
    {
        QTest::addColumn<int>("entry"); // Done, Failed, Not yet
        QTest::addColumn<QString>("after");
        QTest::newRow("done") << 0 << "1.3.2027 W[e1 3x10 done, e2 3x10 done, e3 3x10 failed]";
        QTest::newRow("failed") << 1
                                << "1.3.2027 W[e1 3x10 failed, e2 3x10 failed, e3 3x10 failed]";
        QTest::newRow("not yet") << 2 << "1.3.2027 W[e1 3x10, e2 3x10, e3 3x10 failed]";
    }

    void rowMenuMarksSelectedExercises()
    {
        QFETCH(int, entry);
        QFETCH(QString, after);
        Bind(BuildDay(QStringLiteral("1.3.2027 W[e1 3x10 done, e2 3x10, e3 3x10 failed]")));
        Grid().SetSelectedRange(1, 0, 2, Col::Note);
        testsupport::ChooseFromContextMenu(Grid().viewport(),
                                           Grid().CellRect(2, Col::Sets).center(), entry);
        QCOMPARE(testsupport::DescribeDay(*m_day), after);
        QCOMPARE(SelectedRows(Grid()), (QList<int> {1, 2}));
        QCOMPARE(Grid().GetFocusCell(), (CCellID {2, Col::Sets}));
    }

    // Each choice in the heading's menu hides a shown column or shows a hidden one, but the last
    // column to read the exercises by stays; the widths are stored (0 for a hidden column).
    void headingMenuShowsAndHidesColumns_data()
    {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QList<int>>("hidden");
        QTest::newRow("sets hidden") << QList<int> {Col::Sets} << QList<int> {Col::Sets};
        QTest::newRow("and shown again")
            << QList<int> {Col::Sets, Col::Note, Col::Sets} << QList<int> {Col::Note};
        const QList<int> allButWeight {Col::Exercise, Col::Sets,     Col::Reps,
                                       Col::Forced,   Col::Negative, Col::Note};
        QTest::newRow("the last one stays")
            << allButWeight + QList<int> {Col::Weight} << allButWeight;
    }

    void headingMenuShowsAndHidesColumns()
    {
        QFETCH(QList<int>, chosen);
        QFETCH(QList<int>, hidden);
        Bind(BuildDay(QStringLiteral("- W[e1 3x10 60 \"note\"]")));
        QHeaderView *heading = Grid().horizontalHeader();
        for (int column : chosen) {
            const int shown = heading->logicalIndexAt(heading->width() / 2);
            testsupport::ChooseFromContextMenu(
                heading->viewport(), QPoint(heading->sectionViewportPosition(shown) + 2, 2),
                column);
        }
        SettingsStore store;
        for (int col = 0; col < Col::Count; ++col) {
            const bool hide = hidden.contains(col);
            QCOMPARE(Grid().GetColumnWidth(col) == 0, hide);
            QCOMPARE(store.Read(SettingsKeys::ExerciseColumns[static_cast<size_t>(col)]) == 0,
                     hide);
        }
    }

    // The rows' colours are kept as cell values: a new appearance repaints them, odd and even.
    void rowsFollowANewAppearance()
    {
        Bind(BuildDay(QStringLiteral("- A[a1 3x10, a2 3x10, a3 3x10]")));
        m_host->setPalette(RepbookColours::DarkWindowPalette());
        const QImage shown = Grid().viewport()->grab().toImage();
        for (const int row : {2, 3}) {
            const QPoint inside = Grid().CellRect(row, Col::Sets).topLeft() + QPoint(3, 3);
            QCOMPARE(shown.pixelColor(inside),
                     row % 2 == 1 ? RepbookColours::Dark().oddRow : RepbookColours::Dark().evenRow);
        }
    }

private:
    void Bind(std::unique_ptr<TrainingDay> day, bool editable = true, bool writesBack = true)
    {
        m_day = std::move(day);
        // The host keeps the model in step with the grid, as the day dialog does.
        if (writesBack) {
            connect(m_ctrl->GetGrid(), &CGridCtrl::editEnded, m_ctrl, [this] {
                m_ctrl->SetInSync(false);
                m_ctrl->WriteBack();
                m_ctrl->RefreshRows();
            });
        }
        m_ctrl->SetDay(m_day.get());
        Grid().SetEditable(editable);
    }

    CGridCtrl &Grid() { return *m_ctrl->GetGrid(); }
    std::unique_ptr<TrainingDay> m_day;
    std::unique_ptr<QWidget> m_host;
    CDayTabCtrl *m_ctrl = nullptr;
};

REPBOOK_TEST_MAIN(TestDayTabCtrl)
#include "tst_daytabctrl.moc"
