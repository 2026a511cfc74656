#pragma once

#include <QStyledItemDelegate>

class CGridCtrl;

// Paints, measures and edits every cell of a CGridCtrl by handing the work to the cell class
// registered for the cell's type.
class CGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CGridDelegate(CGridCtrl *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    // A cell too narrow for its text shows the whole text as a tip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    CGridCtrl *m_grid;
};
