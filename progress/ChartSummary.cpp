#include "progress/ChartSummary.h"

#include "progress/RecordsTable.h"
#include "stats/MeasureUnits.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>
#include <QLocale>

namespace ChartSummary {

namespace {

QString ValueOn(double value, const QDate &date)
{
    return QCoreApplication::translate("ChartSummary", "%1 on %2")
        .arg(RecordsTable::FormatNumber(value),
             AppLanguage::Locale().toString(date, QStringLiteral("d MMMM yyyy")));
}

} // namespace

QString Describe(const QString &exercise, ProgressMeasure measure, WeightUnit unit, ChartSpan span,
                 const QList<ExerciseDayStats> &shownDays, const DateSpan &dates)
{
    const QList<ExerciseDayStats> days = MeasureUnits::Shown(shownDays, unit);
    const ExerciseDayStats *first = nullptr;
    const ExerciseDayStats *latest = nullptr;
    const ExerciseDayStats *best = nullptr; // the first day that reached the highest value
    for (const ExerciseDayStats &day : days) {
        if (!dates.Contains(day.date))
            continue;
        if (first == nullptr || day.date < first->date)
            first = &day;
        if (latest == nullptr || day.date > latest->date)
            latest = &day;
        const double value = MeasureValue(day, measure);
        const double bestValue = best ? MeasureValue(*best, measure) : 0.0;
        if (best == nullptr || value > bestValue || (value == bestValue && day.date < best->date))
            best = &day;
    }
    const QString subject =
        QStringLiteral("%1, %2, %3")
            .arg(exercise, MeasureUnits::Title(measure, unit), ChartSpanName(span));
    if (first == nullptr)
        return QCoreApplication::translate("ChartSummary", "%1: no data").arg(subject);
    return QCoreApplication::translate("ChartSummary", "%1: first %2, latest %3, best %4")
        .arg(subject, ValueOn(MeasureValue(*first, measure), first->date),
             ValueOn(MeasureValue(*latest, measure), latest->date),
             ValueOn(MeasureValue(*best, measure), best->date));
}

} // namespace ChartSummary
