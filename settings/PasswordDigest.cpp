#include "settings/PasswordDigest.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

#include <optional>

namespace {

constexpr QLatin1StringView Scheme("pbkdf2-sha256");
constexpr QChar Separator(u'$');
// A stored count above this comes from a damaged or hand-made value; deriving with it would
// freeze the start for minutes, so such a value is not taken as a record.
constexpr int MaximumIterations = 10000000;

struct Record
{
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

// PBKDF2 with HMAC-SHA-256 (RFC 8018), with QtCore alone: the network module that also offers
// it would be loaded by both programs for this one function.
QByteArray Derive(const QString &password, const QByteArray &salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password.toUtf8());
    QByteArray key;
    for (quint32 block = 1; key.size() < PasswordDigest::KeyLength; ++block) {
        const char index[4] = {char(block >> 24), char(block >> 16), char(block >> 8), char(block)};
        mac.reset();
        mac.addData(salt);
        mac.addData(index, 4);
        QByteArray link = mac.result();
        QByteArray sum = link;
        for (int round = 1; round < iterations; ++round) {
            mac.reset();
            mac.addData(link);
            link = mac.result();
            for (qsizetype i = 0; i < sum.size(); ++i)
                sum[i] = char(sum[i] ^ link[i]);
        }
        key += sum;
    }
    return key.left(PasswordDigest::KeyLength);
}

std::optional<QByteArray> StrictBase64(const QString &text)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        return std::nullopt;
    return decoded.decoded;
}

std::optional<Record> ParseRecord(const QString &stored)
{
    const QList<QStringView> parts = QStringView(stored).split(Separator);
    if (parts.size() != 4 || parts.at(0) != Scheme)
        return std::nullopt;
    bool ok = false;
    Record record;
    record.iterations = parts.at(1).toInt(&ok);
    if (!ok || record.iterations < 1 || record.iterations > MaximumIterations)
        return std::nullopt;
    const auto salt = StrictBase64(parts.at(2).toString());
    const auto key = StrictBase64(parts.at(3).toString());
    if (!salt || !key || key->size() != PasswordDigest::KeyLength)
        return std::nullopt;
    record.salt = *salt;
    record.key = *key;
    return record;
}

// Equal-length comparison that looks at every byte whatever the first difference.
bool ConstantTimeEqual(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0;
}

QByteArray Sha256(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
}

} // namespace

namespace PasswordDigest {

QString MakePasswordRecord(const QString &password, int iterations)
{
    if (password.isEmpty())
        return QString();
    iterations = qBound(1, iterations, MaximumIterations);
    QByteArray salt(SaltLength, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()),
                                          SaltLength / int(sizeof(quint32)));
    const QByteArray key = Derive(password, salt, iterations);
    return QString(Scheme) + Separator + QString::number(iterations) + Separator +
        QString::fromLatin1(salt.toBase64()) + Separator + QString::fromLatin1(key.toBase64());
}

bool VerifyPassword(const QString &stored, const QString &typed)
{
    if (stored.isEmpty())
        return false;
    if (const auto record = ParseRecord(stored))
        return ConstantTimeEqual(Derive(typed, record->salt, record->iterations), record->key);
    // A value kept as typed: comparing digests keeps the time independent of where the texts
    // differ and of their lengths.
    return ConstantTimeEqual(Sha256(stored), Sha256(typed));
}

bool IsLegacyPlain(const QString &stored)
{
    return !stored.isEmpty() && !IsPasswordRecord(stored);
}

bool IsPasswordRecord(const QString &stored)
{
    return ParseRecord(stored).has_value();
}

} // namespace PasswordDigest
