#include "model/TolerantNumber.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace TolerantNumber {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Signed
{
    const char *digits;
    const char *end;
    bool negative;
};

Signed SkipBlanksAndSign(QByteArrayView text)
{
    const char *p = text.data();
    const char *end = p + text.size();
    while (p < end && IsBlank(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    return {p, end, negative};
}

} // namespace

int ToIntAnyForm(QByteArrayView text)
{
    const Signed number = SkipBlanksAndSign(text);
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (const char *p = number.digits; p < number.end && IsDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit)
            value = limit;
    }
    if (number.negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

double ToDouble(QByteArrayView text)
{
    const Signed number = SkipBlanksAndSign(text);
    const char *p = number.digits;
    while (p < number.end && IsDigit(*p))
        ++p;
    const char *wholeEnd = p;
    if (p < number.end && *p == '.') {
        ++p;
        while (p < number.end && IsDigit(*p))
            ++p;
    }
    if (wholeEnd == number.digits && p - wholeEnd <= 1)
        return 0.0; // no digits at all
    // A whole number with up to two decimals, as the diary writes weights, is an exact integer
    // count of hundredths; one division then rounds it exactly as a full conversion would.
    const qsizetype fractionDigits = p > wholeEnd ? p - wholeEnd - 1 : 0;
    if (wholeEnd - number.digits <= 9 && fractionDigits <= 2) {
        qint64 scaled = 0;
        for (const char *d = number.digits; d < p; ++d) {
            if (*d != '.')
                scaled = scaled * 10 + (*d - '0');
        }
        const double divisor = fractionDigits == 0 ? 1.0 : fractionDigits == 1 ? 10.0 : 100.0;
        const double value = double(scaled) / divisor;
        return number.negative ? -value : value;
    }
    double value = 0.0;
    const auto result = std::from_chars(number.digits, p, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: only a non-zero whole part makes it large.
        const bool large =
            std::find_if(number.digits, wholeEnd, [](char c) { return c != '0'; }) != wholeEnd;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

} // namespace TolerantNumber
