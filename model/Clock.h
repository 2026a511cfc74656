#pragma once

#include "model/DateValue.h"

#include <QDate>
#include <QDateTime>

// The one source of "now" for both programs. Tests fix it to any moment.
class Clock
{
public:
    static QDateTime Now();
    static QDate Today();
    // Today at midnight.
    static DateValue TodayValue();

    static void SetFixed(const QDateTime &moment);
    static void Reset();
};
