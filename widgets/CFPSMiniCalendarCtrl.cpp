#include "widgets/CFPSMiniCalendarCtrl.h"

#include "images/RepbookColours.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <QEvent>
#include <QTextCharFormat>

#include <utility>

namespace {

// "1, 3, 7 to 12" for the day numbers given in ascending order.
QString DayRuns(const QList<int> &days)
{
    QStringList runs;
    for (qsizetype i = 0; i < days.size();) {
        qsizetype last = i;
        while (last + 1 < days.size() && days.at(last + 1) == days.at(last) + 1)
            ++last;
        runs << (last > i + 1 ? QCoreApplication::translate("CFPSMiniCalendarCtrl", "%1 to %2")
                                    .arg(days.at(i))
                                    .arg(days.at(last))
                              : QString::number(days.at(i)));
        if (last == i + 1)
            runs << QString::number(days.at(last));
        i = last + 1;
    }
    return runs.join(QStringLiteral(", "));
}

} // namespace

CFPSMiniCalendarCtrl::CFPSMiniCalendarCtrl(QWidget *parent)
    : QCalendarWidget(parent)
{
    // Month and weekday names in the language of the texts; Monday stays the first day.
    setLocale(AppLanguage::Locale());
    setFirstDayOfWeek(Qt::Monday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setGridVisible(false);
    setNavigationBarVisible(true);
    setDateEditEnabled(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_specialMeaning = tr("marked dates");
    // The navigation bar's picture buttons and the year field have no text of their own.
    const std::pair<const char *, QString> unnamed[] = {
        {"qt_calendar_prevmonth", tr("Previous month")},
        {"qt_calendar_nextmonth", tr("Next month")},
        {"qt_calendar_yearedit", tr("Year")}};
    for (const auto &[objectName, spoken] : unnamed) {
        if (auto *child = findChild<QWidget *>(QLatin1String(objectName)))
            child->setAccessibleName(spoken);
    }
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

void CFPSMiniCalendarCtrl::SetSpecialDatesMeaning(const QString &what)
{
    m_specialMeaning = what;
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
    const QDate first = QDate(yearShown(), monthShown(), 1);
    if (!first.isValid())
        return;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QList<int> boldDays; // of the month shown, for the description
    const QDate last = first.addMonths(1).addDays(13);
    for (QDate date = first.addDays(-14); m_query && date <= last; date = date.addDays(1)) {
        if (!m_query(date))
            continue;
        setDateTextFormat(date, bold);
        if (date.month() == first.month())
            boldDays << date.day();
    }
    QString description = AppLanguage::Locale().toString(first, QStringLiteral("MMMM yyyy"));
    if (!boldDays.isEmpty())
        description += QStringLiteral("; %1: %2").arg(m_specialMeaning, DayRuns(boldDays));
    setAccessibleDescription(description);
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
