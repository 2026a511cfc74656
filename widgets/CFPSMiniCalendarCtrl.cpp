#include "widgets/CFPSMiniCalendarCtrl.h"

#include "images/RepbookColours.h"

#include <QEvent>
#include <QTextCharFormat>

#include <utility>

CFPSMiniCalendarCtrl::CFPSMiniCalendarCtrl(QWidget *parent)
    : QCalendarWidget(parent)
{
    setFirstDayOfWeek(Qt::Monday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setGridVisible(false);
    setNavigationBarVisible(true);
    setDateEditEnabled(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    FollowPalette();

    connect(this, &QCalendarWidget::currentPageChanged, this, [this] { MarkSpecialDates(); });
    connect(this, &QCalendarWidget::clicked, this, [this](QDate date) {
        m_selectedFirst = m_selectedLast = date;
        m_justClicked = true;
        emit dateClicked(date);
    });
    // Enter on a date chosen with the keyboard counts as a click; the activation that follows a
    // double click has already been sent as a click.
    connect(this, &QCalendarWidget::activated, this, [this](QDate date) {
        if (std::exchange(m_justClicked, false))
            return;
        m_selectedFirst = m_selectedLast = date;
        emit dateClicked(date);
    });
    connect(this, &QCalendarWidget::selectionChanged, this, [this] {
        m_justClicked = false;
        const QDate date = selectedDate();
        if (date < m_selectedFirst || date > m_selectedLast)
            m_selectedFirst = m_selectedLast = date;
    });
}

void CFPSMiniCalendarCtrl::SetCurrentDate(const QDate &date)
{
    if (!date.isValid())
        return;
    m_current = date;
    SetMonthShown(date.month(), date.year());
}

void CFPSMiniCalendarCtrl::SetSelectedDates(const QDate &first, const QDate &last)
{
    if (!first.isValid())
        return;
    m_selectedFirst = first;
    m_selectedLast = last.isValid() && last >= first ? last : first;
    setSelectedDate(first);
}

std::pair<QDate, QDate> CFPSMiniCalendarCtrl::GetSelectedDates() const
{
    return {m_selectedFirst, m_selectedLast};
}

void CFPSMiniCalendarCtrl::SetMonthShown(int month, int year)
{
    if (month < 1 || month > 12)
        return;
    setCurrentPage(year, month);
    MarkSpecialDates();
}

void CFPSMiniCalendarCtrl::SetSpecialDateCallback(SpecialDateQuery query)
{
    m_query = std::move(query);
    MarkSpecialDates();
}

void CFPSMiniCalendarCtrl::Redraw()
{
    MarkSpecialDates();
}

bool CFPSMiniCalendarCtrl::IsDrawnSpecial(const QDate &date) const
{
    return dateTextFormat(date).fontWeight() >= QFont::Bold;
}

void CFPSMiniCalendarCtrl::MarkSpecialDates()
{
    // The shown page holds six weeks around the month; every date of it is asked.
    setDateTextFormat(QDate(), QTextCharFormat());
    if (!m_query)
        return;
    const QDate first = QDate(yearShown(), monthShown(), 1);
    if (!first.isValid())
        return;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    const QDate last = first.addMonths(1).addDays(13);
    for (QDate date = first.addDays(-14); date <= last; date = date.addDays(1)) {
        if (m_query(date))
            setDateTextFormat(date, bold);
    }
}

void CFPSMiniCalendarCtrl::changeEvent(QEvent *event)
{
    QCalendarWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        FollowPalette();
}

void CFPSMiniCalendarCtrl::FollowPalette()
{
    const RepbookColours &own = RepbookColours::For(palette());
    // The calendar draws the days of the neighbouring months in the disabled text colour.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, own.otherMonthText);
    setPalette(palette);
    QTextCharFormat weekend;
    weekend.setForeground(own.weekendText);
    setWeekdayTextFormat(Qt::Saturday, weekend);
    setWeekdayTextFormat(Qt::Sunday, weekend);
}
