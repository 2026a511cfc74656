#pragma once

#include <QList>
#include <QString>

#include <memory>

class DateValue;
class DiaryDatabase;
class TrainingDay;
class Workout;

// One compact text for a diary, so that tests build days in one line and compare whole diaries as
// strings. Days are separated by "; ", each one is
//     D.M.YYYY ["notes"] Workout[:STATUS][[Exercise, Exercise]] Workout ...
// and each exercise is
//     Name [SETSxREPS[+FORCED[-NEGATIVE]]] [WEIGHT] [STATUS] ["note"]
// A program day has "-" for its date. STATUS is "done", "failed" or another number than the named
// three ("s7"); without it a workout is Not yet and an exercise what its weight makes it (Done
// above 0). "_" in a name is a blank. Example: 5.3.2007 "felt strong" Chest_day:done[Bench 3x10 60,
// Fly 3x12 failed "sore"] Legs
namespace testsupport {

// Adds the days of text to database; false (and a warning) when the text is not understood.
bool BuildDiary(DiaryDatabase &database, const QString &text);
// One day or one workout of the notation; nullptr (and a warning) when not understood.
std::unique_ptr<TrainingDay> BuildDay(const QString &text);
std::unique_ptr<Workout> BuildWorkout(const QString &text);
// A date as the notation writes it: "D.M.YYYY".
QString DateText(const DateValue &date);
// Writes a diary of the days of text to path; false when it cannot.
bool WriteDiary(const QString &path, const QString &text);
// The diary in the same notation, days in date order.
QString DescribeDiary(const DiaryDatabase &database);
QString DescribeDay(const TrainingDay &day);
// The diary of the file at path in the notation; "<unreadable>" when it does not open.
QString DescribeDiaryFile(const QString &path);

// Days of December 2026 given as "day:notes" words ("1:a 3:b"), in the notation.
QString DecemberDays(const QString &words);
// The days of the month of dates, as "1 3".
QString DayNumbers(const QList<DateValue> &dates);

} // namespace testsupport
