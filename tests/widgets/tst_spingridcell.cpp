#include "common/TestMain.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CSpinGridCell.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace {

enum CellType { Sets = 1, Reps, Weight };

// One row of the exercise grid: Sets 1..20, Reps 0..200, Weight 0..500 with two decimals.
struct SpinGrid
{
    CGridCtrl grid;
    SpinGrid()
    {
        grid.RegisterCellClass(Sets, std::make_shared<CSpinGridCell>(1, 20));
        grid.RegisterCellClass(Reps, std::make_shared<CSpinGridCell>(0, 200));
        grid.RegisterCellClass(Weight, std::make_shared<CSpinGridCell>(0, 500, 2));
        grid.SetFixedRowCount(1);
        grid.InsertColumn(QStringLiteral("Sets"), Qt::AlignCenter);
        grid.InsertColumn(QStringLiteral("Reps"), Qt::AlignCenter);
        grid.InsertColumn(QStringLiteral("Weight"), Qt::AlignCenter);
        grid.InsertRow();
        grid.SetCellType(1, 0, Sets);
        grid.SetCellType(1, 1, Reps);
        grid.SetCellType(1, 2, Weight);
        grid.SetItemText(1, 0, QStringLiteral("3"));
        grid.SetItemText(1, 1, QStringLiteral("12"));
        grid.SetItemText(1, 2, QStringLiteral("62.50"));
        grid.resize(400, 200);
        grid.show();
    }

    QAbstractSpinBox *Edit(int col)
    {
        if (!grid.EditCell(1, col))
            return nullptr;
        return grid.viewport()->findChild<QAbstractSpinBox *>();
    }
};

} // namespace

class TestSpinGridCell : public QObject
{
    Q_OBJECT

private slots:
    void editorHasTheCellsRange_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::newRow("sets") << 0 << 1.0 << 20.0 << 0 << 3.0;
        QTest::newRow("reps") << 1 << 0.0 << 200.0 << 0 << 12.0;
        QTest::newRow("weight") << 2 << 0.0 << 500.0 << 2 << 62.5;
    }
    void editorHasTheCellsRange()
    {
        QFETCH(int, col);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(int, decimals);
        QFETCH(double, value);
        SpinGrid spin;
        QAbstractSpinBox *editor = spin.Edit(col);
        QVERIFY(editor);
        if (decimals == 0) {
            auto *box = qobject_cast<QSpinBox *>(editor);
            QVERIFY(box);
            QCOMPARE(box->minimum(), int(minimum));
            QCOMPARE(box->maximum(), int(maximum));
            QCOMPARE(box->value(), int(value));
        } else {
            auto *box = qobject_cast<QDoubleSpinBox *>(editor);
            QVERIFY(box);
            QCOMPARE(box->minimum(), minimum);
            QCOMPARE(box->maximum(), maximum);
            QCOMPARE(box->decimals(), decimals);
            QCOMPARE(box->value(), value);
        }
    }

    void cellRangeOverridesClassRange()
    {
        SpinGrid spin;
        CSpinGridCell::SetCellRange(spin.grid, 1, 1, {5, 8, 0, 1});
        auto *box = qobject_cast<QSpinBox *>(spin.Edit(1));
        QVERIFY(box);
        QCOMPARE(box->minimum(), 5);
        QCOMPARE(box->maximum(), 8);
    }

    void typedTextReachesTheCell_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Tab)}) {
            const char *how = key == Qt::Key_Return ? "Enter" : "Tab";
            QTest::addRow("reps number, %s", how) << 1 << "7" << key << "7";
            QTest::addRow("reps letters, %s", how) << 1 << "abc" << key << "abc";
            QTest::addRow("sets above range, %s", how) << 0 << "25" << key << "25";
            QTest::addRow("sets empty, %s", how) << 0 << "" << key << "";
            QTest::addRow("weight decimal, %s", how) << 2 << "12.5" << key << "12.50";
            QTest::addRow("weight letters, %s", how) << 2 << "heavy" << key << "heavy";
            QTest::addRow("weight whole, %s", how) << 2 << "80" << key << "80.00";
        }
    }
    void typedTextReachesTheCell()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, text);
        SpinGrid spin;
        QAbstractSpinBox *editor = spin.Edit(col);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key(key));
        QTRY_VERIFY(!spin.grid.IsEditing() || spin.grid.GetEditingCell().col != col);
        QCOMPARE(spin.grid.GetItemText(1, col), text);
    }

    void arrowsStepWithinRange_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("up") << 0 << "5" << int(Qt::Key_Up) << "6";
        QTest::newRow("down") << 1 << "5" << int(Qt::Key_Down) << "4";
        QTest::newRow("up at maximum") << 0 << "20" << int(Qt::Key_Up) << "20";
        QTest::newRow("down at minimum") << 0 << "1" << int(Qt::Key_Down) << "1";
        QTest::newRow("weight up") << 2 << "62.50" << int(Qt::Key_Up) << "63.50";
    }
    void arrowsStepWithinRange()
    {
        QFETCH(int, col);
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, text);
        SpinGrid spin;
        spin.grid.SetItemText(1, col, start);
        QAbstractSpinBox *editor = spin.Edit(col);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key(key));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!spin.grid.IsEditing());
        QCOMPARE(spin.grid.GetItemText(1, col), text);
    }

    void unchangedTextOutsideRangeStays_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("start");
        QTest::newRow("sets 0") << 0 << "0";
        QTest::newRow("reps letters") << 1 << "x";
        QTest::newRow("weight above") << 2 << "600.00";
    }
    void unchangedTextOutsideRangeStays()
    {
        QFETCH(int, col);
        QFETCH(QString, start);
        SpinGrid spin;
        spin.grid.SetItemText(1, col, start);
        QAbstractSpinBox *editor = spin.Edit(col);
        QVERIFY(editor);
        QCOMPARE(editor->text(), start);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!spin.grid.IsEditing());
        QCOMPARE(spin.grid.GetItemText(1, col), start);
    }

    void escapeKeepsTheCell()
    {
        SpinGrid spin;
        QAbstractSpinBox *editor = spin.Edit(1);
        QTest::keyClicks(editor, QStringLiteral("99"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!spin.grid.IsEditing());
        QCOMPARE(spin.grid.GetItemText(1, 1), QStringLiteral("12"));
    }

    void numbersInTheUsersLocaleAreUnderstood()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            SpinGrid spin;
            QAbstractSpinBox *editor = spin.Edit(2);
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, QStringLiteral("12,5"));
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_VERIFY(!spin.grid.IsEditing());
            QCOMPARE(spin.grid.GetItemText(1, 2), QStringLiteral("12.50"));
        }
        QLocale::setDefault(previous);
    }

    void formatValue_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 12.0 << 0 << "12";
        QTest::newRow("rounded whole") << 11.6 << 0 << "12";
        QTest::newRow("two places") << 62.5 << 2 << "62.50";
        QTest::newRow("zero") << 0.0 << 2 << "0.00";
    }
    void formatValue()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(CSpinGridCell::FormatValue(value, {0, 500, decimals, 1}), text);
    }
};

REPBOOK_TEST_MAIN(TestSpinGridCell)

#include "tst_spingridcell.moc"
