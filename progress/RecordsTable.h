#pragma once

#include "model/WeightUnit.h"

#include <QString>

class QTableWidget;
class QWidget;
struct ExerciseRecords;

// The personal records of an exercise as a read-only table: one row per record with its value
// and the date it was first reached.
namespace RecordsTable {

enum Column { RecordColumn, ValueColumn, DateColumn, ColumnCount };

QTableWidget *Create(QWidget *parent);
// The records, held in kilograms, with their weights in the unit: "102.1 lb \u00d7 5".
void Show(QTableWidget *table, const ExerciseRecords &records, WeightUnit unit);
// A weight or other measure as the windows print it: at most one decimal, none when whole.
QString FormatNumber(double value);

} // namespace RecordsTable
