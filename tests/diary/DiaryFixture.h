#pragma once

#include "model/DateValue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class DiaryDatabase;

// Helpers the diary program's tests share: diaries on disk, the settings store and the clock.
namespace diarytest {

struct DaySpec
{
    DateValue date;
    QString notes;
    QStringList workouts;
};

// Adds the days to a diary in memory.
void AddDays(DiaryDatabase &database, const QList<DaySpec> &days);
// Writes a diary of the given days to path through the model; false when it cannot.
bool WriteDiary(const QString &path, const QList<DaySpec> &days);
QByteArray ReadFile(const QString &path);
bool WriteFile(const QString &path, const QByteArray &bytes);

// Forgets every stored setting of both programs.
void ClearSettings();
// Empties the diary's Database folder, or removes it when exists is false.
void ResetDatabaseFolder(bool exists = true);
// The names of the files in the Database folder.
QStringList DatabaseFolderEntries();

DateValue Date(int year, int month, int day);

} // namespace diarytest
