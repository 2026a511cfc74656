#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CYearGrid;

// The year grid as assistive technology reads it: a list with one item per day of the year,
// each named "<date>: <class>" and placed on its square. The items are made when first asked
// for and read the grid at that moment, so a new year shown needs no update.
class YearGridAccessible : public QAccessibleWidget
{
public:
    explicit YearGridAccessible(CYearGrid *grid);
    ~YearGridAccessible() override;

    // For QAccessible::installFactory: the interface of a CYearGrid, nullptr for anything else.
    static QAccessibleInterface *Create(const QString &className, QObject *object);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    CYearGrid *Grid() const;

private:
    mutable QHash<int, QAccessible::Id> m_days;
};
