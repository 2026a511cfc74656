#pragma once

#include "exchange/ImportedData.h"

#include <QHash>
#include <QString>

class Workout;

// One set as another training log exports it, already in kilograms.
struct LoggedSet
{
    enum class Kind { Normal, WarmUp, Drop, Failure };

    int line = 0;
    QString workoutKey; // tells the source's workouts apart (its start and title)
    DateValue date;
    QString workoutName;
    QString workoutNote;
    QString exercise;
    QString exerciseNote;
    Kind kind = Kind::Normal;
    double weightKg = 0.0;
    double reps = 0.0;
    bool timeOrDistance = false; // the set has a duration or a distance
};

// Turns the sets of another log into days: each source workout becomes a Done workout on its
// date, consecutive equal sets of one exercise fold into one entry whose Sets is their count,
// and warm-up, drop and failure sets stay apart with a note saying so. Sets the diary cannot
// hold are skipped with their line and the reason.
class SetCollector
{
public:
    explicit SetCollector(ImportedData &result)
        : m_result(result)
    {
    }

    // False when the set was skipped.
    bool Add(const LoggedSet &set);
    bool Skip(int line, const QString &reason)
    {
        m_result.skipped.append({line, reason});
        return false;
    }
    // Renames a workout after its rows were read (a name made of all its rows).
    void Rename(const QString &workoutKey, const QString &name);

    // Reads a number as the logs write it: a point or a comma before the decimals, empty as 0.
    static bool ParseNumber(const QString &text, double &value);

private:
    Workout *WorkoutFor(const LoggedSet &set);
    static QString KindNote(LoggedSet::Kind kind);

    ImportedData &m_result;
    QHash<qint64, TrainingDay *> m_days;
    QHash<QString, Workout *> m_workouts;
    QHash<Workout *, LoggedSet::Kind> m_lastKind;
};
