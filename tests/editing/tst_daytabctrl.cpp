#include "DayFixtures.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEmptyDlg.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/ExerciseColumns.h"
#include "images/StatusImageSet.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>

using namespace dayfixtures;
namespace Col = ExerciseColumns;

namespace {

int StoredWidth(int column)
{
    return SettingsStore().Read(SettingsKeys::ExerciseColumns[static_cast<size_t>(column)]);
}

} // namespace

class TestDayTabCtrl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTabsAndRows();
    void hintsWhereNothingToShow_data();
    void hintsWhereNothingToShow();
    void hintDoubleClickReachesHost();
    void tabImagesFollowStatuses_data();
    void tabImagesFollowStatuses();
    void switchingTabsWritesBack();

    void writeBackRules_data();
    void writeBackRules();
    void writeBackOnDestructionTakesOpenEdit();

    void statusCyclesWithDoubleClicks_data();
    void statusCyclesWithDoubleClicks();
    void markSelectedRowsOnly_data();
    void markSelectedRowsOnly();

    void columnsFromSettings_data();
    void columnsFromSettings();
    void columnMenuTogglesColumns();

private:
    void Bind(std::unique_ptr<TrainingDay> day, bool editable = true);
    void DoubleClickCell(int row, int col);
    void RightClickCell(int row, int col);
    CGridCtrl &Grid() { return *m_ctrl->GetGrid(); }

    std::unique_ptr<TrainingDay> m_day;
    std::unique_ptr<QWidget> m_host;
    CDayTabCtrl *m_ctrl = nullptr;
};

void TestDayTabCtrl::init()
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

void TestDayTabCtrl::cleanup()
{
    m_host.reset(); // the control writes back into the day: it goes first
    m_day.reset();
    m_ctrl = nullptr;
}

void TestDayTabCtrl::Bind(std::unique_ptr<TrainingDay> day, bool editable)
{
    m_day = std::move(day);
    // The host keeps the model in step with the grid, as the day dialog does.
    connect(m_ctrl->GetGrid(), &CGridCtrl::editEnded, m_ctrl, [this] {
        m_ctrl->SetInSync(false);
        m_ctrl->WriteBack();
        m_ctrl->RefreshRows();
    });
    m_ctrl->SetDay(m_day.get());
    Grid().SetEditable(editable);
}

void TestDayTabCtrl::DoubleClickCell(int row, int col)
{
    const QPoint centre = Grid().CellRect(row, col).center();
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, centre);
}

