#pragma once

#include "model/DateValue.h"

#include <QString>
#include <QStringList>

#include <optional>

// A cell of the calendar grid in grid coordinates: row 0 is the heading row, column 0 the
// fixed (hidden) column, rows 1..R and columns 1..7 are the week cells, Monday first.
struct CalendarCell
{
    int row = -1;
    int col = -1;

    bool IsValid() const { return row >= 0 && col >= 0; }
    friend bool operator==(const CalendarCell &, const CalendarCell &) = default;
};

// The display range of the calendar and its layout in week rows: the dates Start() .. End(),
// both included (Days() + 1 dates), shown from the Monday on or before the start to the Sunday
// on or after the end. Pure date arithmetic; no widgets.
class CalendarRange
{
public:
    // The longest range the calendar builds; a longer one would be many thousands of week rows.
    static constexpr int MaxDays = 9999;
    static constexpr int WeekdayCount = 7;
    // A range box entry that opens the range dialog instead of naming a day count.
    static constexpr int CustomPresetIndex = 5;
    // Selection to range ignores spans up to this many days.
    static constexpr int MinSelectionSpan = 14;

    CalendarRange() = default;
    CalendarRange(const DateValue &start, int days);

    // False for an invalid start, a day count outside 0..MaxDays, or a grid that would reach
    // beyond the calendar's years.
    bool IsValid() const { return m_valid; }
    const DateValue &Start() const { return m_start; }
    int Days() const { return m_days; }
    // The last date of the range (start + days).
    DateValue End() const;
    // The date in row 1, column 1: the Monday on or before the start.
    DateValue FirstShown() const;
    // Number of week rows; 0 for an invalid range.
    int RowCount() const;

    // The date of any cell, also outside the range; invalid for an invalid range.
    DateValue DateAt(int row, int col) const;
    // The cell of a date inside the range, else an invalid cell.
    CalendarCell CellOf(const DateValue &date) const;
    bool IsInRange(int row, int col) const;
    bool Contains(const DateValue &date) const;

    // Monday 0 .. Sunday 6.
    static int WeekdayIndex(const DateValue &date);
    // Weekday name in the language of the texts, Monday 0 .. Sunday 6 (column headings, column
    // menu).
    static QString WeekdayName(int weekdayIndex);
    // "Mon" .. "Sun" (in the language of the texts), for headings too narrow for the whole name.
    static QString WeekdayShortName(int weekdayIndex);

    // The text of a day cell: "17 (today)", "1-st of March" or "17".
    static QString DayLabel(const DateValue &date, const DateValue &today);
    // "1-st of January" .. "1-st of December" for month 1..12.
    static QString FirstOfMonthLabel(int month);

    // Height of a week row for a grid whose client area is the given width.
    static int WeekRowHeight(int clientWidth);

    // The range box: "Range - 1 month" .. "Set...".
    static QStringList PresetTexts();
    // Day count of a preset entry; no selection (-1) counts as the first entry; the "Set..."
    // entry and anything else give -1.
    static int PresetDays(int presetIndex);
    // The entry that shows a day count: the matching preset, else "Set...".
    static int PresetIndexForDays(int days);

    // The range that Selection to range makes of the first and last selected dates, or nothing
    // when they lie MinSelectionSpan days apart or less.
    static std::optional<CalendarRange> SelectionToRange(const DateValue &first,
                                                         const DateValue &last);

    // The stored "Start Date": day, month and year joined by dots, no leading zeros.
    static QString FormatStartDate(const DateValue &date);
    // Reads a stored "Start Date"; an unreadable text gives an invalid date.
    static DateValue ParseStartDate(const QString &text);

private:
    DateValue m_start = DateValue::MakeInvalid();
    int m_days = 0;
    int m_startWeekday = 0;
    int m_rowCount = 0;
    bool m_valid = false;
};
