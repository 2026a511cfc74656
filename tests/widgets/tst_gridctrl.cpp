#include "common/TestMain.h"
#include "widgets/CGridCell.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CSpinGridCell.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QScrollBar>

#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolTip>

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

// The filled grid, shown.
struct ShownGrid : CGridCtrl
{
    ShownGrid()
    {
        Fill(*this);
        resize(500, 300);
        show();
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
        const auto r = [](const char *name, bool listMode, CCellRange asked, CCellRange selected) {
            QTest::newRow(name) << listMode << asked << selected;
        };
        r("block", false, {2, 1, 3, 2}, {2, 1, 3, 2});
        r("over fixed cells", false, {0, 0, 2, 1}, {0, 1, 2, 1});
        r("heading row only", false, {0, 2, 0, 3}, {0, 2, 0, 3});
        r("beyond the grid", false, {4, 2, 9, 9}, {4, 2, 5, 3});
        r("list mode widens rows", true, {2, 2, 3, 2}, {2, 1, 3, 3});
        r("invalid clears", false, {}, {});
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
        // Selected headings take the selection's colour.
        const bool heading = selected.IsValid() && selected.minRow == 0;
        QCOMPARE(grid.horizontalHeader()->palette().color(QPalette::Button) ==
                     grid.palette().color(QPalette::Highlight),
                 heading);
    }