void TestDayTabCtrl::RightClickCell(int row, int col)
{
    QWidget *target = row == 0 ? Grid().horizontalHeader()->viewport() : Grid().viewport();
    QPoint pos = Grid().CellRect(row, col).center();
    if (row == 0)
        pos = QPoint(Grid().horizontalHeader()->sectionViewportPosition(col) + 3, 5);
    else
        QTest::mouseClick(target, Qt::RightButton, {}, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
}

// ---- Tabs, rows and hints --------------------------------------------------------------------

void TestDayTabCtrl::showsTabsAndRows()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("Legs"),
                                {{QStringLiteral("Squat"), ProgressStatus::Done, 5, 8, 102.5f},
                                 {QStringLiteral("Lunge"), ProgressStatus::NotYet, 3, 12, 0.0f},
                                 {QStringLiteral("Calf raise"), ProgressStatus::NotYet, 4, 15}}));
    day->AddWorkout(MakeWorkout(QStringLiteral("Back & arms"), Named(QStringLiteral("B"), 2)));
    day->AddWorkout(MakeWorkout(QStringLiteral("Run")));
    Bind(std::move(day));

    QCOMPARE(m_ctrl->GetTabCount(), 3);
    QCOMPARE(m_ctrl->GetTabBar()->TabName(0), QStringLiteral("Legs"));
    QCOMPARE(m_ctrl->GetTabBar()->TabName(1), QStringLiteral("Back & arms"));
    QCOMPARE(m_ctrl->GetTabBar()->TabName(2), QStringLiteral("Run"));
    QCOMPARE(m_ctrl->GetCurSel(), 0);
    QVERIFY(m_ctrl->GetGrid()->isVisible());
    QCOMPARE(m_ctrl->GetHint(), 0);

    QCOMPARE(Grid().GetRowCount(), 4); // heading + three exercises
    QCOMPARE(Grid().GetColumnCount(), Col::Count);
    const QStringList headings = {QStringLiteral(" "),      QStringLiteral("Exercise"),
                                  QStringLiteral("Sets"),   QStringLiteral("Reps"),
                                  QStringLiteral("Forced"), QStringLiteral("Negative"),
                                  QStringLiteral("Weight"), QStringLiteral("Note")};
    for (int col = 0; col < Col::Count; ++col)
        QCOMPARE(Grid().GetItemText(0, col), headings.at(col));
    QCOMPARE(Grid().GetItemText(1, Col::Exercise), QStringLiteral("Squat"));
    QCOMPARE(Grid().GetItemText(1, Col::Sets), QStringLiteral("5"));
    QCOMPARE(Grid().GetItemText(1, Col::Reps), QStringLiteral("8"));
    QCOMPARE(Grid().GetItemText(1, Col::Weight), QStringLiteral("102.50"));
    QCOMPARE(Grid().GetItemText(2, Col::Weight), QStringLiteral("0.00"));
    QVERIFY(Grid().GetItemFont(1, Col::Reps).bold());
    QVERIFY(Grid().GetItemFont(1, Col::Weight).bold());
    QVERIFY(!Grid().GetItemFont(1, Col::Sets).bold());
    for (int col = 0; col < Col::Count; ++col) {
        QCOMPARE(Grid().GetItemBkColour(1, col), QColor(237, 242, 249));
        QCOMPARE(Grid().GetItemBkColour(2, col), QColor(224, 234, 243));
        QCOMPARE(Grid().GetItemBkColour(3, col), QColor(237, 242, 249));
    }
    // Nothing is selected; the focus waits on the first exercise's name.
    QVERIFY(SelectedRows(Grid()).isEmpty());
    QCOMPARE(Grid().GetFocusCell(), (CCellID {1, Col::Exercise}));

    const StatusImageSet images(true, StatusImageSize::Small16);
    QCOMPARE(Grid().GetItemImage(1, Col::Status)->toImage(), images.Done().toImage());
    QCOMPARE(Grid().GetItemImage(2, Col::Status)->toImage(), images.NotYet().toImage());

    // The user picks the second tab.
    QTest::mouseClick(m_ctrl->GetTabBar(), Qt::LeftButton, {},
                      m_ctrl->GetTabBar()->tabRect(1).center());
    QCOMPARE(m_ctrl->GetShownWorkout(), 1);
    QCOMPARE(Grid().GetRowCount(), 3);
    QCOMPARE(Grid().GetItemText(2, Col::Exercise), QStringLiteral("B2"));
}

void TestDayTabCtrl::hintsWhereNothingToShow_data()
{
    QTest::addColumn<bool>("bindDay");
    QTest::addColumn<int>("workouts");
    QTest::addColumn<int>("hint");
    QTest::addColumn<bool>("tabsShown");

    QTest::newRow("no day") << false << 0 << 103 << false;
    QTest::newRow("day without workouts") << true << 0 << 103 << false;
    QTest::newRow("workout without exercises") << true << 1 << 104 << true;
}

void TestDayTabCtrl::hintsWhereNothingToShow()
{
    QFETCH(bool, bindDay);
    QFETCH(int, workouts);
    QFETCH(int, hint);
    QFETCH(bool, tabsShown);

    auto day = std::make_unique<TrainingDay>();
    for (int i = 0; i < workouts; ++i)
        day->AddWorkout(MakeWorkout(QStringLiteral("W%1").arg(i)));
    if (bindDay)
        Bind(std::move(day));
    else
        m_ctrl->SetDay(nullptr);

    QCOMPARE(m_ctrl->GetHint(), hint);
    QVERIFY(m_ctrl->GetPlaceholder()->isVisible());
    QCOMPARE(m_ctrl->GetPlaceholder()->GetText(), CEmptyDlg::HintText(hint));
    QVERIFY(!m_ctrl->GetGrid()->isVisible());
    QCOMPARE(m_ctrl->GetTabBar()->isVisible(), tabsShown);
    // The placeholder never hides the tab row, so another workout stays one click away.
    if (tabsShown)
        QVERIFY(m_ctrl->GetPlaceholder()->geometry().top() >=
                m_ctrl->GetTabBar()->geometry().bottom());
}

