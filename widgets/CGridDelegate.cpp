#include "widgets/CGridDelegate.h"

#include "widgets/CGridCell.h"
#include "widgets/CGridCtrl.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

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
    QWidget *editor = cell.CreateEditor(parent, context);
    if (editor != nullptr)
        editor->setAutoFillBackground(true); // it may reach over the next cell
    m_grid->m_editing.SetEditor(editor);
    return editor;
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
    // A narrow column still gets an editor wide enough to show its text and arrows; it then
    // covers part of the next cell, and stays inside the visible area.
    QRect rect = option.rect;
    const int wanted = editor->sizeHint().width();
    if (rect.width() < wanted) {
        rect.setWidth(wanted);
        const int overflow = rect.right() - m_grid->viewport()->width() + 1;
        if (overflow > 0)
            rect.translate(-qMin(overflow, rect.left()), 0);
    }
    editor->setGeometry(rect);
}

bool CGridDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                              const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event == nullptr || event->type() != QEvent::ToolTip ||
        index.data(Qt::ToolTipRole).isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const CGridCellContext context = m_grid->ContextForIndex(index, option.rect);
    const QSize wanted = m_grid->CellClassFor(context.row, context.col).PreferredSize(context);
    if (context.text.isEmpty() || wanted.width() <= option.rect.width()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // The text is shown as it stands, also when it happens to look like markup.
    const QString tip = Qt::mightBeRichText(context.text)
        ? QStringLiteral("<qt>%1</qt>").arg(context.text.toHtmlEscaped())
        : context.text;
    QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
    return true;
}
