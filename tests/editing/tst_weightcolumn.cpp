#include "DayFixtures.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "model/DatabaseWriter.h"
#include "model/ExerciseColumns.h"
#include "settings/SettingsStore.h"

#include <cmath>

using namespace dayfixtures;
namespace Col = ExerciseColumns;

// The exercise grid in pounds, through the control as the day dialog uses it: what the user
// leaves as shown keeps the file byte for byte, and typed pounds show back as typed.
class TestWeightColumn : public QObject
{
    Q_OBJECT

private slots:
    void init() { SettingsStore().Write(SettingsKeys::WeightUnitChoice, WeightUnit::Pounds); }
    void cleanup()
    {
        m_ctrl.reset();
        m_day.reset();
        SettingsStore().Write(SettingsKeys::WeightUnitChoice, -1);
    }
    void poundsRoundTrip()
    {
        // Every quarter kilogram up to the heaviest weight a diary takes.
        QList<float> weights;
        for (int quarters = 0; quarters <= 2000; ++quarters)
            weights.append(float(quarters) * 0.25f);
        Show(weights);
        QCOMPARE(m_ctrl->GetGrid()->GetItemText(401, Col::Weight), QStringLiteral("220.5"));
        const QByteArray before = DatabaseWriter::DayRecord(*m_day);
        WriteBack({});
        // Weights and statuses alike: a weight nobody typed marks nothing Done.
        QCOMPARE(DatabaseWriter::DayRecord(*m_day), before);

        // Every half pound up to 1100, typed into empty weights.
        QStringList typed;
        for (int halves = 0; halves <= 2200; ++halves)
            typed.append(QString::number(halves * 0.5, 'f', 1));
        Show(QList<float>(typed.size(), 0.0f));
        WriteBack(typed);
        const Workout &workout = *m_day->GetWorkout(0);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            QCOMPARE(m_ctrl->GetGrid()->GetItemText(int(i) + 1, Col::Weight), typed[i]);
            // Stored as kilograms with two decimals.
            const double kg =
                std::round(typed[i].toDouble() * WeightUnit::PoundInKg * 100.0) / 100.0;
            QCOMPARE(DatabaseWriter::WeightText(workout.GetExercise(int(i))->GetWeight()),
                     QByteArray::number(kg, 'f', 2));
        }
    }

private:
    // Shows a day of one workout with an exercise per weight.
    void Show(const QList<float> &weights)
    {
        QStringList exercises;
        for (qsizetype i = 0; i < weights.size(); ++i)
            exercises.append(QStringLiteral("Lift_%1 3x10 %2 notyet")
                                 .arg(i + 1)
                                 .arg(QString::number(double(weights[i]), 'g', 9)));
        m_day = BuildDay(QStringLiteral("- W[%1]").arg(exercises.join(QStringLiteral(", "))));
        m_ctrl = std::make_unique<CDayTabCtrl>();
        m_ctrl->SetDay(m_day.get());
    }
    // Types into the weight cells from the first row on and writes the grid back.
    void WriteBack(const QStringList &typed)
    {
        CGridCtrl &grid = *m_ctrl->GetGrid();
        for (qsizetype i = 0; i < typed.size(); ++i)
            grid.SetItemText(int(i) + 1, Col::Weight, typed[i]);
        m_ctrl->SetInSync(false);
        QVERIFY(m_ctrl->WriteBack());
        m_ctrl->RefreshRows();
    }

    std::unique_ptr<TrainingDay> m_day;
    std::unique_ptr<CDayTabCtrl> m_ctrl;
};

REPBOOK_TEST_MAIN(TestWeightColumn)
#include "tst_weightcolumn.moc"
