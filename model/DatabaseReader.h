#pragma once

#include "model/ExerciseEntry.h"
#include "model/LineCursor.h"
#include "model/SharedTextTable.h"

#include <QByteArray>
#include <QByteArrayView>

class DiaryDatabase;
class TrainingDay;
class Workout;

// Reads the day records of a file's content (the part before the end marker) into a container.
// Every value goes through the model's setters, so a value out of range keeps the default.
// Missing lines read as empty lines; no record is created once the content is used up, so a
// huge count in a damaged file cannot make the reader allocate without end.
class DatabaseReader
{
public:
    explicit DatabaseReader(QByteArrayView content);

    // Appends the days read to the container.
    void ReadInto(DiaryDatabase &database);

private:
    void ReadDay(TrainingDay &day, QByteArrayView dateLine);
    void ReadWorkout(Workout &workout);

    LineCursor m_lines;
    SharedTextTable<> m_names; // exercise and workout names
    SharedTextTable<ExerciseEntry::Note> m_notes; // exercise notes, which often repeat
};
