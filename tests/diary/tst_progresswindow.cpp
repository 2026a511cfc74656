#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/ProgressWindow.h"
#include "model/DiaryDatabase.h"
#include "progress/CConsistencyPage.h"
#include "progress/CExercisePage.h"
#include "progress/CProgressChart.h"
#include "progress/CProgressDlg.h"
#include "progress/CYearGrid.h"
#include "progress/ChartRange.h"
#include "widgets/FileDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

using namespace diarytest;

namespace {

QList<double> Values(const QXYSeries *series)
{
    QList<double> values;
    for (const QPointF &point : series->points())
        values.append(point.y());
    return values;
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT

private slots:
    void followsDiaryAndSelectsClickedDay();
    void narrowedChartShowsWeeks();
};

void TestProgressWindow::narrowedChartShowsWeeks()
{
    // 200 days in a row, from a Monday: a point for each when wide, for each week when narrowed.
    QList<ExerciseDayStats> days;
    for (int i = 0; i < 200; ++i)
        days.append({.date = QDate(2007, 1, 1).addDays(i), .heaviest = 50.0 + i % 7});
    CProgressChart chart;
    chart.resize(1600, 400);
    chart.show();
    chart.ShowDays(days, ProgressMeasure::Heaviest, WeightUnit(), {}, QString());
    QTRY_COMPARE(chart.Line()->count(), 200);
    chart.resize(400, 400);
    QTRY_COMPARE(chart.Line()->count(), 29);
    QCOMPARE(Values(chart.Line()).constFirst(), 56.0);
}

void TestProgressWindow::followsDiaryAndSelectsClickedDay()
{
    testsupport::BeginGuiCase(QDateTime(QDate(2007, 3, 20), QTime(10, 0)));
    DiaryUnderTest diary;
    DiaryDatabase &database = diary.Reset();
    QVERIFY(
        BuildDiary(database,
                   QStringLiteral("7.3.2007 Strength:done[Bench_press 3x3 89.75, Squat 3x5 100]; "
                                  "10.1.2007 Strength:done[bench_press_ 3x5 80]; "
                                  "14.2.2007 Strength:done[Bench_press 3x5 85]; "
                                  "14.3.2007 Strength:done[Squat 3x5 100, Pull-up 3x8 done]")));

    auto window = OpenWindow(diary.File());
    window->ExecuteCommand(CommandId::Progress);
    CProgressDlg *dialog = window->Progress().Dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr); // the diary stays usable beside it
    CExercisePage *page = dialog->Exercises();
    QCOMPARE(page->ExerciseList()->topLevelItemCount(), 3);
    // The first listed, body-weight work, shows repetitions; a lone point gets room either side.
    CProgressChart *chart = page->Chart();
    QCOMPARE(chart->chart()->axes(Qt::Vertical)[0]->titleText(), "Most repetitions");
    const auto *axis = qobject_cast<QDateTimeAxis *>(chart->chart()->axes(Qt::Horizontal)[0]);
    QCOMPARE(axis->min().date(), QDate(2007, 2, 26));

    // A measure the user chose stays when a weighted exercise is shown next.
    auto *measure = page->findChild<QComboBox *>();
    QTest::keyClick(measure, Qt::Key_Down); // from Most repetitions to Sets
    page->FilterBox()->setText(QStringLiteral(" SQU "));
    QCOMPARE(page->ChosenExercise(), "Squat"); // the chart follows the filter
    QCOMPARE(measure->currentData(), int(ProgressMeasure::Sets));
    QTest::keyClick(measure, Qt::Key_Home);
    // Of equal best values the first is named.
    QCOMPARE(chart->accessibleDescription(),
             "Squat, Heaviest weight (kg), All time: first 100 on 7 March 2007, latest 100 on 14 "
             "March 2007, best 100 on 7 March 2007");
    QVERIFY(!page->ChooseExercise(QStringLiteral("Deadlift")));
    QVERIFY(page->ChooseExercise(QStringLiteral("BENCH PRESS"))); // listed although filtered out
    QVERIFY(!page->ExerciseList()->currentItem()->isHidden());
    page->FilterBox()->clear();
    QCOMPARE(Values(chart->Line()), (QList<double> {80.0, 85.0, 89.75}));
    // The calendar's span: a change of one end redraws; hovering a point names it.
    page->ChooseSpan(ChartSpan::Calendar);
    for (const QDate last : {QDate(2007, 3, 31), QDate(2007, 2, 28)})
        page->SetCalendarSpan({QDate(2007, 1, 1), last});
    QCOMPARE(Values(chart->Line()), (QList<double> {80.0, 85.0}));
    emit chart->Line()->hovered(chart->Line()->at(1), true);
    QCOMPARE(QToolTip::text(), "Wednesday, February 14, 2007\nHeaviest weight (kg): 85");
    page->ChooseSpan(ChartSpan::AllTime);
    for (const auto &[x, nearest] : {std::pair {QDate(2007, 1, 1), QDate(2007, 1, 10)},
                                     {QDate(2007, 2, 16), QDate(2007, 2, 14)},
                                     {QDate(2007, 4, 1), QDate(2007, 3, 7)}})
        QCOMPARE(chart->NearestDay({CProgressChart::XOfDate(x), 0}), nearest);
    QTableWidget *records = page->Records();
    QCOMPARE(records->item(1, 0)->text() + u' ' + records->item(1, 1)->text(),
             "Heaviest, 2\u20133 reps 89.75 kg \u00d7 3");
    QCOMPARE(records->item(1, 2)->data(Qt::UserRole).toDate(), QDate(2007, 3, 7));
    QCOMPARE(records->item(2, 2)->data(Qt::UserRole).toDate(), QDate(2007, 2, 14));
    QCOMPARE(chart->accessibleDescription(),
             "Bench press, Heaviest weight (kg), All time: first 80 on 10 January 2007, latest "
             "89.75 on 7 March 2007, best 89.75 on 7 March 2007");

