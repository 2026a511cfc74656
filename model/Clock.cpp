#include "model/Clock.h"

#include <optional>

namespace {

// Set only by tests.
std::optional<QDateTime> &FixedMoment()
{
    static std::optional<QDateTime> moment;
    return moment;
}

} // namespace

QDateTime Clock::Now()
{
    const std::optional<QDateTime> &fixed = FixedMoment();
    return fixed ? *fixed : QDateTime::currentDateTime();
}

QDate Clock::Today()
{
    return Now().date();
}

DateValue Clock::TodayValue()
{
    return DateValue::FromQDate(Today());
}

void Clock::SetFixed(const QDateTime &moment)
{
    FixedMoment() = moment;
}

void Clock::Reset()
{
    FixedMoment().reset();
}
