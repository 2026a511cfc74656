#include "common/TestMain.h"
#include "widgets/CGridCell.h"
#include "widgets/CGridCtrl.h"

#include <QLineEdit>
#include <QSignalSpy>

Q_DECLARE_METATYPE(CCellID)
Q_DECLARE_METATYPE(CCellRange)

namespace {

// A grid as the exercise grid and the calendar use it: one fixed heading row, a fixed first
// column, three data columns and five data rows whose cells read "r<row>c<col>".
void Fill(CGridCtrl &grid, int rows = 5)
{
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.InsertColumn(QString());
    grid.InsertColumn(QStringLiteral("Name"), Qt::AlignLeft | Qt::AlignVCenter);
    grid.InsertColumn(QStringLiteral("Sets"), Qt::AlignCenter);
    grid.InsertColumn(QStringLiteral("Note"));
    for (int r = 1; r <= rows; ++r) {
        QCOMPARE(grid.InsertRow(), r);
        for (int c = 0; c < 4; ++c)
            grid.SetItemText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    }
}

QPoint CentreOf(const CGridCtrl &grid, int row, int col)
{
    return grid.CellRect(row, col).center();
}

struct Shown
{
    CGridCtrl grid;
    Shown(int rows = 5)
    {
        Fill(grid, rows);
        grid.resize(500, 300);
        grid.show();
    }
};

} // namespace

class TestGridCtrl : public QObject
{
    Q_OBJECT

private slots:

    void selectedRange_data()
    {
        QTest::addColumn<bool>("listMode");
        QTest::addColumn<CCellRange>("asked");
        QTest::addColumn<CCellRange>("selected");
        QTest::newRow("block") << false << CCellRange {2, 1, 3, 2} << CCellRange {2, 1, 3, 2};
        QTest::newRow("over fixed cells")
            << false << CCellRange {0, 0, 2, 1} << CCellRange {0, 1, 2, 1};
        QTest::newRow("heading row only")
            << false << CCellRange {0, 2, 0, 3} << CCellRange {0, 2, 0, 3};
        QTest::newRow("beyond the grid")
            << false << CCellRange {4, 2, 9, 9} << CCellRange {4, 2, 5, 3};
        QTest::newRow("list mode widens rows")
            << true << CCellRange {2, 2, 3, 2} << CCellRange {2, 1, 3, 3};
        QTest::newRow("invalid clears") << false << CCellRange {} << CCellRange {};
    }
    void selectedRange()
    {
        QFETCH(bool, listMode);
        QFETCH(CCellRange, asked);
        QFETCH(CCellRange, selected);
        CGridCtrl grid;
        Fill(grid);
        grid.SetListMode(listMode);
        grid.SetSelectedRange(1, 1, 1, 1);
        grid.SetSelectedRange(asked);
        QCOMPARE(grid.GetSelectedCellRange(), selected);
        for (int r = 0; r < grid.GetRowCount(); ++r) {
            for (int c = 0; c < grid.GetColumnCount(); ++c)
                QCOMPARE(grid.IsCellSelected(r, c), selected.Contains(r, c));
        }
    }

