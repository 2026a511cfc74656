#include "widgets/CGridCtrl.h"

#include "widgets/CGridDelegate.h"
#include "widgets/CGridItem.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

CGridCtrl::CGridCtrl(QWidget *parent)
    : CGridTable(parent)
    , m_delegate(new CGridDelegate(this))
    , m_plainCell(std::make_shared<CGridCell>())
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
            [this] { SetHeadingSelection({}); });

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
    m_editCell = {};
    SetHeadingSelection({});
    clear();
    setRowCount(0);
    setColumnCount(0);
    m_columnFormats.clear();
}

// ---- Cell classes ---------------------------------------------------------------------------

void CGridCtrl::RegisterCellClass(int typeId, std::shared_ptr<CGridCell> cellClass)
{
    if (typeId == 0 || !cellClass)
        return; // the plain cell is built in
    m_cellClasses.insert(typeId, std::move(cellClass));
    viewport()->update();
}

const CGridCell &CGridCtrl::CellClassFor(int row, int col) const
{
    const int type = GetCellType(row, col);
    if (type != 0) {
        const auto found = m_cellClasses.constFind(type);
        if (found != m_cellClasses.constEnd())
            return **found;
    }
    return *m_plainCell;
}

// ---- Selection and focus --------------------------------------------------------------------

int CGridCtrl::FirstFreeColumn() const
{
    for (int col = m_fixedCols; col < columnCount(); ++col) {
        if (!isColumnHidden(col))
            return col;
    }
    return m_fixedCols < columnCount() ? m_fixedCols : -1;
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    CCellRange range;
    if (!selectionModel())
        return range;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange &part : selection) {
        const int left = qMax(part.left(), m_fixedCols);
        if (part.isValid() && left <= part.right())
            range = range.Joined(
                {part.top() + m_fixedRows, left, part.bottom() + m_fixedRows, part.right()});
    }
    return range.Joined(m_heading);
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    if (row < m_fixedRows && col >= m_fixedCols)
        return m_heading.Contains(row, col);
    if (IsCellFixed(row, col) || !selectionModel())
        return false;
    const QModelIndex index = IndexOf(row, col);
    return index.isValid() && selectionModel()->isSelected(index);
}

void CGridCtrl::SetSelectedRange(const CCellRange &range)
{
    SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol);
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol)
{
    SelectRange({minRow, minCol, maxRow, maxCol}, QItemSelectionModel::ClearAndSelect);
}

void CGridCtrl::AddSelectedRange(const CCellRange &range)
{
    SelectRange(range, QItemSelectionModel::Select);
}

void CGridCtrl::SelectRange(const CCellRange &range, QItemSelectionModel::SelectionFlags flags)
{
    // Fixed cells take no place in the item selection; the heading row is kept on its own.
    CCellRange heading = flags.testFlag(QItemSelectionModel::Clear) ? CCellRange {} : m_heading;
    const int firstRow = qMax(range.minRow, m_fixedRows);
    const int lastRow = qMin(range.maxRow, GetRowCount() - 1);
    const int firstCol = qMax(range.minCol, m_fixedCols);
    const int lastCol = qMin(range.maxCol, columnCount() - 1);
    if (range.minRow < 0 || range.minCol < 0 || firstRow > lastRow || firstCol > lastCol) {
        if (flags.testFlag(QItemSelectionModel::Clear))
            clearSelection();
    } else {
        const QItemSelection selection(IndexOf(firstRow, firstCol), IndexOf(lastRow, lastCol));
        if (GetListMode())
            flags |= QItemSelectionModel::Rows;
        selectionModel()->select(selection, flags);
    }
    if (range.minRow >= 0 && range.minRow < m_fixedRows && range.maxRow >= 0 &&
        firstCol <= lastCol) {
        heading = heading.Joined(GetListMode() ? CCellRange {0, m_fixedCols, 0, columnCount() - 1}
                                               : CCellRange {0, firstCol, 0, lastCol});
    }
    SetHeadingSelection(heading);
}

void CGridCtrl::ClearSelection()
{
    clearSelection();
    SetHeadingSelection({});
}

void CGridCtrl::SetHeadingSelection(const CCellRange &columns)
{
    const bool on = columns.IsValid();
    const bool changed = on != m_heading.IsValid();
    m_heading = columns;
    if (!changed)
        return;
    // The heading sections take the selection colours; their own colours still win.
    QPalette palette;
    if (on) {
        palette.setColor(QPalette::Button, this->palette().color(QPalette::Highlight));
        palette.setColor(QPalette::ButtonText, this->palette().color(QPalette::HighlightedText));
    }
    horizontalHeader()->setPalette(palette);
}

