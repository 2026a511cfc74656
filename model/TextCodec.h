#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text fields of the diary's files. Text is written as UTF-8; a line that is not valid UTF-8 is
// read as Windows-1252, so files written in that code page keep their accents. A line break
// inside a field is written as U+2028 LINE SEPARATOR, so every field stays on one line, and
// U+2028 is read back as "\n". Text without line breaks is written byte for byte.
namespace TextCodec {

inline constexpr char16_t LineSeparator = 0x2028;

// Decodes one line (without its line end).
QString DecodeLine(QByteArrayView line);

// True when the text is written as its Latin-1 bytes: ASCII without line breaks.
bool IsPlainAscii(QStringView text);
// Encodes one field for writing, without a line end.
QByteArray Encode(QStringView text);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(QByteArrayView bytes);
QString FromWindows1252(QByteArrayView bytes);

} // namespace TextCodec
