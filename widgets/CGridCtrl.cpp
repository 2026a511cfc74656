#include "widgets/CGridCtrl.h"

#include "widgets/CGridDelegate.h"
#include "widgets/CGridItem.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

CGridCtrl::CGridCtrl(QWidget *parent)
    : CGridTable(parent)
    , m_delegate(new CGridDelegate(this))
    , m_selection(*this)
    , m_editing(*this)
{
    setItemDelegate(m_delegate);
    setItemPrototype(new CGridItem);

    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(fontMetrics().height() + 2 * CGridCell::Margin + 2);

    QHeaderView *heading = horizontalHeader();
    heading->setMinimumSectionSize(1);
    heading->setHighlightSections(false);
    heading->setSectionsClickable(false);
    heading->setSectionsMovable(false);
    heading->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->hide();
    connect(heading, &QWidget::customContextMenuRequested, this, &CGridCtrl::OnHeaderContextMenu);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_selection.SetHeading({}); });

    setWordWrap(false);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(true);
    setFocusPolicy(Qt::StrongFocus);
}

CGridCtrl::~CGridCtrl() = default;

void CGridCtrl::DeleteAllItems()
{
    ++m_structureVersion;
    m_editing.Forget();
    m_selection.SetHeading({});
    clear();
    setRowCount(0);
    setColumnCount(0);
    m_columnFormats.clear();
}

// ---- Cell classes ---------------------------------------------------------------------------

void CGridCtrl::RegisterCellClass(int typeId, std::shared_ptr<CGridCell> cellClass)
{
    if (m_cellClasses.Register(typeId, std::move(cellClass)))
        viewport()->update();
}

const CGridCell &CGridCtrl::CellClassFor(int row, int col) const
{
    return m_cellClasses.For(GetCellType(row, col));
}

// ---- Selection and focus --------------------------------------------------------------------

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    return m_selection.SelectedRange();
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    return m_selection.IsSelected(row, col);
}

void CGridCtrl::SetSelectedRange(const CCellRange &range)
{
    SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol);
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol)
{
    m_selection.Select({minRow, minCol, maxRow, maxCol}, QItemSelectionModel::ClearAndSelect);
}

void CGridCtrl::ClearSelection()
{
    m_selection.Clear();
}

void CGridCtrl::SetFocusCell(int row, int col)
{
    m_selection.SetFocusCell(row, col);
}

CCellID CGridCtrl::GetFocusCell() const
{
    return m_selection.FocusCell();
}

void CGridCtrl::SetListMode(bool on)
{
    setSelectionBehavior(on ? SelectRows : SelectItems);
}

bool CGridCtrl::GetListMode() const
{
    return selectionBehavior() == SelectRows;
}

// ---- Editing --------------------------------------------------------------------------------

bool CGridCtrl::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    return m_editing.Begin(index, trigger, event);
}

void CGridCtrl::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    m_editing.Close(editor, hint);
}

// ---- Keyboard and mouse ---------------------------------------------------------------------

QModelIndex CGridCtrl::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    QModelIndex target = QTableWidget::moveCursor(cursorAction, modifiers);
    const QModelIndex current = currentIndex();
    if (target.isValid() && current.isValid()) {
        // Tab on the last cell and Shift+Tab on the first leave the grid instead of wrapping.
        const auto before = [](const QModelIndex &a, const QModelIndex &b) {
            return a.row() < b.row() || (a.row() == b.row() && a.column() < b.column());
        };
        if ((cursorAction == MoveNext && !before(current, target)) ||
            (cursorAction == MovePrevious && !before(target, current)))
            return QModelIndex();
    }
    if (!target.isValid() || target.column() >= m_fixedCols)
        return target;
    // The fixed column never takes the focus.
    const int first = m_selection.FirstFreeColumn();
    if (first < 0)
        return currentIndex();
    if (cursorAction == MovePrevious && target.row() > 0 && currentIndex().isValid() &&
        currentIndex().column() == first) {
        for (int col = columnCount() - 1; col >= first; --col) {
            if (!isColumnHidden(col))
                return model()->index(target.row() - 1, col);
        }
    }
    return model()->index(target.row(), first);
}

void CGridCtrl::mousePressEvent(QMouseEvent *event)
{
    const GridSelection::State before = m_selection.Current();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        // A click beside the cells keeps the selection.
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    if (index.column() < m_fixedCols && event->button() == Qt::LeftButton) {
        // A click on the fixed column selects its row.
        setFocus(Qt::MouseFocusReason);
        const int row = index.row() + m_fixedRows;
        SetSelectedRange(row, m_fixedCols, row, columnCount() - 1);
        SetFocusCell(row, m_fixedCols);
        m_selection.EmitIfChanged(before);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
    m_selection.EmitIfChanged(before);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent *event)
{
    const GridSelection::State before = m_selection.Current();
    QTableWidget::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton)
        m_selection.EmitIfChanged(before);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent *event)
{
    const GridSelection::State before = m_selection.Current();
    QTableWidget::mouseReleaseEvent(event);
    m_selection.EmitIfChanged(before);
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent *event)
{
    const CCellID cell = CellOfIndex(indexAt(event->position().toPoint()));
    QTableWidget::mouseDoubleClickEvent(event);
    if (cell.IsValid() && IsValid(cell.row, cell.col))
        emit cellDoubleClicked(cell.row, cell.col);
}

void CGridCtrl::keyPressEvent(QKeyEvent *event)
{
    if (m_editing.TakeEnter(*event)) {
        event->accept();
        return;
    }
    const GridSelection::State before = m_selection.Current();
    QTableWidget::keyPressEvent(event);
    m_selection.EmitIfChanged(before);
}

void CGridCtrl::contextMenuEvent(QContextMenuEvent *event)
{
    QModelIndex index;
    QPoint globalPos = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        index = indexAt(event->pos());
    } else {
        index = currentIndex();
        if (index.isValid())
            globalPos = viewport()->mapToGlobal(visualRect(index).center());
    }
    const CCellID cell = CellOfIndex(index);
    if (!cell.IsValid()) {
        event->ignore();
        return;
    }
    event->accept();
    emit cellRightClicked(cell.row, cell.col, globalPos);
}

void CGridCtrl::OnHeaderContextMenu(const QPoint &pos)
{
    if (m_fixedRows == 0)
        return;
    const int col = horizontalHeader()->logicalIndexAt(pos);
    if (col < 0)
        return;
    emit cellRightClicked(0, col, horizontalHeader()->mapToGlobal(pos));
}
