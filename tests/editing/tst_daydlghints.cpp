#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CEmptyDlg.h"
#include "editing/CNameDlg.h"
#include "editing/CSmartComboBox.h"
#include "model/TrainingDay.h"

#include <QAbstractButton>
#include <QTimer>

// Double-clicking the hint of an empty day adds a workout, that of an empty workout an exercise:
// each time one name is asked, by the dialog of its kind.
class TestDayDlgHints : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(); }
    void cleanup() { REPBOOK_END_GUI_CASE(); }

    void hintsAddWorkoutThenExercise()
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
            QTest::mouseClick(testsupport::Child<QAbstractButton>(name, "okButton"),
                              Qt::LeftButton);
        });
        answer.start();
        CEmptyDlg *placeholder = dialog.GetTabCtrl()->GetPlaceholder();
        QTest::mouseDClick(placeholder, Qt::LeftButton);
        QCOMPARE(asked, QStringList {QStringLiteral("CTrainingDlg")});
        QTest::mouseDClick(placeholder, Qt::LeftButton);
        answer.stop();
        QCOMPARE(asked,
                 (QStringList {QStringLiteral("CTrainingDlg"), QStringLiteral("CExerciseDlg")}));
        QCOMPARE(day.GetWorkoutCount(), 1);
        QCOMPARE(day.GetWorkout(0)->GetExerciseCount(), 1);
    }
};

REPBOOK_TEST_MAIN(TestDayDlgHints)

#include "tst_daydlghints.moc"
