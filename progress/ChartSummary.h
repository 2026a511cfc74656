#pragma once

#include "model/WeightUnit.h"
#include "progress/ChartRange.h"
#include "stats/ExerciseHistory.h"

#include <QList>
#include <QString>

// The progress chart told in words, for assistive technology: "Squat, Heaviest weight (kg),
// 1 year: first 60 on 3 January 2026, latest 80 on 7 December 2026, best 82.5 on 1 November
// 2026", or "...: no data" when no training day lies within the span. Weights in the unit.
namespace ChartSummary {

QString Describe(const QString &exercise, ProgressMeasure measure, WeightUnit unit, ChartSpan span,
                 const QList<ExerciseDayStats> &days, const DateSpan &dates);

} // namespace ChartSummary
