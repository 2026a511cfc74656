#include "model/CMD5Checksum.h"

#include <QCryptographicHash>
#include <QFile>

QString CMD5Checksum::GetMD5(const QString &filePath, bool *ok)
{
    if (ok)
        *ok = false;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&file))
        return QString();
    if (ok)
        *ok = true;
    return QString::fromLatin1(hash.result().toHex());
}

QString CMD5Checksum::GetMD5(const QByteArray &data)
{
    return QString::fromLatin1(HexDigest(data));
}

QByteArray CMD5Checksum::HexDigest(QByteArrayView data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}