    // Rows outside the grid are not deleted.
    void rowsOutsideAreNotDeleted()
    {
        ShownGrid grid;
        const int row = grid.InsertRow();
        for (const int outside : {0, 7})
            QVERIFY(!grid.DeleteRow(outside));
        QVERIFY(grid.DeleteRow(row));
        QVERIFY(grid.DeleteRow(1));
        QCOMPARE(grid.GetRowCount(), 5);
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("r2c1"));
    }

    // What a cell is drawn from: its text and column alignment, whether it is the focus cell or
    // selected; fixed cells are never drawn as selected or focused.
    void cellContexts()
    {
        ShownGrid grid;
        grid.SetSelectedRange(1, 0, 2, 3);
        grid.SetFocusCell(2, 2);
        const auto drawn = [&](int row, int col) {
            const CGridCellContext c = grid.CellContext(row, col);
            return QString::asprintf("%s %d%d%d %d", qPrintable(c.text), int(c.fixed),
                                     int(c.selected), int(c.focused), int(c.format));
        };
        const int centre = int(Qt::AlignCenter), left = int(Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(drawn(1, 0), QStringLiteral("r1c0 100 %1").arg(left));
        QCOMPARE(drawn(1, 1), QStringLiteral("r1c1 010 %1").arg(left));
        QCOMPARE(drawn(2, 2), QStringLiteral("r2c2 011 %1").arg(centre));
        QCOMPARE(drawn(3, 2), QStringLiteral("r3c2 000 %1").arg(centre));
    }

    // Row heights as the grid reports them: the heading row's is the header's, never below a
    // pixel; a hidden row or one past the grid has none. set: -1 leaves the height alone.
    void rowHeights_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("height"); // -1: the header's height as laid out
        QTest::newRow("heading as laid out") << 0 << -1 << -1;
        QTest::newRow("heading set") << 0 << 37 << 37;
        QTest::newRow("heading set to nothing") << 0 << 0 << 1;
        QTest::newRow("first row set") << 1 << 25 << 25;
        QTest::newRow("row hidden") << 2 << 0 << 0;
        QTest::newRow("past the grid") << 6 << 25 << 0;
    }
    void rowHeights()
    {
        QFETCH(int, row);
        QFETCH(int, set);
        QFETCH(int, height);
        ShownGrid grid;
        if (set >= 0)
            grid.SetRowHeight(row, set);
        QCoreApplication::processEvents();
        const int expected = height >= 0 ? height : grid.horizontalHeader()->height();
        QCOMPARE(grid.GetRowHeight(row), expected);
    }

    // A cell is visible when at least one of its pixels lies inside the viewport: a column or
    // row that starts at the viewport's far edge, or ends at its near edge, is not.
    void cellVisibility_data()
    {
        QTest::addColumn<bool>("scrolled"); // by the first column's width and row's height
        QTest::addColumn<CCellID>("cell");
        QTest::addColumn<bool>("visible");
        QTest::newRow("inside") << false << CCellID {1, 1} << true;
        QTest::newRow("heading") << false << CCellID {0, 2} << true;
        QTest::newRow("column at the right edge") << false << CCellID {1, 3} << false;
        QTest::newRow("row ending at the bottom") << false << CCellID {2, 1} << true;
        QTest::newRow("row at the bottom edge") << false << CCellID {3, 1} << false;
        QTest::newRow("column scrolled off") << true << CCellID {2, 0} << false;
        QTest::newRow("row scrolled off") << true << CCellID {1, 1} << false;
        QTest::newRow("heading when scrolled") << true << CCellID {0, 1} << true;
        QTest::newRow("hidden row") << false << CCellID {4, 1} << false;
        QTest::newRow("past the grid") << false << CCellID {9, 1} << false;
    }
    void cellVisibility()
    {
        QFETCH(bool, scrolled);
        QFETCH(CCellID, cell);
        QFETCH(bool, visible);
        ShownGrid grid;
        grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QCoreApplication::processEvents();
        const QSize view = grid.viewport()->size();
        for (const auto &[col, width] : {std::pair {0, 50}, {1, 100}, {2, view.width() - 150}})
            grid.SetColumnWidth(col, width);
        for (const auto &[row, height] : {std::pair {1, 40}, {2, view.height() - 40}, {4, 0}})
            grid.SetRowHeight(row, height);
        QCoreApplication::processEvents();
        if (scrolled) {
            grid.horizontalScrollBar()->setValue(50);
            grid.verticalScrollBar()->setValue(40);
            QCOMPARE(grid.columnViewportPosition(1), 0);
        }
        QCOMPARE(grid.IsCellVisible(cell.row, cell.col), visible);
    }

    // Whole numbers are edited in a whole-number box and shown rounded; a range with decimal
    // places (at most six) shows and edits that many.
    void spinCellDecimals_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("editorDecimals"); // -1: a whole-number box
        QTest::newRow("whole") << 200.0 << 0 << 12.6 << "13" << -1;
        QTest::newRow("weight") << 500.0 << 2 << 62.5 << "62.50" << 2;
        QTest::newRow("too many places") << 1.0 << 9 << 0.5 << "0.500000" << 6;
        QTest::newRow("negative places") << 10.0 << -3 << 7.4 << "7" << -1;
    }
    void spinCellDecimals()
    {
        QFETCH(double, maximum);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(int, editorDecimals);
        const CSpinGridCell cell(0, maximum, decimals);
        QCOMPARE(CSpinGridCell::FormatValue(value, cell.DefaultRange()), text);
        QWidget parent;
        QWidget *editor = cell.CreateEditor(&parent, CGridCellContext {});
        const auto *decimal = qobject_cast<QDoubleSpinBox *>(editor);
        QCOMPARE(decimal ? decimal->decimals() : -1, editorDecimals);
        const auto *whole = qobject_cast<QSpinBox *>(editor);
        QCOMPARE(whole ? double(whole->maximum()) : decimal->maximum(), maximum);
    }

    void keyboardMovesFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<CCellID>("start");
        QTest::addColumn<CCellID>("focus");
        QTest::addColumn<CCellRange>("selected");
        const auto r = [](const char *name, Qt::Key key, int modifiers, CCellID start,
                          CCellID focus, CCellRange selected) {
            QTest::newRow(name) << int(key) << modifiers << start << focus << selected;
        };
        const int shift = Qt::ShiftModifier;
        r("down", Qt::Key_Down, 0, {2, 2}, {3, 2}, {3, 2, 3, 2});
        r("shift down extends", Qt::Key_Down, shift, {2, 2}, {3, 2}, {2, 2, 3, 2});
        r("left stops at fixed column", Qt::Key_Left, 0, {2, 1}, {2, 1}, {2, 1, 2, 1});
        r("right", Qt::Key_Right, 0, {2, 1}, {2, 2}, {2, 2, 2, 2});
        r("tab", Qt::Key_Tab, 0, {2, 3}, {3, 1}, {3, 1, 3, 1});
        r("backtab skips fixed column", Qt::Key_Backtab, shift, {3, 1}, {2, 3}, {2, 3, 2, 3});
        r("ctrl+down moves the focus only", Qt::Key_Down, Qt::ControlModifier, {2, 1}, {3, 1},
          {2, 1, 2, 1});
        r("up from first row", Qt::Key_Up, 0, {1, 2}, {1, 2}, {1, 2, 1, 2});
    }
    void keyboardMovesFocus()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(CCellID, start);
        QFETCH(CCellID, focus);
        QFETCH(CCellRange, selected);
        ShownGrid grid;
        grid.setFocus();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.CellRect(start.row, start.col).center());
        QSignalSpy changed(&grid, &CGridCtrl::selectionChangedTo);
        QTest::keyClick(&grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(grid.GetFocusCell(), focus);
        QCOMPARE(grid.GetSelectedCellRange(), selected);
        QCOMPARE(changed.size(), focus == start ? 0 : 1);
    }

    // Enter commits an edit, Escape cancels it, Tab commits it and edits the next cell; each edit
    // tells its beginning and its end. A grid rebuilt (with three rows) when an edit ends edits no
    // further and leaves no editor shown.
    void keysEndingAnEdit_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("rebuilt");
        QTest::addColumn<QStringList>("told");
        const QStringList committed {"begun 2,1", "ended 2,1 Squat"};
        QTest::newRow("Enter") << int(Qt::Key_Return) << false << committed;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false << committed;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false
                                << QStringList {"begun 2,1", "ended 2,1 r2c1"};
        QTest::newRow("Tab") << int(Qt::Key_Tab) << false << committed + QStringList {"begun 2,2"};
        QTest::newRow("Tab, the grid rebuilt") << int(Qt::Key_Tab) << true << committed;
    }
    void keysEndingAnEdit()
    {
        QFETCH(int, key);
        QFETCH(bool, rebuilt);
        QFETCH(QStringList, told);
        ShownGrid grid;
        QStringList order;
        connect(&grid, &CGridCtrl::editBegun, this,
                [&](int r, int c) { order.append(QStringLiteral("begun %1,%2").arg(r).arg(c)); });
        connect(&grid, &CGridCtrl::editEnded, this, [&](int r, int c) {
            order.append(QString("ended %1,%2 %3").arg(r).arg(c).arg(grid.GetItemText(r, c)));
            if (rebuilt) {
                grid.DeleteAllItems();
                Fill(grid, 3);
            }
        });
        QVERIFY(grid.EditCell(2, 1));
        auto *editor = grid.viewport()->findChild<QLineEdit *>();
        QCOMPARE(editor->text(), QStringLiteral("r2c1"));
        QTest::keyClicks(editor, QStringLiteral("Squat"));
        QTest::keyClick(editor, Qt::Key(key));
        QTRY_COMPARE(order, told);
        const bool next = key == Qt::Key_Tab && !rebuilt;
        QCOMPARE(grid.GetEditingCell(), (next ? CCellID {2, 2} : CCellID {}));
        for (const QLineEdit *shown : grid.viewport()->findChildren<QLineEdit *>())
            QVERIFY(next || shown->isHidden());
        QCOMPARE(grid.GetRowCount(), rebuilt ? 4 : 6);
        if (rebuilt)
            QCOMPARE(grid.GetItemText(2, 1), QStringLiteral("r2c1"));
    }

    // An editor wider than its narrow column grows to the left at the view's right edge, so that
    // it stays wholly in view.
    void narrowEditorStaysInView()
    {
        ShownGrid grid;
        const int view = grid.viewport()->width();
        for (const auto &[col, width] : {std::pair {0, 30}, {1, 100}, {2, view - 150}, {3, 20}})
            grid.SetColumnWidth(col, width);
        QVERIFY(grid.EditCell(2, 3));
        const auto *editor = grid.viewport()->findChild<QLineEdit *>();
        QCOMPARE(editor->width(), editor->sizeHint().width());
        QCOMPARE(editor->geometry().right(), view - 1);
    }

    // A cell too narrow for its text shows the whole text as its tooltip; one that fits, none.
    void cutTextShowsTooltip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        const QString long_ = QStringLiteral("Incline dumbbell bench press with a pause");
        QTest::newRow("fits") << QStringLiteral("Row") << QString();
        QTest::newRow("cut") << long_ << long_;
        QTest::newRow("cut, looks like markup") << "<b>" + long_ << "<b>" + long_;
    }
    void cutTextShowsTooltip()
    {
        QFETCH(QString, text);
        QFETCH(QString, tip);
        ShownGrid grid;
        grid.SetColumnWidth(1, 60);
        grid.SetItemText(2, 1, text);
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QPoint centre = grid.CellRect(2, 1).center();
        QHelpEvent help(QEvent::ToolTip, centre, grid.viewport()->mapToGlobal(centre));
        QApplication::sendEvent(grid.viewport(), &help);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                 tip.startsWith(u'<') ? "<qt>" + tip.toHtmlEscaped() + "</qt>" : tip);
        QToolTip::hideText();
    }
};

REPBOOK_TEST_MAIN(TestGridCtrl)

#include "tst_gridctrl.moc"
