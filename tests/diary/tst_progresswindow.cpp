#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/ProgressWindow.h"
#include "model/Clock.h"
#include "model/DiaryDatabase.h"
#include "progress/CExercisePage.h"
#include "progress/CProgressChart.h"
#include "progress/CProgressDlg.h"
#include "settings/SettingsStore.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace diarytest;

namespace {

void AddLift(DiaryDatabase &database, const QDate &date, const QString &name, int reps,
             float weight)
{
    auto entry = std::make_unique<ExerciseEntry>();
    entry->SetName(name);
    entry->SetSets(3);
    entry->SetReps(reps);
    entry->SetWeight(weight); // Done
    auto workout = std::make_unique<Workout>();
    workout->SetName(QStringLiteral("Strength"));
    workout->AddExercise(std::move(entry));
    workout->SetStatus(ProgressStatus::Done, false);
    auto day = std::make_unique<TrainingDay>();
    day->SetDate(DateValue::FromQDate(date));
    day->AddWorkout(std::move(workout));
    database.AddDay(std::move(day));
}

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
};

void TestProgressWindow::followsDiaryAndSelectsClickedDay()
{
    MessageBox::setTestMode(true);
    FileDialog::setTestMode(true);
    ClearSettings();
    ResetDatabaseFolder();
    Clock::SetFixed(QDateTime(QDate(2007, 3, 20), QTime(10, 0)));
    StoreRange(QStringLiteral("1.3.2007"), 31);
    DiaryUnderTest diary;
    DiaryDatabase &database = diary.Reset();
    AddLift(database, QDate(2007, 3, 7), QStringLiteral("Bench press"), 3, 90.0f);
    AddLift(database, QDate(2007, 1, 10), QStringLiteral("bench press "), 5, 80.0f);
    AddLift(database, QDate(2007, 2, 14), QStringLiteral("Bench press"), 5, 85.0f);
    AddLift(database, QDate(2007, 3, 14), QStringLiteral("Squat"), 5, 100.0f);

    CRepbookDlg window(diary.File());
    window.resize(900, 700);
    window.show();
    window.ExecuteCommand(CommandId::Progress);
    CProgressDlg *dialog = window.Progress().Dialog();
    QVERIFY(dialog && dialog->isVisible());
    CExercisePage *page = dialog->Exercises();
    QCOMPARE(page->ExerciseList()->topLevelItemCount(), 2);
    QCOMPARE(page->ExerciseList()->topLevelItem(0)->text(CExercisePage::NameColumn),
             QStringLiteral("Squat"));

    QVERIFY(page->ChooseExercise(QStringLiteral("BENCH PRESS")));
    CProgressChart *chart = page->Chart();
    QCOMPARE(Values(chart->Line()), (QList<double> {80.0, 85.0, 90.0}));
    QTableWidget *records = page->Records();
    QCOMPARE(records->item(1, 0)->text(), QStringLiteral("Heaviest, 2\u20133 reps"));
    QCOMPARE(records->item(1, 1)->text(), QStringLiteral("90 \u00d7 3"));
    QCOMPARE(records->item(1, 2)->data(Qt::UserRole).toDate(), QDate(2007, 3, 7));
    QCOMPARE(records->item(2, 2)->data(Qt::UserRole).toDate(), QDate(2007, 2, 14));

    // A click on the February point brings that day into the calendar and selects it.
    const QPointF point = chart->Line()->at(1);
    const QPoint onScreen =
        chart->mapFromScene(chart->chart()->mapToPosition(point, chart->Line()));
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, onScreen);
    QVERIFY(window.WorkoutAreaDay());
    QCOMPARE(window.WorkoutAreaDay()->GetDate().ToQDate(), QDate(2007, 2, 14));

    // The chart saves as a PNG.
    QTemporaryDir folder;
    FileDialog::setNextFileNames({folder.filePath(QStringLiteral("chart"))});
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("Save &image..."))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(!QImage(folder.filePath(QStringLiteral("chart.png"))).isNull());

    // Days removed in the diary: the window reads it again.
    window.RemoveFocusedDay();
    QTRY_COMPARE(Values(chart->Line()), (QList<double> {80.0, 90.0}));
    QCOMPARE(records->item(2, 2)->data(Qt::UserRole).toDate(), QDate(2007, 1, 10));
    for (const QDate date : {QDate(2007, 1, 10), QDate(2007, 3, 7), QDate(2007, 3, 14)}) {
        window.ShowDate(date);
        window.RemoveFocusedDay();
    }
    QCOMPARE(database.GetDayCount(), 0);
    QTRY_VERIFY(page->ShowsEmptyState());
    QCOMPARE(MessageBox::takeUnexpected(), QStringList());
    Clock::Reset();
}

REPBOOK_TEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
