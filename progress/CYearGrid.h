#pragma once

#include "stats/Consistency.h"

#include <QColor>
#include <QWidget>

// A year at a glance: one column per week (Monday to Sunday downwards), one coloured square per
// day by its class, the months named above. Hovering a day names it; clicking reports its date.
class CYearGrid : public QWidget
{
    Q_OBJECT

public:
    explicit CYearGrid(QWidget *parent = nullptr);

    void SetYear(const YearConsistency &year, const QDate &today);
    // The colour of a day class in the light or dark variant that suits the palette.
    static QColor ColorOf(DayClass dayClass, const QPalette &palette);
    static QString NameOf(DayClass dayClass);
    // The date under a point of the widget; invalid outside the year's squares.
    QDate DateAt(const QPoint &point) const;
    QRect SquareOf(const QDate &date) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void dayClicked(const QDate &date);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    int Cell() const;
    int CellForWidth(int width) const;
    QPoint Origin() const;
    int ColumnOf(const QDate &date) const;

    YearConsistency m_year;
    QDate m_today;
};