void TestDayTabCtrl::hintDoubleClickReachesHost()
{
    m_ctrl->SetDay(nullptr);
    QSignalSpy spy(m_ctrl, &CDayTabCtrl::hintDoubleClicked);
    QTest::mouseDClick(m_ctrl->GetPlaceholder(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 103);

    m_ctrl->SetHint(105);
    QTest::mouseDClick(m_ctrl->GetPlaceholder(), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 105);
}

void TestDayTabCtrl::tabImagesFollowStatuses_data()
{
    QTest::addColumn<bool>("programMode");
    QTest::addColumn<bool>("shields");
    QTest::newRow("diary, shields") << false << true;
    QTest::newRow("diary, flags") << false << false;
    QTest::newRow("program, shields") << true << true;
}

void TestDayTabCtrl::tabImagesFollowStatuses()
{
    QFETCH(bool, programMode);
    QFETCH(bool, shields);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("A"),
                                {{QStringLiteral("a"), ProgressStatus::Failed}},
                                ProgressStatus::Done));
    day->AddWorkout(MakeWorkout(QStringLiteral("B"), {}, ProgressStatus::Failed));
    m_ctrl->SetProgramMode(programMode);
    m_ctrl->SetImageSet(shields);
    Bind(std::move(day));

    const StatusImageSet images(shields, StatusImageSize::Small16);
    const QImage done = programMode ? images.NotYet().toImage() : images.Done().toImage();
    const QImage failed = programMode ? images.NotYet().toImage() : images.Failed().toImage();
    QCOMPARE(m_ctrl->GetTabBar()->TabImage(0)->toImage(), done);
    QCOMPARE(m_ctrl->GetTabBar()->TabImage(1)->toImage(), failed);
    QCOMPARE(Grid().GetItemImage(1, Col::Status)->toImage(), failed);

    // A later status shows at the next paint, without rebuilding the tabs.
    m_day->GetWorkout(0)->SetStatus(ProgressStatus::NotYet, false);
    QCOMPARE(m_ctrl->GetTabBar()->TabImage(0)->toImage(), images.NotYet().toImage());
}

void TestDayTabCtrl::switchingTabsWritesBack()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("A"), Named(QStringLiteral("a"), 2)));
    day->AddWorkout(MakeWorkout(QStringLiteral("B"), Named(QStringLiteral("b"), 1)));
    Bind(std::move(day));

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

// ---- Write-back ------------------------------------------------------------------------------

void TestDayTabCtrl::writeBackRules_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // the cell after the edit, read from the model again

    QTest::newRow("reps abc reads as 0") << int(Col::Reps) << "abc"
                                         << "0";
    QTest::newRow("sets abc keeps the old sets") << int(Col::Sets) << "abc"
                                                 << "3";
    QTest::newRow("sets 0 refused") << int(Col::Sets) << "0"
                                    << "3";
    QTest::newRow("sets 21 refused") << int(Col::Sets) << "21"
                                     << "3";
    QTest::newRow("sets 20 taken") << int(Col::Sets) << "20"
                                   << "20";
    QTest::newRow("forced 7") << int(Col::Forced) << "7"
                              << "7";
    QTest::newRow("negative 201 refused") << int(Col::Negative) << "201"
                                          << "0";
    QTest::newRow("weight with decimals") << int(Col::Weight) << "62.5"
                                          << "62.50";
    QTest::newRow("weight above 500 refused") << int(Col::Weight) << "500.5"
                                              << "0.00";
    QTest::newRow("weight abc reads as 0") << int(Col::Weight) << "abc"
                                           << "0.00";
    QTest::newRow("empty name keeps the name") << int(Col::Exercise) << ""
                                               << "Row2";
    QTest::newRow("new name") << int(Col::Exercise) << "Deadlift"
                              << "Deadlift";
    QTest::newRow("note") << int(Col::Note) << "slow and steady"
                          << "slow and steady";
}

