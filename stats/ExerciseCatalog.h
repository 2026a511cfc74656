#pragma once

#include <QDate>
#include <QList>
#include <QString>

class DiaryDatabase;
struct PerformedFilter;

// One performed exercise of the diary.
struct ExerciseSummary
{
    QString name; // the most recent spelling
    int trainingDays = 0; // dates on which it was performed
    QDate lastDate;

    friend bool operator==(const ExerciseSummary &, const ExerciseSummary &) = default;
};

// The list of performed exercises, most recently trained first (then by name).
namespace ExerciseCatalog {

QList<ExerciseSummary> Build(const DiaryDatabase &database, const PerformedFilter &filter);

} // namespace ExerciseCatalog
