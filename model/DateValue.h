#pragma once

#include <QDate>
#include <QDateTime>
#include <QtGlobal>

// A calendar date (and time of day) as a day count since 1899-12-30 00:00 with a status.
//
// The whole part of the value counts days, the fraction is the time of day; for values below
// zero the fraction still counts forward from that day's midnight (-1.25 is 1899-12-29 06:00).
// Only years 100..9999 can be converted to calendar fields. All field access is plain integer
// arithmetic so that walking thousands of days stays cheap.
class DateValue
{
public:
    enum Status { Valid = 0, Invalid = 1, Null = 2 };

    // Key shared by every date that has no calendar fields (invalid, null or unconvertible).
    static constexpr qint64 NoDayKey = -0x7fffffffffffffffLL - 1;

    DateValue() = default;
    explicit DateValue(double value, Status status = Valid);

    static DateValue FromDate(int year, int month, int day);
    static DateValue MakeNull();
    static DateValue MakeInvalid();
    static DateValue FromQDate(const QDate &date);
    static DateValue FromQDateTime(const QDateTime &moment);

    // Midnight of the given day. Each field is taken as a 16-bit value; the result is valid only
    // for years 100..9999 and a real calendar day, otherwise the status becomes Invalid.
    bool SetDate(int year, int month, int day);

    // Calendar fields of a valid value; -1 for an invalid or null value or one out of range.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    // Monday 0 .. Sunday 6; -1 when the value has no calendar fields.
    int GetDayOfWeekIndex() const;

    double GetValue() const { return m_value; }
    Status GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == Valid; }

    QDate ToQDate() const;
    QDateTime ToQDateTime() const;

    // The date the given number of days later (earlier for a negative count), keeping the time
    // of day. Null stays null, invalid stays invalid; a result outside years 100..9999 is
    // Invalid.
    DateValue AddDays(qint64 days) const;
    DateValue operator+(qint64 days) const { return AddDays(days); }
    DateValue operator-(qint64 days) const { return AddDays(-days); }

    // Calendar days from this date to other; 0 unless both have calendar fields.
    qint64 DaysTo(const DateValue &other) const;

    // The day number of a date with calendar fields, NoDayKey for every other value. Two dates
    // compare equal exactly when their keys are equal, and keys order like the dates.
    qint64 DayKey() const;

    // Dates compare by year, month and day; the time of day plays no part. Dates without
    // calendar fields all read -1.-1.-1, so they are equal to each other and before every date.
    friend bool operator==(const DateValue &a, const DateValue &b)
    {
        return a.DayKey() == b.DayKey();
    }
    friend bool operator!=(const DateValue &a, const DateValue &b) { return !(a == b); }
    friend bool operator<(const DateValue &a, const DateValue &b)
    {
        return a.DayKey() < b.DayKey();
    }
    friend bool operator<=(const DateValue &a, const DateValue &b) { return !(b < a); }
    friend bool operator>(const DateValue &a, const DateValue &b) { return b < a; }
    friend bool operator>=(const DateValue &a, const DateValue &b) { return !(a < b); }

private:
    struct Fields
    {
        int year = -1;
        int month = -1;
        int day = -1;
    };
    Fields CalendarFields() const;

    double m_value = 0.0;
    Status m_status = Valid;
};