    void keyboardMovesFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<CCellID>("start");
        QTest::addColumn<CCellID>("focus");
        QTest::addColumn<CCellRange>("selected");
        QTest::newRow("down") << int(Qt::Key_Down) << 0 << CCellID {2, 2} << CCellID {3, 2}
                              << CCellRange {3, 2, 3, 2};
        QTest::newRow("shift down extends")
            << int(Qt::Key_Down) << int(Qt::ShiftModifier) << CCellID {2, 2} << CCellID {3, 2}
            << CCellRange {2, 2, 3, 2};
        QTest::newRow("left stops at fixed column") << int(Qt::Key_Left) << 0 << CCellID {2, 1}
                                                    << CCellID {2, 1} << CCellRange {2, 1, 2, 1};
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << CCellID {2, 1} << CCellID {2, 2}
                               << CCellRange {2, 2, 2, 2};
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << CCellID {2, 3} << CCellID {3, 1}
                             << CCellRange {3, 1, 3, 1};
        QTest::newRow("backtab skips fixed column")
            << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << CCellID {3, 1} << CCellID {2, 3}
            << CCellRange {2, 3, 2, 3};
        QTest::newRow("up from first row")
            << int(Qt::Key_Up) << 0 << CCellID {1, 2} << CCellID {1, 2} << CCellRange {1, 2, 1, 2};
    }
    void keyboardMovesFocus()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(CCellID, start);
        QFETCH(CCellID, focus);
        QFETCH(CCellRange, selected);
        Shown shown;
        CGridCtrl &grid = shown.grid;
        grid.setFocus();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          CentreOf(grid, start.row, start.col));
        QSignalSpy changed(&grid, &CGridCtrl::selectionChangedTo);
        QTest::keyClick(&grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(grid.GetFocusCell(), focus);
        QCOMPARE(grid.GetSelectedCellRange(), selected);
        QCOMPARE(changed.size(), focus == start ? 0 : 1);
    }

    void enterCommitsEscapeCancels_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("Enter") << int(Qt::Key_Return) << "Bench press";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "Bench press";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "r2c1";
    }
    void enterCommitsEscapeCancels()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        Shown shown;
        CGridCtrl &grid = shown.grid;
        QSignalSpy begun(&grid, &CGridCtrl::editBegun);
        QSignalSpy ended(&grid, &CGridCtrl::editEnded);
        QVERIFY(grid.EditCell(2, 1));
        auto *editor = grid.viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("r2c1"));
        QTest::keyClicks(editor, QStringLiteral("Bench press"));
        QTest::keyClick(editor, Qt::Key(key));
        QTRY_VERIFY(!grid.IsEditing());
        QCOMPARE(grid.GetItemText(2, 1), text);
        QCOMPARE(begun.size(), 1);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toInt(), 2);
        QCOMPARE(ended[0][1].toInt(), 1);
    }

    void tabEndsOneEditAndBeginsTheNext()
    {
        Shown shown;
        CGridCtrl &grid = shown.grid;
        QList<QString> order;
        connect(&grid, &CGridCtrl::editBegun, this,
                [&](int r, int c) { order.append(QStringLiteral("begun %1,%2").arg(r).arg(c)); });
        connect(&grid, &CGridCtrl::editEnded, this, [&](int r, int c) {
            order.append(
                QStringLiteral("ended %1,%2 %3").arg(r).arg(c).arg(grid.GetItemText(r, c)));
        });
        QVERIFY(grid.EditCell(2, 1));
        auto *editor = grid.viewport()->findChild<QLineEdit *>();
        QTest::keyClicks(editor, QStringLiteral("Squat"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(order,
                 (QList<QString> {QStringLiteral("begun 2,1"), QStringLiteral("ended 2,1 Squat"),
                                  QStringLiteral("begun 2,2")}));
        QCOMPARE(grid.GetEditingCell(), (CCellID {2, 2}));
    }

    void rebuildingWhenAnEditEndsIsSafe()
    {
        Shown shown;
        CGridCtrl &grid = shown.grid;
        connect(&grid, &CGridCtrl::editEnded, this, [&](int, int) {
            grid.DeleteAllItems();
            Fill(grid, 3);
        });
        QVERIFY(grid.EditCell(2, 1));
        QTest::keyClick(grid.viewport()->findChild<QLineEdit *>(), Qt::Key_Tab);
        QVERIFY(!grid.IsEditing());
        for (const QLineEdit *editor : grid.viewport()->findChildren<QLineEdit *>())
            QVERIFY(editor->isHidden());
        QCOMPARE(grid.GetRowCount(), 4);
        QCOMPARE(grid.GetItemText(2, 1), QStringLiteral("r2c1"));
    }
};

REPBOOK_TEST_MAIN(TestGridCtrl)

#include "tst_gridctrl.moc"