void CGridCtrl::SetFocusCell(int row, int col)
{
    if (row < 0 || col < 0) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    // A focus cell asked for among the fixed cells lands on the first cell beside them.
    if (row < m_fixedRows)
        row = m_fixedRows;
    if (col < m_fixedCols)
        col = FirstFreeColumn();
    selectionModel()->setCurrentIndex(IndexOf(row, col), QItemSelectionModel::NoUpdate);
}

CCellID CGridCtrl::GetFocusCell() const
{
    return CellOfIndex(currentIndex());
}

void CGridCtrl::SetListMode(bool on)
{
    setSelectionBehavior(on ? SelectRows : SelectItems);
}

bool CGridCtrl::GetListMode() const
{
    return selectionBehavior() == SelectRows;
}

void CGridCtrl::SetSingleSelection(bool on)
{
    setSelectionMode(on ? SingleSelection : ExtendedSelection);
}

bool CGridCtrl::GetSingleSelection() const
{
    return selectionMode() == SingleSelection;
}

// ---- Editing --------------------------------------------------------------------------------

void CGridCtrl::SetEditable(bool on)
{
    m_editable = on;
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    return m_editable && IsValid(row, col) && !IsCellFixed(row, col) &&
        CellClassFor(row, col).AllowsEdit();
}

bool CGridCtrl::EditCell(int row, int col)
{
    if (!IsCellEditable(row, col))
        return false;
    if (m_editCell == CCellID {row, col})
        return true;
    EndEditing(); // the open edit ends as if the user had left it
    const QModelIndex index = IndexOf(row, col);
    if (!index.isValid())
        return false; // the grid was rebuilt when the previous edit ended
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
    return edit(index, AllEditTriggers, nullptr);
}

bool CGridCtrl::EndEditing(bool commit)
{
    if (!m_editCell.IsValid() || !m_editor)
        return false;
    QWidget *editor = m_editor;
    if (commit)
        commitData(editor);
    closeEditor(editor,
                commit ? QAbstractItemDelegate::NoHint : QAbstractItemDelegate::RevertModelCache);
    return true;
}

bool CGridCtrl::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const CCellID cell = CellOfIndex(index);
    if (!IsCellEditable(cell.row, cell.col))
        return false;
    const bool started = QTableWidget::edit(index, trigger, event);
    if (started && state() == EditingState && m_editCell != cell) {
        m_editCell = cell;
        emit editBegun(cell.row, cell.col);
    }
    return started;
}

void CGridCtrl::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The editor closes first, so that whoever hears editEnded finds the grid at rest and may
    // even rebuild it; moving on to the next cell (Tab) happens afterwards, if the grid is
    // still the same.
    const bool moveOn = hint == QAbstractItemDelegate::EditNextItem ||
        hint == QAbstractItemDelegate::EditPreviousItem;
    const CCellID ended = std::exchange(m_editCell, CCellID {});
    QTableWidget::closeEditor(editor, moveOn ? QAbstractItemDelegate::NoHint : hint);
    const quint64 structure = m_structureVersion;
    if (ended.IsValid())
        emit editEnded(ended.row, ended.col);
    if (!moveOn || structure != m_structureVersion)
        return;
    const QModelIndex next = moveCursor(
        hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious, Qt::NoModifier);
    if (!next.isValid())
        return;
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (GetListMode())
        flags |= QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(next, flags);
    const CCellID cell = CellOfIndex(next);
    emit selectionChangedTo(cell.row, cell.col);
    if (IsCellEditable(cell.row, cell.col))
        edit(next, AllEditTriggers, nullptr);
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
    const int first = FirstFreeColumn();
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

CGridCtrl::SelectionState CGridCtrl::CurrentSelectionState() const
{
    return {GetFocusCell(), selectionModel() ? selectionModel()->selection() : QItemSelection()};
}

void CGridCtrl::EmitIfSelectionChanged(const SelectionState &before)
{
    const SelectionState after = CurrentSelectionState();
    if (after.focus == before.focus && after.selection == before.selection)
        return;
    const CCellID focus = after.focus;
    emit selectionChangedTo(focus.row, focus.col);
}

void CGridCtrl::mousePressEvent(QMouseEvent *event)
{
    const SelectionState before = CurrentSelectionState();
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
        EmitIfSelectionChanged(before);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
    EmitIfSelectionChanged(before);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent *event)
{
    const SelectionState before = CurrentSelectionState();
    QTableWidget::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton)
        EmitIfSelectionChanged(before);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent *event)
{
    const SelectionState before = CurrentSelectionState();
    QTableWidget::mouseReleaseEvent(event);
    EmitIfSelectionChanged(before);
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
    const SelectionState before = CurrentSelectionState();
    QTableWidget::keyPressEvent(event);
    EmitIfSelectionChanged(before);
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
