#include "settings/NotifyTimeRecord.h"

#include <QtEndian>

#include <array>

namespace NotifyTimeRecord {

namespace {

enum Field { Year, Month, DayOfWeek, Day, Hour, Minute, Second, Milliseconds, FieldCount };

using Fields = std::array<quint16, FieldCount>;

QByteArray Pack(const Fields &fields)
{
    QByteArray bytes(Size, '\0');
    for (int i = 0; i < FieldCount; ++i)
        qToLittleEndian<quint16>(fields[i], bytes.data() + 2 * i);
    return bytes;
}

} // namespace

QByteArray Encode(const QDateTime &moment)
{
    if (!moment.isValid())
        return QByteArray(Size, '\0');
    const QDate date = moment.date();
    const QTime time = moment.time();
    if (date.year() < 1 || date.year() > 0xFFFF)
        return QByteArray(Size, '\0');
    Fields fields {};
    fields[Year] = quint16(date.year());
    fields[Month] = quint16(date.month());
    fields[DayOfWeek] = quint16(date.dayOfWeek() % 7); // Qt: Monday 1 .. Sunday 7
    fields[Day] = quint16(date.day());
    fields[Hour] = quint16(time.hour());
    fields[Minute] = quint16(time.minute());
    fields[Second] = quint16(time.second());
    fields[Milliseconds] = quint16(time.msec());
    return Pack(fields);
}

QByteArray FromDateValue(const DateValue &value)
{
    return Encode(value.ToQDateTime());
}

QDateTime Decode(const QByteArray &bytes)
{
    if (bytes.size() != Size)
        return {};
    Fields fields {};
    for (int i = 0; i < FieldCount; ++i)
        fields[i] = qFromLittleEndian<quint16>(bytes.constData() + 2 * i);
    const QDate date(fields[Year], fields[Month], fields[Day]);
    const QTime time(fields[Hour], fields[Minute], fields[Second]);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

DateValue ToDateValue(const QByteArray &bytes)
{
    const QDateTime moment = Decode(bytes);
    if (!moment.isValid())
        return DateValue::MakeInvalid();
    return DateValue::FromQDateTime(moment);
}

} // namespace NotifyTimeRecord
