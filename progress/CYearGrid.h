#pragma once

#include "stats/Consistency.h"

#include <QColor>
#include <QWidget>

// A year at a glance: one column per week (Monday to Sunday downwards), one coloured square per
// day by its class, the months named above. Hovering a day names it; clicking reports its date.
// With the keyboard, the arrow keys (Home, End) move a framed current day and Enter reports it.
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
    // The days of the year shown, 1 January at index 0, and each as read aloud:
    // "Monday 7 December 2026: All workouts done".
    int DayCount() const { return int(m_year.Days().size()); }
    QDate DateOfIndex(int index) const;
    int IndexOfDate(const QDate &date) const;
    QString DayText(int index) const;
    // The day the keyboard is on, as an index of the year's days.
    int CurrentIndex() const { return IndexOfDate(m_current); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void dayClicked(const QDate &date);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    int Cell() const;
    int CellForWidth(int width) const;
    QPoint Origin() const;
    int ColumnOf(const QDate &date) const;
    void SetCurrent(const QDate &date);
    void TellCurrent(); // to assistive technology, when the grid has the focus

    YearConsistency m_year;
    QDate m_today;
    QDate m_current;
};
