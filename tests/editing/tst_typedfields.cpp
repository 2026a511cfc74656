#include "DayFixtures.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CSmartComboBox.h"
#include "model/DatabaseWriter.h"
#include "model/ExerciseColumns.h"
#include "settings/SettingsStore.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <cmath>

using namespace dayfixtures;
namespace Col = ExerciseColumns;

// What the user types into a day: names completed from the exercise list, weights in pounds
// shown back as typed and stored byte for byte.
class TestTypedFields : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    bool Load(CSmartComboBox &combo, const QByteArray &file)
    {
        const QString list = m_folder.filePath(QStringLiteral("UEList.txt"));
        combo.SetListFile(list);
        return testsupport::WriteFile(list, file) && combo.Load();
    }

private slots:
    // The name field completes typed text with the first name of the list that begins with it, and
    // leaves the text alone when the user deletes.
    // Alphabetical whatever the letter case; names that differ only in case keep the file's order.
    void listedInOrder_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("letter case ignored") << QByteArray("row\r\nBench press\r\nabs\r\n")
                                             << QStringList {"abs", "Bench press", "row"};
        QTest::newRow("equal but for case, file order")
            << QByteArray("squat\r\nSQUAT\r\nDips\r\nSquat\r\n")
            << QStringList {"Dips", "squat", "SQUAT", "Squat"};
    }
    void listedInOrder()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, listed);
        CSmartComboBox combo;
        QVERIFY(Load(combo, file));
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        QCOMPARE(items, listed);
    }
    // Typed text is completed with the tail selected, except after Backspace; a name given
    // beforehand shows its entry, or the first one it begins, or itself, all selected so that
    // typing replaces it.
    void completes_data()
    {
        QTest::addColumn<bool>("preset"); // given beforehand, not typed
        QTest::addColumn<QString>("input"); // "<" is Backspace
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        const auto row = [](const char *name, bool preset, const char *input, const char *text,
                            const char *selected) {
            QTest::newRow(name) << preset << QString::fromUtf8(input) << QString::fromUtf8(text)
                                << QString::fromUtf8(selected);
        };
        row("typed: completed, the tail selected", false, "Sq", "Squat", "uat");
        row("typed on: follows the name", false, "Squ", "Squat", "at");
        row("typed: Backspace does not complete again", false, "Sq<", "Sq", "");
        row("typed: no such name", false, "Zz", "Zz", "");
        row("given: equal", true, "Row", "Row", "Row");
        row("given: equal but for case", true, "ROW", "Row", "Row");
        row("given: beginning", true, "Sq", "Squat", "Squat");
        row("given: not listed", true, "Zz", "Zz", "Zz");
    }
    void completes()
    {
        QFETCH(bool, preset);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        CSmartComboBox combo;
        QVERIFY(Load(combo, "Squat\r\nBench press\r\nRow\r\n"));
        if (preset)
            combo.SelectPreset(input);
        else
            combo.lineEdit()->clear();
        for (const QChar c : preset ? QString() : input) {
            if (c == u'<')
                QTest::keyClick(combo.lineEdit(), Qt::Key_Backspace);
            else
                QTest::keyClicks(combo.lineEdit(), QString(c));
        }
        QCOMPARE(combo.currentText(), text);
        QCOMPARE(combo.lineEdit()->selectedText(), selected);
    }

    // The exercise grid in pounds, through the control as the day dialog uses it: what the user
    // leaves as shown keeps the file byte for byte, and typed pounds show back as typed.
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

REPBOOK_TEST_MAIN(TestTypedFields)

#include "tst_typedfields.moc"
