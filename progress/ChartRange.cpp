#include "progress/ChartRange.h"

#include <QCoreApplication>

QString ChartSpanName(ChartSpan span)
{
    switch (span) {
    case ChartSpan::AllTime:
        return QCoreApplication::translate("ChartRange", "All time");
    case ChartSpan::FiveYears:
        return QCoreApplication::translate("ChartRange", "5 years");
    case ChartSpan::OneYear:
        return QCoreApplication::translate("ChartRange", "1 year");
    case ChartSpan::SixMonths:
        return QCoreApplication::translate("ChartRange", "6 months");
    case ChartSpan::ThreeMonths:
        return QCoreApplication::translate("ChartRange", "3 months");
    case ChartSpan::Calendar:
        return QCoreApplication::translate("ChartRange", "Calendar range");
    }
    return {};
}

DateSpan DatesOf(ChartSpan span, const QDate &today, const DateSpan &calendar)
{
    switch (span) {
    case ChartSpan::AllTime:
        return {};
    case ChartSpan::FiveYears:
        return {today.addYears(-5).addDays(1), today};
    case ChartSpan::OneYear:
        return {today.addYears(-1).addDays(1), today};
    case ChartSpan::SixMonths:
        return {today.addMonths(-6).addDays(1), today};
    case ChartSpan::ThreeMonths:
        return {today.addMonths(-3).addDays(1), today};
    case ChartSpan::Calendar:
        return calendar;
    }
    return {};
}
