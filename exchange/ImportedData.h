#pragma once

#include "model/DiaryDatabase.h"

#include <QList>
#include <QString>

#include <memory>

// A row of an imported file that could not be stored, with the line it starts on.
struct SkippedRow
{
    int line = 0;
    QString reason;
};

// What a reader made of a file: the days it holds, in the file's order (never merged with a
// diary yet), and the rows it had to leave out.
struct ImportedData
{
    QString formatName;
    std::shared_ptr<DiaryDatabase> days = std::make_shared<DiaryDatabase>();
    QList<SkippedRow> skipped;
    bool pounds = false; // weights were converted from pounds
};
