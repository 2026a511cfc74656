#include "model/DatabaseFile.h"

#include "model/CMD5Checksum.h"
#include "model/LineCursor.h"

#include <QFile>

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

// True when every LF is preceded by CR and the text ends with a line end, so that the bytes are
// already in the form the digest covers.
bool IsCrLfText(QByteArrayView text)
{
    if (text.isEmpty())
        return true;
    if (text.back() != '\n')
        return false;
    const char *p = text.data();
    bool bare = p[0] == '\n';
    for (qsizetype i = 1; i < text.size(); ++i)
        bare |= (p[i] == '\n') & (p[i - 1] != '\r');
    return !bare;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data = file.readAll();
    return file.error() == QFileDevice::NoError;
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
