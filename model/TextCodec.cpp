#include "model/TextCodec.h"

namespace TextCodec {

namespace {

bool IsAscii(QByteArrayView bytes)
{
    unsigned char any = 0;
    for (const char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// The code points of 0x80..0x9F; the five unassigned bytes keep their own value, as the
// platform's own conversion does.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

} // namespace

bool IsValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        int continuation = 0;
        char32_t minimum = 0;
        char32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            continuation = 1;
            minimum = 0x80;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            continuation = 2;
            minimum = 0x800;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            continuation = 3;
            minimum = 0x10000;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (end - p < continuation)
            return false;
        for (int i = 0; i < continuation; ++i) {
            const unsigned char next = *p++;
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
    }
    return true;
}

QString FromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80])
                                                : QChar(char16_t(byte));
    }
    return text;
}

QString DecodeLine(QByteArrayView line)
{
    if (line.isEmpty())
        return QString();
    if (IsAscii(line))
        return QString::fromLatin1(line);
    if (!IsValidUtf8(line))
        return FromWindows1252(line);
    QString text = QString::fromUtf8(line);
    text.replace(QChar(LineSeparator), QChar(u'\n'));
    return text;
}

bool IsPlainAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 || c == u'\n' || c == u'\r')
            return false;
    }
    return true;
}

QByteArray Encode(QStringView text)
{
    if (IsPlainAscii(text))
        return text.toLatin1();
    QString normalized;
    normalized.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            normalized.append(QChar(LineSeparator));
        } else if (c == u'\n') {
            normalized.append(QChar(LineSeparator));
        } else {
            normalized.append(c);
        }
    }
    return normalized.toUtf8();
}

} // namespace TextCodec
