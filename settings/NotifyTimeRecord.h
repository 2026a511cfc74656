#pragma once

#include "model/DateValue.h"

#include <QByteArray>
#include <QDateTime>

// The notifier's 16-byte date-and-time record: eight unsigned 16-bit little-endian numbers -
// year, month, day of week (0 = Sunday), day, hour, minute, second, milliseconds. Sixteen zero
// bytes stand for an unset date. Day of week and milliseconds are ignored on reading.
namespace NotifyTimeRecord {

inline constexpr int Size = 16;

// An invalid or null date gives the unset record (all zeros).
QByteArray Encode(const QDateTime &moment);
QByteArray FromDateValue(const DateValue &value);

// An unset record, a record of the wrong length and one whose fields form no date give an
// invalid QDateTime / an invalid DateValue.
QDateTime Decode(const QByteArray &bytes);
DateValue ToDateValue(const QByteArray &bytes);

} // namespace NotifyTimeRecord
