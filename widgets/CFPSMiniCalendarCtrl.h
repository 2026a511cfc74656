#pragma once

#include <QCalendarWidget>
#include <QDate>

#include <functional>
#include <utility>

// A compact month calendar, Monday first and without week numbers. The owner may register a
// query that decides which dates are drawn bold; it is asked for every date the calendar shows
// whenever the shown month changes or Redraw is called. A click (or Enter) on a date sends
// dateClicked.
class CFPSMiniCalendarCtrl : public QCalendarWidget
{
    Q_OBJECT

public:
    using SpecialDateQuery = std::function<bool(const QDate &)>;

    explicit CFPSMiniCalendarCtrl(QWidget *parent = nullptr);

    void SetCurrentDate(const QDate &date); // shows its month
    QDate GetCurrentDate() const { return m_current; }
    void SetSelectedDates(const QDate &first, const QDate &last);
    std::pair<QDate, QDate> GetSelectedDates() const;
    void SetMonthShown(int month, int year);
    void SetSpecialDateCallback(SpecialDateQuery query);
    // What the bold dates are, as the accessible description names them: "December 2026; <what>:
    // 1, 3, 7 to 12".
    void SetSpecialDatesMeaning(const QString &what);
    void Redraw(); // asks the special-date query again

    // The dates the calendar currently marks bold.
    bool IsDrawnSpecial(const QDate &date) const;

signals:
    void dateClicked(QDate date);

protected:
    void changeEvent(QEvent *event) override;

private:
    void MarkSpecialDates();
    // Weekends in the colour of the palette in effect, light or dark.
    void FollowPalette();

    SpecialDateQuery m_query;
    QString m_specialMeaning;
    QDate m_current;
    QDate m_selectedFirst;
    QDate m_selectedLast;
    bool m_justClicked = false; // the last date was chosen by a click, not the keyboard
};
