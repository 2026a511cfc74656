#pragma once

#include <QDate>
#include <QString>

class TrainingDay;

// What a day cell says to assistive technology, in the words a sighted user reads off the cell:
// the date (or the program day's label), each workout with its status, and whether a note is
// kept. Program days show every workout as "Not yet", as their pictures do.
namespace DayCellSpeech {

// "Monday 7 December 2026, today: Chest, Done; Back, Not yet; has a note";
// "Tuesday 8 December 2026: no workouts"; "Sunday 6 December 2026, outside the range".
QString CalendarName(const QDate &date, const QDate &today, bool inRange, const TrainingDay *day);
// "Day 2: Legs, Not yet" or "Day 3: no workouts", from the cell's label.
QString ProgramName(const QString &label, const TrainingDay *day);
// The day's note, or an empty text.
QString Description(const TrainingDay *day);

} // namespace DayCellSpeech
