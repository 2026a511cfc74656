#pragma once

#include "model/LineCursor.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

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
    struct SharedName
    {
        QByteArrayView bytes; // into the content being read; empty for a free slot
        QString name;
    };

    void ReadDay(TrainingDay &day, QByteArrayView dateLine);
    void ReadWorkout(Workout &workout);
    QString Name(QByteArrayView line);
    SharedName &Slot(QByteArrayView line);

    LineCursor m_lines;
    // Exercise and workout names repeat on almost every day; equal names share one string. An
    // open-addressing table of a power-of-two size keyed by the bytes of the line.
    std::vector<SharedName> m_names;
    qsizetype m_nameCount = 0;
};
