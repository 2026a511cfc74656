#pragma once

#include "stats/ExerciseHistory.h"

#include <QDate>
#include <QList>
#include <QString>

// The points of a progress chart: one per training day, or one per week or month when a span
// holds more days than the chart has room for.
enum class PointPeriod { Day, Week, Month };

struct MeasurePoint
{
    QDate date; // a training day: the period's best day, or its last day for sums
    double value = 0.0;

    friend bool operator==(const MeasurePoint &, const MeasurePoint &) = default;
};

namespace PeriodPoints {

// True for the measures a period sums (volume, sets); the others take the period's best.
bool IsSum(ProgressMeasure measure);

// The finest period that gives at most maxPoints points for days (in date order); Month when
// even the months are more.
PointPeriod FinestPeriod(const QList<ExerciseDayStats> &days, int maxPoints);

// The measure's points for days (in date order), one per period that holds a day.
QList<MeasurePoint> Points(const QList<ExerciseDayStats> &days, ProgressMeasure measure,
                           PointPeriod period);

// What a chart of that period shows, for a note beside it: "One point per week: the best of
// each week."; empty for Day.
QString Description(PointPeriod period, ProgressMeasure measure);

} // namespace PeriodPoints
