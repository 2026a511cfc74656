#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

class CYearGrid;
class DiaryDatabase;
class QLabel;
class QSpinBox;

// The Progress window's second page: the year grid of how each day went, its legend, a year
// switcher, the share of planned workouts done per month and the week streaks.
class CConsistencyPage : public QWidget
{
    Q_OBJECT

public:
    explicit CConsistencyPage(const DiaryDatabase &database, QWidget *parent = nullptr);

    // Reads the diary again for the shown year and the streaks.
    void Reload(const QDate &today);
    void ShowYear(int year);
    int Year() const;

    CYearGrid *Grid() const { return m_grid; }
    QLabel *Streaks() const { return m_streaks; }
    // The share label of a month (1..12).
    QLabel *MonthShare(int month) const { return m_shares.value(month - 1); }

signals:
    void dayClicked(const QDate &date);

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *BuildLegend();
    void FillSwatches(); // in the colours of the palette in effect
    QWidget *BuildMonths();
    void ShowChosenYear();

    const DiaryDatabase &m_database;
    QDate m_today;
    QSpinBox *m_year = nullptr;
    CYearGrid *m_grid = nullptr;
    QList<QLabel *> m_shares;
    QList<QLabel *> m_swatches; // the legend's, in its order
    QLabel *m_streaks = nullptr;
    QLabel *m_emptyHint = nullptr;
};
