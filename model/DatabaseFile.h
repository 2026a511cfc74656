#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Byte layout shared by the diary database and training program files: content lines (the day
// records), then an end marker line holding the single byte 0xA9, then a line with the MD5
// digest of the content in its CR LF form, without a line end.
namespace DatabaseFile {

inline constexpr char EndMarker = '\xA9';
inline constexpr char LineEnd[] = "\r\n";

struct Sections
{
    QByteArrayView content; // every byte before the end marker line
    bool hasEndMarker = false;
    QByteArrayView digest; // the line after the end marker, without its line end
};

// Splits a file at its first end marker line; without one, all of it is content.
Sections Split(QByteArrayView data);

// MD5 of the content with every line ended by CR LF, as 32 lowercase hexadecimal digits.
QByteArray ContentDigest(QByteArrayView content);

// The largest file the diary reads. A fifty-year diary is some 15 MB; anything far larger is
// not a diary, and reading it whole could exhaust the memory.
inline constexpr qint64 MaxFileSize = qint64(64) << 20;

// Reads a whole file into data; false when it cannot be opened or read, is larger than
// MaxFileSize, or is not a regular file (a folder, a device or a pipe could block or never end).
bool ReadWhole(const QString &path, QByteArray &data);

} // namespace DatabaseFile

// True when the bytes have no content, or content followed by the end marker line and the
// exact lowercase digest of that content.
bool CheckDatabaseIntegrityData(const QByteArray &data);
// The same for a file; false when it cannot be read. Needs no write access anywhere.
bool CheckDatabaseIntegrity(const QString &path);
