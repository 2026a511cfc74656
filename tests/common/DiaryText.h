#pragma once

#include <QString>

class DiaryDatabase;
class TrainingDay;

// One compact text for a diary, so that tests build days in one line and compare whole diaries as
// strings. Days are separated by "; ", each one is
//     D.M.YYYY ["notes"] Workout[Exercise SETSxREPS WEIGHT, Exercise] Workout ...
// Names are single words; SETSxREPS and WEIGHT are optional (weight only when above 0).
// Example: 5.3.2007 "felt strong" Chest[Bench 3x10 60, Fly] Legs
namespace testsupport {

// Adds the days of text to database; false (and a warning) when the text is not understood.
bool BuildDiary(DiaryDatabase &database, const QString &text);
// The diary in the same notation, days in date order.
QString DescribeDiary(const DiaryDatabase &database);
QString DescribeDay(const TrainingDay &day);

} // namespace testsupport