void TestDayTabCtrl::writeBackRules()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("Row"), 3)));
    Bind(std::move(day));

    QVERIFY(TypeIntoCell(Grid(), 2, column, typed));
    QCOMPARE(Grid().GetItemText(2, column), shown);
    // The model holds what the grid shows after the edit.
    const Col::RowTexts texts = Col::TextsOf(*m_day->GetWorkout(0)->GetExercise(1));
    QCOMPARE(texts[static_cast<size_t>(column)], shown);
    QVERIFY(m_ctrl->IsInSync());
}

void TestDayTabCtrl::writeBackOnDestructionTakesOpenEdit()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("Row"), 2)));
    Bind(std::move(day));

    QWidget *editor = StartEditing(Grid(), 1, Col::Note);
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("left open"));
    m_host.reset();
    QCOMPARE(m_day->GetWorkout(0)->GetExercise(0)->GetNote(), QStringLiteral("left open"));
}

// ---- Statuses --------------------------------------------------------------------------------

void TestDayTabCtrl::statusCyclesWithDoubleClicks_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("sequence");
    QTest::addColumn<bool>("editable");

    QTest::newRow("not yet") << 0 << QList<int> {1, 2, 0} << true;
    QTest::newRow("done") << 1 << QList<int> {2, 0, 1} << true;
    QTest::newRow("failed") << 2 << QList<int> {0, 1, 2} << true;
    QTest::newRow("read-only grid") << 2 << QList<int> {2, 2, 2} << false;
}

void TestDayTabCtrl::statusCyclesWithDoubleClicks()
{
    QFETCH(int, start);
    QFETCH(QList<int>, sequence);
    QFETCH(bool, editable);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 3)));
    day->GetWorkout(0)->GetExercise(1)->SetStatus(static_cast<ProgressStatus>(start));
    Bind(std::move(day), editable);
    const ExerciseEntry *exercise = m_day->GetWorkout(0)->GetExercise(1);
    const StatusImageSet images(true, StatusImageSize::Small16);

    for (const int expected : sequence) {
        DoubleClickCell(2, Col::Status);
        QCOMPARE(static_cast<int>(exercise->GetStatus()), expected);
        QCOMPARE(Grid().GetItemImage(2, Col::Status)->toImage(),
                 images.ForStatus(expected).toImage());
        // The other rows keep their status.
        QCOMPARE(m_day->GetWorkout(0)->GetExercise(0)->GetStatus(), ProgressStatus::NotYet);
    }
    QCOMPARE(SelectedRows(Grid()), QList<int> {2});
}

void TestDayTabCtrl::markSelectedRowsOnly_data()
{
    QTest::addColumn<bool>("programMode");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("status");

    QTest::newRow("failed") << false << "Mark exercise(s) as 'Failed'" << 2;
    QTest::newRow("done") << false << "Mark exercise(s) as 'Done'" << 1;
    QTest::newRow("program mode") << true << "Mark exercise(s) as 'Failed'" << 2;
}

void TestDayTabCtrl::markSelectedRowsOnly()
{
    QFETCH(bool, programMode);
    QFETCH(QString, entry);
    QFETCH(int, status);

    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 5)));
    m_ctrl->SetProgramMode(programMode);
    Bind(std::move(day), false); // the menu works in a read-only grid too

    // The user selects the second and the fourth exercise with Ctrl held.
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().CellRect(2, 1).center());
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::ControlModifier,
                      Grid().CellRect(4, 1).center());
    QCOMPARE(SelectedRows(Grid()), (QList<int> {2, 4}));

    ChooseFromNextPopup(this, entry);
    RightClickCell(4, Col::Sets);

    const Workout &workout = *m_day->GetWorkout(0);
    for (int i = 0; i < 5; ++i) {
        const int expected = (i == 1 || i == 3) ? status : 0;
        QCOMPARE(static_cast<int>(workout.GetExercise(i)->GetStatus()), expected);
    }
    // The selection stays as it was and the focus is on the clicked cell.
    QCOMPARE(SelectedRows(Grid()), (QList<int> {2, 4}));
    QCOMPARE(Grid().GetFocusCell(), (CCellID {4, Col::Sets}));
    const StatusImageSet images(true, StatusImageSize::Small16);
    const QImage shown =
        programMode ? images.NotYet().toImage() : images.ForStatus(status).toImage();
    QCOMPARE(Grid().GetItemImage(2, Col::Status)->toImage(), shown);
}

