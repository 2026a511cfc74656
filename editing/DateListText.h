#pragma once

#include "model/DateValue.h"

#include <QList>
#include <QString>

// Dates for a message: the first ten in the locale's short format, then how many more.
namespace DateListText {

QString Short(const QList<DateValue> &dates);

} // namespace DateListText
