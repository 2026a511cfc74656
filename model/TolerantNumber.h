#pragma once

#include <QByteArrayView>

// Number parsing that never fails: leading blanks are skipped, an optional sign is taken, then
// digits up to the first other character; no digits give 0. Out-of-range values saturate.
namespace TolerantNumber {

int ToInt(QByteArrayView text);
// The same, with an optional decimal point and fraction digits after the whole digits.
double ToDouble(QByteArrayView text);

} // namespace TolerantNumber