    // The year grid by keyboard: from today a week back and a day on; Enter selects that day.
    CConsistencyPage *consistency = dialog->Consistency();
    CYearGrid *grid = consistency->Grid();
    QAccessibleInterface *days = QAccessible::queryAccessibleInterface(grid);
    consistency->ShowYear(2008);
    QAccessibleInterface *leapDay = days->child(365); // gone when a year of 365 days is shown
    QVERIFY(leapDay && leapDay->isValid());
    consistency->ShowYear(2007);
    auto *months = static_cast<QGridLayout *>(consistency->MonthShare(1)->parentWidget()->layout());
    QCOMPARE((QStringList {static_cast<QLabel *>(months->itemAtPosition(0, 11)->widget())->text(),
                           consistency->MonthShare(3)->text(), consistency->MonthShare(12)->text(),
                           consistency->Streaks()->text()}),
             (QStringList {"Dec", "100%", "\u2014",
                           "Weeks in a row with a done workout: 2 weeks now, 2 weeks at most."}));
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(grid, key);
    QCOMPARE(window->WorkoutAreaDay()->GetDate().ToQDate(), QDate(2007, 3, 14));
    QCOMPARE(days->childCount(), 365);
    QCOMPARE(days->child(grid->CurrentIndex())->text(QAccessible::Name),
             QStringLiteral("Wednesday 14 March 2007: All workouts done"));
    QCOMPARE(days->child(0)->text(QAccessible::Name), "Monday 1 January 2007: No workout");
    QVERIFY(!days->child(365) && !leapDay->isValid() &&
            leapDay->text(QAccessible::Name).isEmpty() &&
            days->child(0)->text(QAccessible::Description).isEmpty() &&
            days->child(0)->state().focusable);
    // A left click selects a day; a right click does not.
    QTest::mouseClick(grid, Qt::RightButton, {}, grid->SquareOf({2007, 3, 7}).center());
    QCOMPARE(window->WorkoutAreaDay()->GetDate().ToQDate(), QDate(2007, 3, 14));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->SquareOf({2007, 3, 7}).center());
    QCOMPARE(window->WorkoutAreaDay()->GetDate().ToQDate(), QDate(2007, 3, 7));
    // The keys stop at either end of the year; each square, and nothing beside them, is a day.
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left})
        QTest::keyClick(grid, key);
    QCOMPARE(grid->CurrentIndex(), 0);
    for (const Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(grid, key);
    QCOMPARE(grid->CurrentIndex(), 364);
    for (QDate date(2007, 1, 1); date.year() == 2007; date = date.addDays(1))
        QCOMPARE(grid->DateAt(grid->SquareOf(date).topLeft()), date);
    const QPoint first = grid->SquareOf({2007, 1, 1}).topLeft(),
                 cell(0, grid->SquareOf({2007, 1, 2}).top() - first.y());
    for (const QPoint point : {first - QPoint(1, 0), first - cell, first + 7 * cell,
                               grid->SquareOf({2007, 12, 31}).topLeft() + cell})
        QVERIFY(!grid->DateAt(point).isValid());

    // A click on the February point brings that day into the calendar and selects it.
    const QPointF point = chart->Line()->at(1);
    const QPoint onScreen =
        chart->mapFromScene(chart->chart()->mapToPosition(point, chart->Line()));
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, onScreen);
    QVERIFY(window->WorkoutAreaDay());
    QCOMPARE(window->WorkoutAreaDay()->GetDate().ToQDate(), QDate(2007, 2, 14));

    // The chart follows a change of appearance.
    QPalette palette = chart->palette();
    palette.setColor(QPalette::Base, QColor(30, 30, 30));
    chart->setPalette(palette);
    QCOMPARE(chart->chart()->backgroundBrush().color(), QColor(30, 30, 30));

    // The chart saves as a PNG.
    QTemporaryDir folder;
    FileDialog::setNextFileNames({folder.filePath(QStringLiteral("chart"))});
    ClickButton(dialog, QStringLiteral("Save &image..."));
    // Named after exercise and measure, and titled with them and the span.
    QCOMPARE(QFileInfo(FileDialog::lastProposedPath()).fileName(),
             "Bench press - Heaviest weight.png");
    QCOMPARE(page->ImageTitle(), "Bench press \u2014 Heaviest weight \u2014 All time");
    QVERIFY(QImage(folder.filePath(QStringLiteral("chart.png"))).height() > chart->height());

    // A weight changed in the diary, no best with it; then days removed.
    database.FindDay(Date(2007, 1, 10))->GetWorkout(0)->GetExercise(0)->SetWeight(81);
    window->Progress().DiaryChanged();
    QTRY_COMPARE(Values(chart->Line()), (QList<double> {81.0, 85.0, 89.75}));
    QVERIFY(!page->ShowsEmptyState());
    window->RemoveFocusedDay();
    QTRY_COMPARE(Values(chart->Line()), (QList<double> {81.0, 89.75}));
    QCOMPARE(records->item(2, 2)->data(Qt::UserRole).toDate(), QDate(2007, 1, 10));
    for (const QDate date : {QDate(2007, 1, 10), QDate(2007, 3, 7), QDate(2007, 3, 14)}) {
        window->ShowDate(date);
        window->RemoveFocusedDay();
    }
    QCOMPARE(database.GetDayCount(), 0);
    QTRY_VERIFY(page->ShowsEmptyState());
    REPBOOK_END_GUI_CASE();
}

REPBOOK_TEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
