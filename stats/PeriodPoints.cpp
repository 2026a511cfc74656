#include "stats/PeriodPoints.h"

#include "stats/StatsDate.h"

#include <QCoreApplication>

namespace PeriodPoints {

namespace {

qint64 PeriodOf(const QDate &date, PointPeriod period)
{
    switch (period) {
    case PointPeriod::Day:
        return date.toJulianDay();
    case PointPeriod::Week:
        return StatsDate::WeekOf(date);
    case PointPeriod::Month:
        return qint64(date.year()) * 12 + date.month();
    }
    return 0;
}

qsizetype PeriodCount(const QList<ExerciseDayStats> &days, PointPeriod period)
{
    qsizetype count = 0;
    qint64 last = 0;
    for (const ExerciseDayStats &day : days) {
        const qint64 current = PeriodOf(day.date, period);
        if (count == 0 || current != last)
            ++count;
        last = current;
    }
    return count;
}

} // namespace

bool IsSum(ProgressMeasure measure)
{
    return measure == ProgressMeasure::Volume || measure == ProgressMeasure::Sets;
}

PointPeriod FinestPeriod(const QList<ExerciseDayStats> &days, int maxPoints)
{
    for (const PointPeriod period : {PointPeriod::Day, PointPeriod::Week}) {
        if (PeriodCount(days, period) <= maxPoints)
            return period;
    }
    return PointPeriod::Month;
}

QList<MeasurePoint> Points(const QList<ExerciseDayStats> &days, ProgressMeasure measure,
                           PointPeriod period)
{
    QList<MeasurePoint> points;
    const bool sum = IsSum(measure);
    qint64 current = 0;
    for (const ExerciseDayStats &day : days) {
        const double value = MeasureValue(day, measure);
        const qint64 of = PeriodOf(day.date, period);
        if (points.isEmpty() || of != current) {
            points.append({day.date, value});
            current = of;
        } else if (sum) {
            points.last() = {day.date, points.last().value + value};
        } else if (value > points.last().value) {
            points.last() = {day.date, value};
        }
    }
    return points;
}

QString Description(PointPeriod period, ProgressMeasure measure)
{
    if (period == PointPeriod::Day)
        return QString();
    if (period == PointPeriod::Week)
        return IsSum(measure)
            ? QCoreApplication::translate("PeriodPoints",
                                          "One point per week: the sum of each week.")
            : QCoreApplication::translate("PeriodPoints",
                                          "One point per week: the best of each week.");
    return IsSum(measure)
        ? QCoreApplication::translate("PeriodPoints", "One point per month: the sum of each month.")
        : QCoreApplication::translate("PeriodPoints",
                                      "One point per month: the best of each month.");
}

} // namespace PeriodPoints
