#pragma once

#include <QDate>
#include <QString>

#include <array>

// The spans of time a progress chart can show.
enum class ChartSpan { AllTime, FiveYears, OneYear, SixMonths, ThreeMonths, Calendar };

inline constexpr std::array<ChartSpan, 6> ChartSpans {ChartSpan::AllTime,     ChartSpan::FiveYears,
                                                      ChartSpan::OneYear,     ChartSpan::SixMonths,
                                                      ChartSpan::ThreeMonths, ChartSpan::Calendar};

// A closed range of dates; an invalid end is open.
struct DateSpan
{
    QDate first;
    QDate last;

    bool Contains(const QDate &date) const
    {
        return (!first.isValid() || date >= first) && (!last.isValid() || date <= last);
    }
};

QString ChartSpanName(ChartSpan span);
// The dates a span covers: the periods end today; AllTime is open at both ends; Calendar is the
// calendar's display range.
DateSpan DatesOf(ChartSpan span, const QDate &today, const DateSpan &calendar);
