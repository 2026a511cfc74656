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

};

REPBOOK_TEST_MAIN(TestSpinGridCell)

#include "tst_spingridcell.moc"
