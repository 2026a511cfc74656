#include "DayFixtures.h"
#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CSmartComboBox.h"
#include "editing/DayCellLayout.h"
#include "editing/DayCellSpeech.h"
#include "model/DatabaseWriter.h"
#include "model/ExerciseColumns.h"
#include "settings/SettingsStore.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <cmath>

using namespace dayfixtures;
namespace Col = ExerciseColumns;

// A day as the user sees and fills it. Its calendar or program cell: what it says (the date, each
// workout with its status, the note) and which of its workouts it draws as image rows. What the
// user types into it: names completed from the exercise list, weights in pounds shown back as
// typed and stored byte for byte.
class TestDayCell : public QObject
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
    // What the cell says.
    void names_data()
    {
        // Workouts as "name=status" with 0 Not yet, 1 Done, 2 Failed; "-" for a cell without a day.
        QTest::addColumn<QStringList>("workouts");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QDate>("date"); // none: a program day
        QTest::addColumn<bool>("inRange");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *tag, const char *workouts, const char *note, QDate date,
                            bool inRange, const char *name) {
            QTest::newRow(tag) << QString(workouts).split(u' ', Qt::SkipEmptyParts) << QString(note)
                               << date << inRange << QString::fromUtf8(name);
        };
        row("today, every status, note", "Chest=1 Back=0 Legs=2", "felt strong", {2026, 12, 7},
            true,
            "Monday 7 December 2026, today: Chest, Done; Back, Not yet; Legs, Failed; has a note");
        row("empty day", "", "", {2026, 12, 8}, true, "Tuesday 8 December 2026: no workouts");
        row("no day", "-", "", {2026, 12, 8}, true, "Tuesday 8 December 2026: no workouts");
        row("note, no workouts", "", "rest", {2026, 12, 4}, true,
            "Friday 4 December 2026: no workouts; has a note");
        row("blank note", "Run=1", "  \n", {2026, 12, 31}, true,
            "Thursday 31 December 2026: Run, Done");
        row("outside the range", "-", "", {2026, 12, 6}, false,
            "Sunday 6 December 2026, outside the range");
        row("today outside the range", "-", "", {2026, 12, 7}, false,
            "Monday 7 December 2026, today, outside the range");
        // Program days show their workouts as not yet done, whatever they keep.
        row("program day", "Push=1 Pull=2", "deload", {}, true,
            "Day 2: Push, Not yet; Pull, Not yet; has a note");
        row("empty program day", "", "", {}, true, "Day 2: no workouts");
    }
    void names()
    {
        QFETCH(QStringList, workouts);
        QFETCH(QString, note);
        QFETCH(QDate, date);
        QFETCH(bool, inRange);
        QFETCH(QString, name);

        TrainingDay day;
        day.SetNotes(note);
        const TrainingDay *shown = workouts.removeAll(QStringLiteral("-")) ? nullptr : &day;
        for (const QString &workout : workouts)
            day.AddWorkout(BuildWorkout(QString(workout).replace(u'=', QStringLiteral(":s"))));
        if (date.isValid())
            QCOMPARE(DayCellSpeech::CalendarName(date, QDate(2026, 12, 7), inRange, shown), name);
        else
            QCOMPARE(DayCellSpeech::ProgramName(QStringLiteral("Day 2"), shown), name);
        QCOMPARE(DayCellSpeech::Description(shown), note.trimmed().isEmpty() ? QString() : note);
    }

    // Which workouts of a day cell are drawn as image rows: the image list is used only when every
    // row fits the area below the label (an exact fit included), and a row is drawn only while it
    // ends inside the area.
    void imageRowsFit_data()
    {
        QTest::addColumn<int>("areaHeight");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("imageHeight");
        QTest::addColumn<bool>("listFits");
        QTest::newRow("one 32-pixel row in 40 pixels") << 40 << 1 << 32 << true;
        QTest::newRow("two 32-pixel rows in 40 pixels") << 40 << 2 << 32 << false;
        QTest::newRow("exact fit") << 48 << 3 << 16 << true;
        QTest::newRow("one pixel short") << 47 << 3 << 16 << false;
        QTest::newRow("no image height") << 48 << 1 << 0 << false;
        QTest::newRow("an image taller than the area") << 48 << 1 << (1 << 30) << false;
    }
    void imageRowsFit()
    {
        QFETCH(int, areaHeight);
        QFETCH(int, count);
        QFETCH(int, imageHeight);
        QFETCH(bool, listFits);
        const QRect area(10, 20, 90, areaHeight);
        QCOMPARE(DayCellLayout::ImageListFits(area, count, imageHeight), listFits);
        if (imageHeight <= 0)
            return;
        // Rows up to the last that ends inside the area are drawn.
        const QRect last = DayCellLayout::ImageRowRect(area, count - 1, QSize(16, imageHeight));
        QCOMPARE(DayCellLayout::RowFitsInArea(area, last), listFits);
    }

    // The cell's look: its month's colour (program days take the even months'), the selection's
    // colours, a grey label outside the range, a bold label on the first of a month and on
    // today within the range; program days are never bold and show their workouts as Not yet.
    void look_data()
    {
        QTest::addColumn<QString>("cell"); // s: selected, p: program day, r: in the range
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("look"); // background, label colour, "bold" or "-"
        const auto row = [](const char *tag, const char *cell, QDate date, const char *look) {
            QTest::newRow(tag) << QString::fromLatin1(cell) << date << QString::fromLatin1(look);
        };
        row("February", "r", {2027, 2, 10}, "even text -");
        row("March", "r", {2027, 3, 10}, "odd text -");
        row("December", "r", {2027, 12, 10}, "even text -");
        row("outside the range", "", {2027, 3, 10}, "odd grey -");
        row("selected", "sr", {2027, 3, 10}, "highlight selected -");
        row("selected outside", "s", {2027, 3, 10}, "highlight selected -");
        row("first of the month", "r", {2027, 3, 1}, "odd text bold");
        row("first of the month outside", "", {2027, 4, 1}, "even grey bold");
        row("today", "r", {2027, 3, 17}, "odd text bold");
        row("today outside", "", {2027, 3, 17}, "odd grey -");
        row("program day", "p", {2027, 3, 1}, "even grey -");
    }
    void look()
    {
        QFETCH(QString, cell);
        QFETCH(QDate, date);
        QFETCH(QString, look);
        const bool selected = cell.contains(u's'), program = cell.contains(u'p');
        const bool inRange = cell.contains(u'r');
        namespace L = DayCellLayout;
        // The red part of each colour names it.
        const QStringList names = {"", "even", "odd", "highlight", "text", "grey", "selected"};
        const L::Colours c {QColor(1, 0, 0), QColor(2, 0, 0), QColor(3, 0, 0), QColor(4, 0, 0),
                            QColor(5, 0, 0), QColor(6, 0, 0), QColor()};
        const bool bold =
            L::IsLabelBold(program, inRange, DateValue::FromQDate(date), {2027, 3, 17});
        QCOMPARE(names.value(L::Background(c, selected, program, date.month()).red()) + u' ' +
                     names.value(L::LabelColour(c, selected, inRange).red()) +
                     (bold ? " bold" : " -"),
                 look);
        QCOMPARE(DayCellLayout::ImageStatus(program, ProgressStatus::Failed),
                 int(program ? ProgressStatus::NotYet : ProgressStatus::Failed));
    }
    // The label sits at the top right, four border widths in, two when it ends in the digit 1
    // (whose glyph leaves room of its own); a label too long for the cell keeps its beginning.
    void labelBox()
    {
        const QRect cell(10, 20, 100, 80);
        QCOMPARE(DayCellLayout::LabelRect(cell, {12, 10}, "17"), QRect(94, 22, 12, 10));
        QCOMPARE(DayCellLayout::LabelRect(cell, {12, 10}, "21"), QRect(96, 22, 12, 10));
        const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 9));
        const QString label = QStringLiteral("1-st of September");
        QCOMPARE(DayCellLayout::FitLabel(label, metrics, 400), label);
        const QString cut = DayCellLayout::FitLabel(label, metrics, 60);
        QVERIFY2(cut.startsWith("1-") && cut.endsWith(QChar(0x2026)), qPrintable(cut));
        QVERIFY(metrics.horizontalAdvance(cut) <= 60 - 8 * DayCellLayout::BorderWidth);
    }

    // The name field lists the file's names alphabetically whatever the letter case (names that
    // differ only in case keep the file's order). Typed text is completed with the first name that
    // begins with it, the tail selected, except after Backspace; a name given beforehand shows its
    // entry, or the first one it begins, or itself, all selected so that typing replaces it.
    void nameField_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("preset"); // given beforehand, not typed
        QTest::addColumn<QString>("input"); // "<" is Backspace
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        const auto listed = [](const char *name, const char *file, const QStringList &names) {
            QTest::newRow(name) << QByteArray(file) << names << false << QString() << QString()
                                << QString();
        };
        listed("listed: letter case ignored", "row\r\nBench press\r\nabs\r\n",
               {"abs", "Bench press", "row"});
        listed("listed: equal but for case, file order", "squat\r\nSQUAT\r\nDips\r\nSquat\r\n",
               {"Dips", "squat", "SQUAT", "Squat"});
        const auto row = [](const char *name, bool preset, const char *input, const char *text,
                            const char *selected) {
            QTest::newRow(name) << QByteArray("Squat\r\nBench press\r\nRow\r\n")
                                << QStringList {"Bench press", "Row", "Squat"} << preset
                                << QString::fromUtf8(input) << QString::fromUtf8(text)
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
    void nameField()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, listed);
        QFETCH(bool, preset);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        CSmartComboBox combo;
        QVERIFY(Load(combo, file));
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        QCOMPARE(items, listed);
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

REPBOOK_TEST_MAIN(TestDayCell)

#include "tst_daycell.moc"