// ---- Columns ---------------------------------------------------------------------------------

void TestDayTabCtrl::columnsFromSettings_data()
{
    QTest::addColumn<QList<int>>("stored"); // widths in the settings, Status first
    QTest::addColumn<QList<bool>>("shown");
    QTest::addColumn<bool>("fills");

    QTest::newRow("defaults") << QList<int> {10, 10, 10, 10, 10, 10, 10, 10}
                              << QList<bool> {true, true, true, true, true, true, true, true}
                              << true;
    QTest::newRow("all zero shows the names")
        << QList<int> {0, 0, 0, 0, 0, 0, 0, 0}
        << QList<bool> {false, true, false, false, false, false, false, false} << true;
    QTest::newRow("status only adds the names")
        << QList<int> {10, 0, 0, 0, 0, 0, 0, 0}
        << QList<bool> {true, true, false, false, false, false, false, false} << true;
    QTest::newRow("no notes: sized to contents")
        << QList<int> {31, 120, 40, 0, 0, 0, 55, 0}
        << QList<bool> {true, true, true, false, false, false, true, false} << false;
}

void TestDayTabCtrl::columnsFromSettings()
{
    QFETCH(QList<int>, stored);
    QFETCH(QList<bool>, shown);
    QFETCH(bool, fills);

    SettingsStore store;
    for (int col = 0; col < Col::Count; ++col)
        store.Write(SettingsKeys::ExerciseColumns[static_cast<size_t>(col)], stored.at(col));
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 3)));
    Bind(std::move(day));

    int total = 0;
    const QList<QAction *> entries = m_ctrl->GetColumnMenu()->actions();
    QCOMPARE(entries.size(), Col::Count);
    for (int col = 0; col < Col::Count; ++col) {
        QCOMPARE(Grid().GetColumnWidth(col) > 0, shown.at(col));
        QCOMPARE(entries.at(col)->isChecked(), shown.at(col));
        total += Grid().GetColumnWidth(col);
    }
    if (fills)
        QCOMPARE(total, Grid().viewport()->width());
    else
        QVERIFY(total < Grid().viewport()->width());

    // Closing writes the widths back: the shown ones are not 0, the hidden ones are.
    m_host.reset();
    for (int col = 0; col < Col::Count; ++col)
        QCOMPARE(StoredWidth(col) > 0, shown.at(col));
}

void TestDayTabCtrl::columnMenuTogglesColumns()
{
    auto day = std::make_unique<TrainingDay>();
    day->AddWorkout(MakeWorkout(QStringLiteral("W"), Named(QStringLiteral("e"), 2)));
    Bind(std::move(day));

    // Hiding through the menu on the heading row; the settings follow at once.
    for (const char *name : {"Note", "Negative", "Forced", "Weight", "Reps", "Sets"}) {
        ChooseFromNextPopup(this, QString::fromLatin1(name));
        RightClickCell(0, Col::Exercise);
    }
    for (int col = Col::Sets; col < Col::Count; ++col) {
        QCOMPARE(Grid().GetColumnWidth(col), 0);
        QCOMPARE(StoredWidth(col), 0);
    }
    // The names are the last column to read: they stay, and so does the status column.
    ChooseFromNextPopup(this, QStringLiteral("Exercise"));
    RightClickCell(0, Col::Exercise);
    ChooseFromNextPopup(this, QStringLiteral("Status"));
    RightClickCell(0, Col::Exercise);
    QVERIFY(Grid().GetColumnWidth(Col::Exercise) > 0);
    QVERIFY(Grid().GetColumnWidth(Col::Status) > 0);
    QVERIFY(m_ctrl->GetColumnMenu()->actions().at(Col::Exercise)->isChecked());

    // Showing a column again.
    ChooseFromNextPopup(this, QStringLiteral("Weight"));
    RightClickCell(0, Col::Exercise);
    QVERIFY(Grid().GetColumnWidth(Col::Weight) > 0);
    QVERIFY(StoredWidth(Col::Weight) > 0);
    QCOMPARE(Grid().GetItemText(1, Col::Weight), QStringLiteral("0.00"));
}

REPBOOK_TEST_MAIN(TestDayTabCtrl)
#include "tst_daytabctrl.moc"
