#include "editing/DayCellData.h"

#include "model/TrainingDay.h"

QVariant CellDataFromDay(TrainingDay *day)
{
    if (!day)
        return QVariant();
    return QVariant::fromValue(day);
}

TrainingDay *DayFromCellData(const QVariant &data)
{
    if (!data.isValid() || data.metaType() != QMetaType::fromType<TrainingDay *>())
        return nullptr;
    return data.value<TrainingDay *>();
}
