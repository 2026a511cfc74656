#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// MD5 digests rendered as 32 lowercase hexadecimal digits.
class CMD5Checksum
{
public:
    // Digest of a file's bytes; an empty text and *ok false when the file cannot be opened or
    // read.
    static QString GetMD5(const QString &filePath, bool *ok = nullptr);
    static QString GetMD5(const QByteArray &data);
    // The same digits as Latin-1 bytes, for comparing with a digest line of a file.
    static QByteArray HexDigest(QByteArrayView data);
};
