#include "diary/CalendarRange.h"

#include "model/TolerantNumber.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Preset
{
    const char *text;
    int days;
};

constexpr std::array<Preset, 6> Presets {{
    {QT_TRANSLATE_NOOP("CalendarRange", "Range - 1 month"), 31},
    {QT_TRANSLATE_NOOP("CalendarRange", "Range - 2 months"), 62},
    {QT_TRANSLATE_NOOP("CalendarRange", "Range - 3 months"), 93},
    {QT_TRANSLATE_NOOP("CalendarRange", "Range - 6 months"), 180},
    {QT_TRANSLATE_NOOP("CalendarRange", "Range - year"), 365},
    {QT_TRANSLATE_NOOP("CalendarRange", "Set..."), -1},
}};
static_assert(Presets.size() == CalendarRange::CustomPresetIndex + 1);

// The next token of text from pos on, delimited by any of delimiters; leading delimiters are
// skipped and pos moves past the delimiter that ends the token (the classic tokenizer rule).
QString NextToken(const QString &text, qsizetype &pos, QStringView delimiters)
{
    while (pos < text.size() && delimiters.contains(text.at(pos)))
        ++pos;
    const qsizetype begin = pos;
    while (pos < text.size() && !delimiters.contains(text.at(pos)))
        ++pos;
    const QString token = text.mid(begin, pos - begin);
    if (pos < text.size())
        ++pos;
    return token;
}

int ReadNumber(const QString &token)
{
    return TolerantNumber::ToInt(token.toLatin1());
}

} // namespace

CalendarRange::CalendarRange(const DateValue &start, int days)
    : m_start(start)
    , m_days(days)
{
    if (!start.IsValid() || days < 0 || days > MaxDays)
        return;
    m_startWeekday = WeekdayIndex(start);
    m_rowCount = (m_startWeekday + days) / WeekdayCount + 1;
    // Every cell of the grid, not only those of the range, must have a calendar date.
    const DateValue lastShown = FirstShown().AddDays(qint64(m_rowCount) * WeekdayCount - 1);
    m_valid = FirstShown().IsValid() && lastShown.IsValid();
    if (!m_valid)
        m_rowCount = 0;
}

DateValue CalendarRange::End() const
{
    return m_valid ? m_start.AddDays(m_days) : DateValue::MakeInvalid();
}

DateValue CalendarRange::FirstShown() const
{
    return m_start.AddDays(-m_startWeekday);
}

int CalendarRange::RowCount() const
{
    return m_rowCount;
}

DateValue CalendarRange::DateAt(int row, int col) const
{
    if (!m_valid)
        return DateValue::MakeInvalid();
    return m_start.AddDays(qint64(WeekdayCount) * row + col - 8 - m_startWeekday);
}

CalendarCell CalendarRange::CellOf(const DateValue &date) const
{
    if (!Contains(date))
        return {};
    const qint64 k = m_start.DaysTo(date) + m_startWeekday;
    return {static_cast<int>(k / WeekdayCount) + 1, static_cast<int>(k % WeekdayCount) + 1};
}

bool CalendarRange::IsInRange(int row, int col) const
{
    if (row < 1 || row > m_rowCount || col < 1 || col > WeekdayCount)
        return false;
    if (row == 1 && col < m_startWeekday + 1)
        return false;
    if (row == m_rowCount && col > (m_startWeekday + m_days) % WeekdayCount + 1)
        return false;
    return true;
}

bool CalendarRange::Contains(const DateValue &date) const
{
    return m_valid && date.IsValid() && date >= m_start && date <= End();
}

int CalendarRange::WeekdayIndex(const DateValue &date)
{
    return date.GetDayOfWeekIndex();
}

QString CalendarRange::WeekdayName(int weekdayIndex)
{
    if (weekdayIndex < 0 || weekdayIndex >= WeekdayCount)
        return {};
    return AppLanguage::WeekdayName(weekdayIndex + 1);
}

QString CalendarRange::WeekdayShortName(int weekdayIndex)
{
    if (weekdayIndex < 0 || weekdayIndex >= WeekdayCount)
        return {};
    return AppLanguage::WeekdayName(weekdayIndex + 1, QLocale::ShortFormat);
}

QString CalendarRange::DayLabel(const DateValue &date, const DateValue &today)
{
    const int day = date.GetDay();
    if (date == today && date.IsValid())
        return QCoreApplication::translate("CalendarRange", "%1 (today)").arg(day);
    if (day == 1)
        return FirstOfMonthLabel(date.GetMonth());
    return QString::number(day);
}

QString CalendarRange::FirstOfMonthLabel(int month)
{
    if (month < 1 || month > 12)
        return {};
    //: The first day of a month in a calendar cell; %1 is the month's name as in a date.
    return QCoreApplication::translate("CalendarRange", "1-st of %1")
        .arg(AppLanguage::Locale().monthName(month));
}

int CalendarRange::WeekRowHeight(int clientWidth)
{
    const int columnWidth = clientWidth / (WeekdayCount + 1);
    // floor(0.8 x w) - 1, in integers; never below one pixel.
    return qMax(1, columnWidth * 4 / 5 - 1);
}

QStringList CalendarRange::PresetTexts()
{
    QStringList texts;
    for (const Preset &preset : Presets)
        texts << QCoreApplication::translate("CalendarRange", preset.text);
    return texts;
}

int CalendarRange::PresetDays(int presetIndex)
{
    if (presetIndex == -1)
        presetIndex = 0;
    if (presetIndex < 0 || presetIndex >= static_cast<int>(Presets.size()))
        return -1;
    return Presets[static_cast<size_t>(presetIndex)].days;
}

int CalendarRange::PresetIndexForDays(int days)
{
    for (size_t i = 0; i < Presets.size(); ++i) {
        if (Presets[i].days == days)
            return static_cast<int>(i);
    }
    return CustomPresetIndex;
}

std::optional<CalendarRange> CalendarRange::SelectionToRange(const DateValue &first,
                                                             const DateValue &last)
{
    const qint64 span = first.DaysTo(last);
    if (span <= MinSelectionSpan || span > MaxDays)
        return std::nullopt;
    CalendarRange range(first, static_cast<int>(span));
    if (!range.IsValid())
        return std::nullopt;
    return range;
}

QString CalendarRange::FormatStartDate(const DateValue &date)
{
    return QStringLiteral("%1.%2.%3").arg(date.GetDay()).arg(date.GetMonth()).arg(date.GetYear());
}

DateValue CalendarRange::ParseStartDate(const QString &text)
{
    qsizetype pos = 0;
    const int day = ReadNumber(NextToken(text, pos, u"."));
    const int month = ReadNumber(NextToken(text, pos, u"."));
    const int year = ReadNumber(NextToken(text, pos, u". "));
    return DateValue::FromDate(year, month, day);
}
