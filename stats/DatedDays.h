#pragma once

#include <QtGlobal>

#include <utility>
#include <vector>

class DiaryDatabase;
class TrainingDay;

// The diary's days that have a calendar date, with their day numbers (DateValue::DayKey), in
// date order; days of one date keep their list order. The diary keeps no order of its own.
namespace DatedDays {

using DatedDay = std::pair<qint64, const TrainingDay *>;

std::vector<DatedDay> InDateOrder(const DiaryDatabase &database);

} // namespace DatedDays
