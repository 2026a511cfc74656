#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/COptionsCommonPage.h"
#include "diary/COptionsSheet.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/ProgressWindow.h"
#include "editing/CDayTabCtrl.h"
#include "images/StatusImages.h"
#include "model/ExerciseColumns.h"
#include "progress/CExercisePage.h"
#include "progress/CProgressChart.h"
#include "progress/CProgressDlg.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"

#include <QLineSeries>
#include <QRadioButton>

using namespace diarytest;

// The diary's Options: the status pictures a stored choice shows, and a weight unit chosen
// turning every open view.
class TestOptions : public WindowCase
{
    Q_OBJECT

private slots:
    // The stored status-image setting may hold any number: every value above 0 means flags. Each
    // choice shows the Done picture of its own set.
    void storedChoiceShown_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("shields") << 0 << int(COptionsCommonPage::Shields);
        QTest::newRow("flags") << 1 << int(COptionsCommonPage::Flags);
        QTest::newRow("any value above 0") << 7 << int(COptionsCommonPage::Flags);
        QTest::newRow("negative") << -1 << int(COptionsCommonPage::Shields);
    }
    void storedChoiceShown()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        COptionsCommonPage page;
        page.SetStatusChoice(stored == 0 ? 1 : 0); // start from the other choice
        page.SetStatusChoice(stored);
        QCOMPARE(int(page.GetStatusChoice()), shown);
        const bool shields = shown == COptionsCommonPage::Shields;
        const QRadioButton *button = page.findChild<QRadioButton *>(
            shields ? QStringLiteral("shieldsButton") : QStringLiteral("flagsButton"));
        QVERIFY(button->isChecked());
        const StatusImageSet set(shields, StatusImageSize::Small16);
        QCOMPARE(button->icon().pixmap(16).toImage(), QIcon(set.Done()).pixmap(16).toImage());
    }

    // Choosing pounds in Options turns the numbers of every open view, not only their labels.
    void optionsTurnEveryOpenView()
    {
        SettingsStore().Write(SettingsKeys::WeightUnitChoice, WeightUnit::Kilograms);
        DiaryUnderTest diary;
        QVERIFY(
            testsupport::BuildDiary(diary.Reset(), QStringLiteral("7.3.2007 Push[Bench 3x5 100]")));
        auto window = OpenWindow(diary.File());
        const CalendarCell cell = window->CellOf(Date(2007, 3, 7));
        window->SelectDay(cell.row, cell.col);
        window->ExecuteCommand(CommandId::Progress);
        CExercisePage *page = window->Progress().Dialog()->Exercises();
        QVERIFY(page->ChooseExercise(QStringLiteral("Bench")));

        const CGridCtrl &grid = *window->WorkoutArea()->GetGrid();
        const auto shown = [&] {
            const QLineSeries *line = page->Chart()->Line();
            return QStringList {
                grid.GetItemText(0, ExerciseColumns::Weight),
                grid.GetItemText(1, ExerciseColumns::Weight), QString::number(line->at(0).y()),
                page->Chart()->chart()->axes(Qt::Vertical).constFirst()->titleText(),
                page->Records()->item(2, 1)->text()};
        };
        QCOMPARE(shown(),
                 (QStringList {QStringLiteral("Weight (kg)"), QStringLiteral("100.00"),
                               QStringLiteral("100"), QStringLiteral("Heaviest weight (kg)"),
                               QStringLiteral("100 kg \u00d7 5")}));

        testsupport::WhenModal<COptionsSheet>([](COptionsSheet *sheet) {
            testsupport::Child<QRadioButton>(sheet, "poundsButton")->click();
            sheet->accept();
        });
        window->ExecuteCommand(CommandId::Options);
        QCOMPARE(SettingsStore().Read(SettingsKeys::WeightUnitChoice), int(WeightUnit::Pounds));
        QTRY_COMPARE(shown(),
                     (QStringList {QStringLiteral("Weight (lb)"), QStringLiteral("220.5"),
                                   QStringLiteral("220.5"), QStringLiteral("Heaviest weight (lb)"),
                                   QStringLiteral("220.5 lb \u00d7 5")}));
    }
};

REPBOOK_TEST_MAIN(TestOptions)

#include "tst_options.moc"
