#include "widgets/CGridDelegate.h"

#include "widgets/CGridCell.h"
#include "widgets/CGridCtrl.h"

#include <QPainter>

CGridDelegate::CGridDelegate(CGridCtrl *grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid)
{
}

void CGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    CGridCellContext context = m_grid->ContextForIndex(index, option.rect);
    context.selected = !context.fixed && option.state.testFlag(QStyle::State_Selected);
    m_grid->CellClassFor(context.row, context.col).Draw(painter, context);
}

QSize CGridDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const CGridCellContext context = m_grid->ContextForIndex(index, option.rect);
    return m_grid->CellClassFor(context.row, context.col).PreferredSize(context);
}

QWidget *CGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    const CGridCellContext context = m_grid->ContextForIndex(index, option.rect);
    const CGridCell &cell = m_grid->CellClassFor(context.row, context.col);
    if (!cell.AllowsEdit())
        return nullptr;
    return cell.CreateEditor(parent, context);
}

void CGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const CGridCellContext context = m_grid->ContextForIndex(index, QRect());
    m_grid->CellClassFor(context.row, context.col).SetEditorText(editor, context);
}

void CGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                 const QModelIndex &index) const
{
    const CGridCellContext context = m_grid->ContextForIndex(index, QRect());
    const QString text = m_grid->CellClassFor(context.row, context.col).EditorText(editor);
    model->setData(index, text, Qt::EditRole);
}

void CGridDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                         const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
