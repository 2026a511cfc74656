#pragma once

#include <QByteArrayView>

// Number parsing that never fails: leading blanks are skipped, an optional sign is taken, then
// digits up to the first other character; no digits give 0. Out-of-range values saturate.
namespace TolerantNumber {

// The general case of ToInt.
int ToIntAnyForm(QByteArrayView text);

// Most lines of a diary are a few plain digits: those are read inline, without a call.
inline int ToInt(QByteArrayView text)
{
    if (text.size() <= 9 && !text.isEmpty()) {
        int value = 0;
        for (const char c : text) {
            if (c < '0' || c > '9')
                return ToIntAnyForm(text);
            value = value * 10 + (c - '0');
        }
        return value;
    }
    return ToIntAnyForm(text);
}
// The same, with an optional decimal point and fraction digits after the whole digits.
double ToDouble(QByteArrayView text);

} // namespace TolerantNumber
