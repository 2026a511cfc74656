#pragma once

#include <QVariant>

class TrainingDay;

// A day cell's item data refers to the TrainingDay it shows, which the database owns; an empty
// variant means the cell holds no day.
QVariant CellDataFromDay(TrainingDay *day);
TrainingDay *DayFromCellData(const QVariant &data);
