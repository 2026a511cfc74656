#include "common/TestMain.h"
#include "widgets/CGridCell.h"
#include "widgets/CGridCtrl.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QToolTip>
#include <QVBoxLayout>

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

// A cell class that refuses editing and remembers what it was asked to draw.
class RecordingCell : public CGridCell
{
public:
    void Draw(QPainter *p, const CGridCellContext &c) const override
    {
        drawn.append(c);
        p->fillRect(c.rect, Qt::magenta);
    }
    bool AllowsEdit() const override { return false; }
    mutable QList<CGridCellContext> drawn;
};

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
    void textFitsItsPreferredWidth_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"Leg press", "Calf raise", "Incline dumbbell press"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }

    void textFitsItsPreferredWidth()
    {
        // A column sized to its contents shows every text whole, and one pixel less cuts it.
        QFETCH(QString, text);
        const QFont font = QApplication::font();
        CGridCellContext context;
        context.text = text;
        context.font = font;
        const int width = CGridCell().PreferredSize(context).width() - 2 * CGridCell::Margin;
        QCOMPARE(CGridCell::FittedText(text, font, width), text);
        const QString cut = CGridCell::FittedText(text, font, width - 1);
        QVERIFY(cut != text);
        QVERIFY(QFontMetrics(font).horizontalAdvance(cut) <= width - 1);
    }

    void countsIncludeFixedCells()
    {
        CGridCtrl grid;
        Fill(grid);
        QCOMPARE(grid.GetRowCount(), 6);
        QCOMPARE(grid.GetColumnCount(), 4);
        QCOMPARE(grid.rowCount(), 5);
        QCOMPARE(grid.GetItemText(0, 2), QStringLiteral("Sets")); // the heading row
        QCOMPARE(grid.horizontalHeaderItem(2)->text(), QStringLiteral("Sets"));
        QCOMPARE(grid.GetItemText(3, 2), QStringLiteral("r3c2"));
        QCOMPARE(grid.item(2, 2)->text(), QStringLiteral("r3c2"));
        QVERIFY(grid.IsCellFixed(0, 2));
        QVERIFY(grid.IsCellFixed(3, 0));
        QVERIFY(!grid.IsCellFixed(1, 1));
        QCOMPARE(grid.GetItemText(6, 1), QString()); // outside
    }

    void insertAndDeleteRows()
    {
        CGridCtrl grid;
        Fill(grid);
        QCOMPARE(grid.InsertRow(QString(), 2), 2);
        QCOMPARE(grid.GetItemText(2, 1), QString());
        QCOMPARE(grid.GetItemText(3, 1), QStringLiteral("r2c1"));
        QVERIFY(grid.DeleteRow(2));
        QVERIFY(grid.DeleteRow(1));
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("r2c1"));
        QVERIFY(!grid.DeleteRow(0)); // the heading row stays
        QVERIFY(!grid.DeleteRow(5));
        QCOMPARE(grid.GetRowCount(), 5);
        grid.DeleteAllItems();
        QCOMPARE(grid.GetRowCount(), 1);
        QCOMPARE(grid.GetColumnCount(), 0);
        QCOMPARE(grid.GetFixedRowCount(), 1);
    }

    void cellValues()
    {
        CGridCtrl grid;
        Fill(grid);
        int day = 42;
        grid.SetItemData(2, 1, QVariant::fromValue(static_cast<void *>(&day)));
        QCOMPARE(grid.GetItemData(2, 1).value<void *>(), static_cast<void *>(&day));
        QVERIFY(!grid.GetItemData(2, 2).isValid());
        grid.SetItemBkColour(2, 1, QColor(237, 242, 249));
        grid.SetItemFgColour(2, 1, Qt::red);
        QCOMPARE(grid.GetItemBkColour(2, 1), QColor(237, 242, 249));
        QCOMPARE(grid.GetItemFgColour(2, 1), QColor(Qt::red));
        QFont bold = grid.font();
        bold.setBold(true);
        grid.SetItemFont(2, 1, bold);
        QVERIFY(grid.GetItemFont(2, 1).bold());
        QVERIFY(!grid.GetItemFont(3, 1).bold());
        QVERIFY(grid.GetItemFont(0, 1).bold()); // headings are bold
        QCOMPARE(grid.GetItemFormat(3, 2), Qt::Alignment(Qt::AlignCenter)); // from its column
        grid.SetItemFormat(3, 2, Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(grid.GetItemFormat(3, 2), Qt::AlignRight | Qt::AlignVCenter);
        const QPixmap image(16, 16);
        grid.SetItemImage(4, 0, &image);
        QCOMPARE(grid.GetItemImage(4, 0), &image);
        grid.SetItemImage(4, 0, nullptr);
        QCOMPARE(grid.GetItemImage(4, 0), nullptr);

        const CGridCellContext c = grid.CellContext(2, 1);
        QCOMPARE(c.row, 2);
        QCOMPARE(c.col, 1);
        QCOMPARE(c.text, QStringLiteral("r2c1"));
        QCOMPARE(c.bk, QColor(237, 242, 249));
        QVERIFY(c.font.bold());
        QVERIFY(!c.fixed);
        QVERIFY(grid.CellContext(2, 0).fixed);
    }

    void widthZeroHidesColumn()
    {
        CGridCtrl grid;
        Fill(grid);
        grid.SetColumnWidth(0, 0);
        grid.SetColumnWidth(3, 0);
        grid.SetColumnWidth(1, 120);
        QCOMPARE(grid.GetColumnWidth(0), 0);
        QCOMPARE(grid.GetColumnWidth(3), 0);
        QCOMPARE(grid.GetColumnWidth(1), 120);
        QVERIFY(grid.isColumnHidden(3));
        grid.SetColumnWidth(3, 10);
        QCOMPARE(grid.GetColumnWidth(3), 10);
        grid.SetRowHeight(2, 79);
        QCOMPARE(grid.GetRowHeight(2), 79);
        grid.SetRowHeight(0, 31);
        QCOMPARE(grid.GetRowHeight(0), 31);
    }

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

    void focusCell_data()
    {
        QTest::addColumn<CCellID>("asked");
        QTest::addColumn<CCellID>("focus");
        QTest::newRow("data cell") << CCellID {3, 2} << CCellID {3, 2};
        QTest::newRow("heading row lands below") << CCellID {0, 2} << CCellID {1, 2};
        QTest::newRow("fixed column lands beside") << CCellID {4, 0} << CCellID {4, 1};
        QTest::newRow("none") << CCellID {} << CCellID {};
        QTest::newRow("outside") << CCellID {9, 1} << CCellID {};
    }
    void focusCell()
    {
        QFETCH(CCellID, asked);
        QFETCH(CCellID, focus);
        CGridCtrl grid;
        Fill(grid);
        grid.SetSelectedRange(2, 2, 2, 2);
        grid.SetFocusCell(asked);
        QCOMPARE(grid.GetFocusCell(), focus);
        QCOMPARE(grid.GetSelectedCellRange(), (CCellRange {2, 2, 2, 2})); // focus leaves it alone
    }

    void clickSelectsAndSignals_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("first cell") << 1 << 1;
        QTest::newRow("middle") << 3 << 2;
        QTest::newRow("last") << 5 << 3;
    }
    void clickSelectsAndSignals()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        Shown shown;
        CGridCtrl &grid = shown.grid;
        QSignalSpy changed(&grid, &CGridCtrl::selectionChangedTo);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CentreOf(grid, row, col));
        QCOMPARE(grid.GetFocusCell(), (CCellID {row, col}));
        QCOMPARE(grid.GetSelectedCellRange(), (CCellRange {row, col, row, col}));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toInt(), row);
        QCOMPARE(changed[0][1].toInt(), col);
        // The same click again changes nothing and says nothing.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CentreOf(grid, row, col));
        QCOMPARE(changed.size(), 1);
    }

    void programmaticChangesAreSilent()
    {
        Shown shown;
        QSignalSpy changed(&shown.grid, &CGridCtrl::selectionChangedTo);
        shown.grid.SetSelectedRange(1, 1, 2, 2);
        shown.grid.SetFocusCell(2, 2);
        QCOMPARE(changed.size(), 0);
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

    void tabLeavesTheGridAtItsEnds_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<CCellID>("start");
        QTest::addColumn<QString>("focused");
        QTest::newRow("tab on the last cell") << int(Qt::Key_Tab) << CCellID {5, 3} << "after";
        QTest::newRow("backtab on the first cell")
            << int(Qt::Key_Backtab) << CCellID {1, 1} << "before";
        QTest::newRow("tab inside") << int(Qt::Key_Tab) << CCellID {4, 3} << "grid";
    }
    void tabLeavesTheGridAtItsEnds()
    {
        QFETCH(int, key);
        QFETCH(CCellID, start);
        QFETCH(QString, focused);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *before = new QLineEdit(&window);
        before->setObjectName(QStringLiteral("before"));
        auto *grid = new CGridCtrl(&window);
        grid->setObjectName(QStringLiteral("grid"));
        Fill(*grid);
        auto *after = new QLineEdit(&window);
        after->setObjectName(QStringLiteral("after"));
        layout->addWidget(before);
        layout->addWidget(grid);
        layout->addWidget(after);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        grid->SetFocusCell(start);
        QTest::keyClick(grid, Qt::Key(key),
                        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void listModeKeepsNonAdjacentRows()
    {
        Shown shown;
        CGridCtrl &grid = shown.grid;
        grid.SetListMode(true);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CentreOf(grid, 2, 2));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          CentreOf(grid, 4, 1));
        QVERIFY(grid.IsCellSelected(2, 1));
        QVERIFY(grid.IsCellSelected(2, 3));
        QVERIFY(!grid.IsCellSelected(3, 1));
        QVERIFY(grid.IsCellSelected(4, 3));
        QCOMPARE(grid.GetSelectedCellRange(), (CCellRange {2, 1, 4, 3}));
        // A right click on a selected row keeps the selection; on another row it selects that.
        QTest::mousePress(grid.viewport(), Qt::RightButton, {}, CentreOf(grid, 4, 2));
        QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, CentreOf(grid, 4, 2));
        QVERIFY(grid.IsCellSelected(2, 1) && grid.IsCellSelected(4, 1));
        QTest::mousePress(grid.viewport(), Qt::RightButton, {}, CentreOf(grid, 5, 2));
        QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, CentreOf(grid, 5, 2));
        QCOMPARE(grid.GetSelectedCellRange(), (CCellRange {5, 1, 5, 3}));
    }

    void doubleClickCarriesGridCoordinates_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("1,1") << 1 << 1;
        QTest::newRow("4,3") << 4 << 3;
        QTest::newRow("fixed column") << 2 << 0;
    }
    void doubleClickCarriesGridCoordinates()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        Shown shown;
        shown.grid.SetEditable(false);
        QSignalSpy doubled(&shown.grid, &CGridCtrl::cellDoubleClicked);
        QTest::mouseDClick(shown.grid.viewport(), Qt::LeftButton, {},
                           CentreOf(shown.grid, row, col));
        QCOMPARE(doubled.size(), 1);
        QCOMPARE(doubled[0][0].toInt(), row);
        QCOMPARE(doubled[0][1].toInt(), col);
    }

    void rightClickCarriesGridCoordinates_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("data cell") << 3 << 2;
        QTest::newRow("heading") << 0 << 2;
        QTest::newRow("heading of last column") << 0 << 3;
    }
    void rightClickCarriesGridCoordinates()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        Shown shown;
        CGridCtrl &grid = shown.grid;
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy clicked(&grid, &CGridCtrl::cellRightClicked);
        QWidget *target = grid.viewport();
        QPoint pos = CentreOf(grid, row, col);
        if (row == 0) {
            target = grid.horizontalHeader()->viewport();
            pos = QPoint(grid.horizontalHeader()->sectionViewportPosition(col) + 5, 5);
        }
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
        QApplication::sendEvent(target, &event);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toInt(), row);
        QCOMPARE(clicked[0][1].toInt(), col);
        QCOMPARE(clicked[0][2].toPoint(), target->mapToGlobal(pos));
    }

    void editingFollowsEditableFlag_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<int>("way"); // 0 F2, 1 typing, 2 double click
        for (bool editable : {true, false}) {
            const char *on = editable ? "editable" : "read-only";
            QTest::addRow("%s F2", on) << editable << 0;
            QTest::addRow("%s typing", on) << editable << 1;
            QTest::addRow("%s double click", on) << editable << 2;
        }
    }
    void editingFollowsEditableFlag()
    {
        QFETCH(bool, editable);
        QFETCH(int, way);
        Shown shown;
        CGridCtrl &grid = shown.grid;
        grid.SetEditable(editable);
        QCOMPARE(grid.IsEditable(), editable);
        QSignalSpy begun(&grid, &CGridCtrl::editBegun);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CentreOf(grid, 2, 1));
        if (way == 0)
            QTest::keyClick(&grid, Qt::Key_F2);
        else if (way == 1)
            QTest::keyClick(&grid, Qt::Key_X);
        else
            QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CentreOf(grid, 2, 1));
        QCOMPARE(grid.IsEditing(), editable);
        QCOMPARE(begun.size(), editable ? 1 : 0);
        if (editable) {
            QCOMPARE(begun[0][0].toInt(), 2);
            QCOMPARE(begun[0][1].toInt(), 1);
            QVERIFY(grid.viewport()->findChild<QLineEdit *>() != nullptr);
        }
        // Editing another cell ends this edit first.
        QSignalSpy ended(&grid, &CGridCtrl::editEnded);
        QCOMPARE(grid.EditCell(3, 2), editable);
        QCOMPARE(ended.size(), editable ? 1 : 0);
        QCOMPARE(grid.GetEditingCell(), (editable ? CCellID {3, 2} : CCellID {}));
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

    void endEditingFromOutside_data()
    {
        QTest::addColumn<bool>("commit");
        QTest::addColumn<QString>("text");
        QTest::newRow("commit") << true << "Deadlift";
        QTest::newRow("cancel") << false << "r2c1";
    }
    void endEditingFromOutside()
    {
        QFETCH(bool, commit);
        QFETCH(QString, text);
        Shown shown;
        CGridCtrl &grid = shown.grid;
        QVERIFY(!grid.EndEditing(commit));
        QSignalSpy ended(&grid, &CGridCtrl::editEnded);
        QVERIFY(grid.EditCell(2, 1));
        auto *editor = grid.viewport()->findChild<QLineEdit *>();
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Deadlift"));
        QVERIFY(grid.EndEditing(commit));
        QVERIFY(!grid.IsEditing());
        QCOMPARE(grid.GetItemText(2, 1), text);
        QCOMPARE(ended.size(), 1);
    }

    void addedRangesKeepTheSelection()
    {
        CGridCtrl grid;
        Fill(grid);
        grid.SetListMode(true);
        grid.SetSelectedRange(2, 1, 2, 1);
        grid.AddSelectedRange({4, 2, 4, 2});
        grid.AddSelectedRange({0, 2, 0, 2}); // the whole heading row, as a row of the list
        QVERIFY(grid.IsCellSelected(2, 3));
        QVERIFY(!grid.IsCellSelected(3, 1));
        QVERIFY(grid.IsCellSelected(4, 1));
        QCOMPARE(grid.GetSelectedCellRange(), (CCellRange {0, 1, 4, 3}));
        // Any other selection leaves the heading row.
        grid.SetSelectedRange(3, 1, 3, 1);
        QCOMPARE(grid.GetSelectedCellRange(), (CCellRange {3, 1, 3, 3}));
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

    void cellClassesDrawAndRefuseEditing()
    {
        Shown shown;
        CGridCtrl &grid = shown.grid;
        auto recording = std::make_shared<RecordingCell>();
        grid.RegisterCellClass(7, recording);
        grid.SetCellType(2, 2, 7);
        grid.SetCellType(3, 1, 99); // no class: drawn as a plain cell
        QCOMPARE(grid.GetCellType(2, 2), 7);
        QCOMPARE(&grid.CellClassFor(2, 2), recording.get());
        grid.SetSelectedRange(2, 2, 2, 2);
        grid.SetFocusCell(2, 2);
        const QImage shot = grid.grab().toImage();
        QCOMPARE(recording->drawn.size(), 1);
        const CGridCellContext c = recording->drawn.constFirst();
        QCOMPARE(c.row, 2);
        QCOMPARE(c.col, 2);
        QCOMPARE(c.text, QStringLiteral("r2c2"));
        QVERIFY(c.selected);
        QVERIFY(c.focused);
        QCOMPARE(c.rect, grid.CellRect(2, 2));
        const QPoint inShot = grid.viewport()->mapTo(&grid, c.rect.center());
        QCOMPARE(shot.pixelColor(inShot * shot.devicePixelRatio()), QColor(Qt::magenta));
        QVERIFY(!grid.IsCellEditable(2, 2));
        QVERIFY(!grid.EditCell(2, 2));
        QVERIFY(grid.EditCell(3, 1));
    }

    void plainCellsUseHighlightWhenSelected()
    {
        Shown shown;
        CGridCtrl &grid = shown.grid;
        grid.SetItemBkColour(3, 2, QColor(224, 234, 243));
        grid.SetItemText(3, 2, QString());
        grid.SetItemText(4, 2, QString());
        grid.SetSelectedRange(4, 2, 4, 2);
        const QImage shot = grid.grab().toImage();
        auto colourAt = [&](int row, int col) {
            const QPoint p = grid.viewport()->mapTo(&grid, grid.CellRect(row, col).center());
            return shot.pixelColor(p * shot.devicePixelRatio());
        };
        QCOMPARE(colourAt(3, 2), QColor(224, 234, 243));
        QCOMPARE(colourAt(4, 2), grid.palette().color(QPalette::Active, QPalette::Highlight));
    }

    void clippedTextShowsAsTip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        QTest::newRow("clipped") << "Incline dumbbell press with a long pause"
                                 << "Incline dumbbell press with a long pause";
        QTest::newRow("clipped markup")
            << "<b>heavy</b> and a long remark about the grip"
            << "<qt>&lt;b&gt;heavy&lt;/b&gt; and a long remark about the grip</qt>";
        QTest::newRow("fits") << "Row"
                              << "";
    }
    void clippedTextShowsAsTip()
    {
        QFETCH(QString, text);
        QFETCH(QString, tip);
        Shown shown;
        CGridCtrl &grid = shown.grid;
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.SetColumnWidth(1, 60);
        grid.SetItemText(2, 1, text);
        const QPoint pos = CentreOf(grid, 2, 1);
        QHelpEvent event(QEvent::ToolTip, pos, grid.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(grid.viewport(), &event);
        QCOMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }

    void visibility()
    {
        Shown shown(40);
        CGridCtrl &grid = shown.grid;
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QVERIFY(grid.IsCellVisible(1, 1));
        QVERIFY(grid.IsCellVisible(0, 2));
        QVERIFY(!grid.IsCellVisible(40, 1));
        grid.EnsureVisible(40, 1);
        QVERIFY(grid.IsCellVisible(40, 1));
        QVERIFY(!grid.IsCellVisible(1, 1));
        QVERIFY(grid.IsCellVisible(0, 2)); // the heading row never scrolls away
        grid.SetColumnWidth(2, 0);
        QVERIFY(!grid.IsCellVisible(0, 2));
    }
};

REPBOOK_TEST_MAIN(TestGridCtrl)

#include "tst_gridctrl.moc"
