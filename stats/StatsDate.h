#pragma once

#include <QDate>
#include <QtGlobal>

// The statistics work on the diary's day numbers (days since 1899-12-30, DateValue::DayKey) and
// hand out QDates. Weeks start on Monday.
namespace StatsDate {

// Julian day of 1899-12-30, the diary's day 0.
inline constexpr qint64 JulianDayOfKeyZero = 2415019;

inline QDate FromKey(qint64 key)
{
    return QDate::fromJulianDay(key + JulianDayOfKeyZero);
}

inline qint64 ToKey(const QDate &date)
{
    return date.toJulianDay() - JulianDayOfKeyZero;
}

// Consecutive numbers for consecutive Monday-to-Sunday weeks (Julian day 0 is a Monday).
inline qint64 WeekOf(const QDate &date)
{
    const qint64 julian = date.toJulianDay();
    return julian >= 0 ? julian / 7 : (julian - 6) / 7;
}

} // namespace StatsDate
