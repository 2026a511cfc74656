#include "model/DatabaseFile.h"

#include "model/CMD5Checksum.h"
#include "model/LineCursor.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace DatabaseFile {

namespace {

// True when the byte at position is a line of its own holding only the end marker.
bool IsMarkerLine(QByteArrayView data, qsizetype position)
{
    if (position > 0 && data[position - 1] != '\n')
        return false;
    const qsizetype after = position + 1;
    if (after == data.size() || data[after] == '\n')
        return true;
    return data[after] == '\r' && (after + 1 == data.size() || data[after + 1] == '\n');
}

// Marks the bytes of word that are zero with their high bit, exactly (no false positives).
quint64 ZeroBytes(quint64 word)
{
    constexpr quint64 low7 = 0x7f7f7f7f7f7f7f7fULL;
    return ~(((word & low7) + low7) | word | low7);
}

quint64 LoadWord(const char *bytes)
{
    quint64 word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// True when every LF is preceded by CR and the text ends with a line end, so that the bytes are
// already in the form the digest covers. Checks eight bytes at a time.
bool IsCrLfText(QByteArrayView text)
{
    if (text.isEmpty())
        return true;
    if (text.back() != '\n' || text.front() == '\n')
        return false;
    constexpr quint64 lf = 0x0a0a0a0a0a0a0a0aULL;
    constexpr quint64 cr = 0x0d0d0d0d0d0d0d0dULL;
    const char *p = text.data();
    const qsizetype size = text.size();
    qsizetype i = 1;
    for (; i + 8 <= size; i += 8) {
        const quint64 lineFeeds = ZeroBytes(LoadWord(p + i) ^ lf);
        if (lineFeeds & ~ZeroBytes(LoadWord(p + i - 1) ^ cr))
            return false;
    }
    for (; i < size; ++i) {
        if (p[i] == '\n' && p[i - 1] != '\r')
            return false;
    }
    return true;
}

} // namespace

Sections Split(QByteArrayView data)
{
    Sections sections;
    sections.content = data;
    const char *begin = data.data();
    qsizetype from = 0;
    while (from < data.size()) {
        const auto *hit = static_cast<const char *>(
            std::memchr(begin + from, EndMarker, size_t(data.size() - from)));
        if (!hit)
            break;
        const qsizetype position = hit - begin;
        if (IsMarkerLine(data, position)) {
            sections.content = data.first(position);
            sections.hasEndMarker = true;
            LineCursor rest(data.sliced(position));
            rest.Next();
            sections.digest = rest.Next();
            break;
        }
        from = position + 1;
    }
    return sections;
}

QByteArray ContentDigest(QByteArrayView content)
{
    if (IsCrLfText(content))
        return CMD5Checksum::HexDigest(content);
    QByteArray normalized;
    normalized.reserve(content.size() + content.size() / 8 + 2);
    LineCursor lines(content);
    while (!lines.AtEnd()) {
        normalized.append(lines.Next());
        normalized.append(LineEnd);
    }
    return CMD5Checksum::HexDigest(normalized);
}

bool ReadWhole(const QString &path, QByteArray &data)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file.size() > MaxFileSize)
        return false;
    // A buffer of exactly the file's size: readAll grows its buffer by doubling and would hold
    // up to twice the file while the diary is read from it.
    QByteArray bytes(file.size(), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const qint64 got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (got < 0)
            return false;
        if (got == 0)
            break; // shorter than its size said: it shrank since
        filled += qsizetype(got);
    }
    bytes.truncate(filled);
    // Longer than its size said (it grew since, or a file whose size reads 0): read to its end.
    char more[16384];
    for (qint64 got; (got = file.read(more, sizeof more)) != 0;) {
        if (got < 0 || bytes.size() + got > MaxFileSize)
            return false;
        bytes.append(more, qsizetype(got));
    }
    data = std::move(bytes);
    return true;
}

} // namespace DatabaseFile

bool CheckDatabaseIntegrityData(const QByteArray &data)
{
    const DatabaseFile::Sections sections = DatabaseFile::Split(data);
    if (sections.content.isEmpty())
        return true;
    if (!sections.hasEndMarker)
        return false;
    return DatabaseFile::ContentDigest(sections.content) == sections.digest;
}

bool CheckDatabaseIntegrity(const QString &path)
{
    QByteArray data;
    return DatabaseFile::ReadWhole(path, data) && CheckDatabaseIntegrityData(data);
}
