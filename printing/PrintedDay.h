#pragma once

#include "model/ProgressStatus.h"
#include "model/WeightUnit.h"

#include <QDate>
#include <QList>
#include <QString>

class TrainingDay;

// The texts of one training day exactly as the printed log shows them. Printing reads the diary
// once into these and lays out and draws only them.
struct PrintedExercise
{
    QString name;
    QString sets;
    QString reps;
    QString forced;
    QString negative;
    QString weight;
    QString note;
    QString status;
    ProgressStatus progress = ProgressStatus::NotYet;
};

struct PrintedWorkout
{
    QString name;
    QString status;
    ProgressStatus progress = ProgressStatus::NotYet;
    QList<PrintedExercise> exercises;
};

struct PrintedDay
{
    QString date; // "Thursday, 1 March 2007"
    QString notes; // line breaks as '\n'
    QList<PrintedWorkout> workouts;

    static PrintedDay From(const TrainingDay &day, WeightUnit unit);
};

namespace PrintedText {

// The printed name of a status; values other than Done and Failed print as "Not yet".
QString Status(ProgressStatus status);
// The shown status: Done and Failed as they are, every other value Not yet.
ProgressStatus Shown(ProgressStatus status);
// A weight in the unit without trailing zeros: 80, 82.5, 0.25 kg; 181.9 lb.
QString Weight(float weight, WeightUnit unit);
// The date heading of a day; "Undated day" for a date without calendar fields.
QString Date(const QDate &date);

} // namespace PrintedText
