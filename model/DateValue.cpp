#include "model/DateValue.h"

#include "model/CivilDate.h"

#include <cmath>

namespace {

constexpr qint64 SecondsPerDay = 86400;
// Day count of 1970-01-01, the origin of CivilDate.
constexpr qint64 UnixEpochDay = 25569;
// Julian day number of 1899-12-30, the origin of DateValue.
constexpr qint64 JulianDayOfOrigin = 2415019;
constexpr int FirstYear = 100;
constexpr int LastYear = 9999;
constexpr qint64 FirstDay = CivilDate::DaysFromCivil(FirstYear, 1, 1) + UnixEpochDay;
constexpr qint64 LastDay = CivilDate::DaysFromCivil(LastYear, 12, 31) + UnixEpochDay;
// Values are rounded to the nearest second before their fields are read.
constexpr double HalfSecond = 0.5 / SecondsPerDay;

static_assert(CivilDate::DaysFromCivil(1899, 12, 30) + UnixEpochDay == 0);

struct DayAndTime
{
    qint64 day = 0;
    int seconds = 0;
};

// Splits a value into its day number and the seconds since that day's midnight; false when the
// value lies outside the years that have calendar fields.
bool Split(double value, DayAndTime &out)
{
    if (!std::isfinite(value))
        return false;
    const double rounded = value + (value > 0 ? HalfSecond : -HalfSecond);
    if (rounded < double(FirstDay - 1) || rounded > double(LastDay + 1))
        return false;
    const double whole = std::trunc(rounded);
    out.day = static_cast<qint64>(whole);
    out.seconds = static_cast<int>(std::fabs(rounded - whole) * SecondsPerDay);
    if (out.seconds >= SecondsPerDay)
        out.seconds = SecondsPerDay - 1;
    return out.day >= FirstDay && out.day <= LastDay;
}

// A value on a straight time line: the day number plus the fraction of the day, also below zero.
double ToLinear(double value)
{
    if (value >= 0)
        return value;
    const double whole = std::trunc(value);
    return whole + (whole - value);
}

double FromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    const double whole = std::floor(linear);
    return whole - (linear - whole);
}

bool IsField16(int value)
{
    return value >= 0 && value <= 0xffff;
}

} // namespace

DateValue::DateValue(double value, Status status)
    : m_value(value)
    , m_status(status)
{
}

DateValue DateValue::FromDate(int year, int month, int day)
{
    DateValue date;
    date.SetDate(year, month, day);
    return date;
}

DateValue DateValue::MakeNull()
{
    return DateValue(0.0, Null);
}

DateValue DateValue::MakeInvalid()
{
    return DateValue(0.0, Invalid);
}

DateValue DateValue::FromQDate(const QDate &date)
{
    if (!date.isValid() || date.year() < FirstYear || date.year() > LastYear)
        return MakeInvalid();
    return DateValue(static_cast<double>(date.toJulianDay() - JulianDayOfOrigin));
}

DateValue DateValue::FromQDateTime(const QDateTime &moment)
{
    if (!moment.isValid())
        return MakeInvalid();
    const DateValue date = FromQDate(moment.date());
    if (!date.IsValid())
        return date;
    const double fraction = moment.time().msecsSinceStartOfDay() / (SecondsPerDay * 1000.0);
    return DateValue(FromLinear(date.m_value + fraction));
}

bool DateValue::SetDate(int year, int month, int day)
{
    const bool valid = IsField16(year) && IsField16(month) && IsField16(day) && year >= FirstYear &&
        year <= LastYear && month >= 1 && month <= 12 && day >= 1 &&
        day <= CivilDate::DaysInMonth(year, month);
    if (!valid) {
        m_value = 0.0;
        m_status = Invalid;
        return false;
    }
    m_value = static_cast<double>(CivilDate::DaysFromCivil(year, month, day) + UnixEpochDay);
    m_status = Valid;
    return true;
}

DateValue::Fields DateValue::CalendarFields() const
{
    const qint64 key = DayKey();
    if (key == NoDayKey)
        return {};
    const CivilDate::YearMonthDay civil = CivilDate::CivilFromDays(key - UnixEpochDay);
    return {static_cast<int>(civil.year), civil.month, civil.day};
}

int DateValue::GetYear() const
{
    return CalendarFields().year;
}

int DateValue::GetMonth() const
{
    return CalendarFields().month;
}

int DateValue::GetDay() const
{
    return CalendarFields().day;
}

int DateValue::GetDayOfWeekIndex() const
{
    const qint64 key = DayKey();
    if (key == NoDayKey)
        return -1;
    // Day 0 was a Saturday, index 5.
    return static_cast<int>(((key % 7) + 7 + 5) % 7);
}

QDate DateValue::ToQDate() const
{
    const qint64 key = DayKey();
    if (key == NoDayKey)
        return QDate();
    return QDate::fromJulianDay(key + JulianDayOfOrigin);
}

QDateTime DateValue::ToQDateTime() const
{
    DayAndTime split;
    if (m_status != Valid || !Split(m_value, split))
        return QDateTime();
    return QDateTime(QDate::fromJulianDay(split.day + JulianDayOfOrigin),
                     QTime(0, 0).addSecs(split.seconds));
}

DateValue DateValue::AddDays(qint64 days) const
{
    if (m_status != Valid)
        return *this;
    DayAndTime split;
    if (!Split(m_value, split))
        return MakeInvalid();
    const double moved = FromLinear(ToLinear(m_value) + static_cast<double>(days));
    if (!Split(moved, split))
        return MakeInvalid();
    return DateValue(moved);
}

qint64 DateValue::DaysTo(const DateValue &other) const
{
    const qint64 from = DayKey();
    const qint64 to = other.DayKey();
    if (from == NoDayKey || to == NoDayKey)
        return 0;
    return to - from;
}

qint64 DateValue::DayKey() const
{
    DayAndTime split;
    if (m_status != Valid || !Split(m_value, split))
        return NoDayKey;
    return split.day;
}
