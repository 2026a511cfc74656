#include "widgets/GridEditing.h"

#include "widgets/CGridCtrl.h"

#include <QKeyEvent>

#include <utility>

GridEditing::GridEditing(CGridCtrl &grid)
    : m_grid(grid)
{
}

bool GridEditing::IsCellEditable(int row, int col) const
{
    return m_editable && m_grid.IsValid(row, col) && !m_grid.IsCellFixed(row, col) &&
        m_grid.CellClassFor(row, col).AllowsEdit();
}

bool GridEditing::EditCell(int row, int col)
{
    if (!IsCellEditable(row, col))
        return false;
    if (m_cell == CCellID {row, col})
        return true;
    End(true); // the open edit ends as if the user had left it
    const QModelIndex index = m_grid.IndexOf(row, col);
    if (!index.isValid())
        return false; // the grid was rebuilt when the previous edit ended
    m_grid.selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_grid.scrollTo(index);
    return m_grid.edit(index, QAbstractItemView::AllEditTriggers, nullptr);
}

bool GridEditing::TakeEnter(const QKeyEvent &key)
{
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (!m_enterEdits || !enter || modifiers != Qt::NoModifier || IsEditing())
        return false;
    const CCellID focus = m_grid.GetFocusCell();
    if (!focus.IsValid() || !IsCellEditable(focus.row, focus.col))
        return false;
    EditCell(focus.row, focus.col);
    return true;
}

bool GridEditing::End(bool commit)
{
    if (!m_cell.IsValid() || !m_editor)
        return false;
    QWidget *editor = m_editor;
    if (commit)
        m_grid.commitData(editor);
    m_grid.closeEditor(
        editor, commit ? QAbstractItemDelegate::NoHint : QAbstractItemDelegate::RevertModelCache);
    return true;
}

bool GridEditing::Begin(const QModelIndex &index, QAbstractItemView::EditTrigger trigger,
                        QEvent *event)
{
    const CCellID cell = m_grid.CellOfIndex(index);
    if (!IsCellEditable(cell.row, cell.col))
        return false;
    const bool started = m_grid.QTableWidget::edit(index, trigger, event);
    if (started && m_grid.state() == QAbstractItemView::EditingState && m_cell != cell) {
        m_cell = cell;
        emit m_grid.editBegun(cell.row, cell.col);
    }
    return started;
}

void GridEditing::Close(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The editor closes first, so that whoever hears editEnded finds the grid at rest and may
    // even rebuild it; moving on to the next cell (Tab) happens afterwards, if the grid is
    // still the same.
    const bool moveOn = hint == QAbstractItemDelegate::EditNextItem ||
        hint == QAbstractItemDelegate::EditPreviousItem;
    const CCellID ended = std::exchange(m_cell, CCellID {});
    m_grid.QTableWidget::closeEditor(editor, moveOn ? QAbstractItemDelegate::NoHint : hint);
    const quint64 structure = m_grid.m_structureVersion;
    if (ended.IsValid())
        emit m_grid.editEnded(ended.row, ended.col);
    if (!moveOn || structure != m_grid.m_structureVersion)
        return;
    const QModelIndex next = m_grid.moveCursor(hint == QAbstractItemDelegate::EditNextItem
                                                   ? QAbstractItemView::MoveNext
                                                   : QAbstractItemView::MovePrevious,
                                               Qt::NoModifier);
    if (!next.isValid())
        return;
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_grid.GetListMode())
        flags |= QItemSelectionModel::Rows;
    m_grid.selectionModel()->setCurrentIndex(next, flags);
    const CCellID cell = m_grid.CellOfIndex(next);
    emit m_grid.selectionChangedTo(cell.row, cell.col);
    if (IsCellEditable(cell.row, cell.col))
        m_grid.edit(next, QAbstractItemView::AllEditTriggers, nullptr);
}
