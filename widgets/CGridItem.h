#pragma once

#include <QTableWidgetItem>

// An item of CGridCtrl. Its accessible name and description, unless set on the item, come from
// the cell class at the moment they are asked for, so a cell that paints its content from the
// item's data (a calendar day) is read aloud as it is drawn, however the data changed.
class CGridItem : public QTableWidgetItem
{
public:
    explicit CGridItem(const QString &text = QString());

    QVariant data(int role) const override;
    QTableWidgetItem *clone() const override;
};
