#include "fuzz/HostileFileChecks.h"

#include "model/CMD5Checksum.h"
#include "model/DatabaseFile.h"
#include "model/DatabaseWriter.h"
#include "model/DiaryDatabase.h"
#include "model/LineCursor.h"
#include "model/NameList.h"
#include "model/TextCodec.h"

#include <QDir>
#include <QFile>

namespace HostileFileChecks {

namespace {

QByteArray WriteNames(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries) {
        bytes.append(TextCodec::Encode(entry));
        bytes.append(DatabaseFile::LineEnd);
    }
    return bytes;
}

// The digest of the content with every line ended by CR LF, built the slow and obvious way, to
// hold the integrity check's fast path to it.
QByteArray ReferenceDigest(QByteArrayView content)
{
    QByteArray normalized;
    LineCursor lines(content);
    while (!lines.AtEnd()) {
        normalized.append(lines.Next());
        normalized.append(DatabaseFile::LineEnd);
    }
    return CMD5Checksum::HexDigest(normalized);
}

QString CheckDatabase(const QByteArray &data)
{
    DiaryDatabase first;
    first.LoadFromData(data);
    if (first.IsModified())
        return QStringLiteral("a freshly loaded diary reads as modified");
    const QByteArray written = DatabaseWriter::FileBytes(first);
    if (!CheckDatabaseIntegrityData(written))
        return QStringLiteral("the written file fails the integrity check");

    DiaryDatabase second;
    second.LoadFromData(written);
    if (second.GetDayCount() != first.GetDayCount()) {
        return QStringLiteral("rereading the written file gives %1 days instead of %2")
            .arg(second.GetDayCount())
            .arg(first.GetDayCount());
    }
    if (DatabaseWriter::FileBytes(second) != written)
        return QStringLiteral("writing the reread diary again gives other bytes");
    return QString();
}

QString CheckNameList(const QByteArray &data)
{
    // The reader turns some line contents into another form (a lone CR becomes a line break);
    // from the first write on, a list must read back exactly as it was written.
    const QStringList entries = NameList::ParseLines(data);
    const QByteArray written = WriteNames(entries);
    const QStringList reread = NameList::ParseLines(written);
    if (reread.size() != entries.size()) {
        return QStringLiteral("the rewritten name list has %1 entries instead of %2")
            .arg(reread.size())
            .arg(entries.size());
    }
    if (WriteNames(reread) != written)
        return QStringLiteral("writing the reread name list again gives other bytes");
    return QString();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

QString CheckBytes(const QByteArray &data)
{
    // The answer itself may be anything; it must come, and agree with what the bytes say.
    const bool intact = CheckDatabaseIntegrityData(data);
    const DatabaseFile::Sections sections = DatabaseFile::Split(data);
    if (intact && !sections.content.isEmpty() && !sections.hasEndMarker)
        return QStringLiteral("content without an end marker passes the integrity check");
    if (DatabaseFile::ContentDigest(sections.content) != ReferenceDigest(sections.content))
        return QStringLiteral("the content digest differs from the digest of its CR LF lines");

    QString failure = CheckDatabase(data);
    if (failure.isEmpty())
        failure = CheckNameList(data);
    return failure;
}

QString CheckFileRoundTrip(const QByteArray &data, const QString &folder)
{
    if (!CheckDatabaseIntegrityData(data))
        return QString();
    const QDir dir(folder);
    const QString input = dir.filePath(QStringLiteral("input.rpd"));
    const QString output = dir.filePath(QStringLiteral("output.rpd"));
    QFile::remove(output);
    if (!WriteFile(input, data))
        return QStringLiteral("cannot write %1").arg(input);
    if (!CheckDatabaseIntegrity(input))
        return QStringLiteral("the file fails the integrity check that its bytes pass");

    DiaryDatabase database;
    if (!database.Open(input))
        return QStringLiteral("a file that passes the integrity check does not open");
    const QByteArray expected = DatabaseWriter::FileBytes(database);
    database.SetPath(output);
    if (!database.Save())
        return QStringLiteral("cannot save %1").arg(output);
    QByteArray saved;
    if (!DatabaseFile::ReadWhole(output, saved))
        return QStringLiteral("cannot read %1").arg(output);
    if (saved != expected)
        return QStringLiteral("the saved file differs from the bytes written in memory");
    if (!CheckDatabaseIntegrity(output))
        return QStringLiteral("the saved file fails the integrity check");
    constexpr auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
        QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (QFile::permissions(output) & others)
        return QStringLiteral("a newly saved file is open to other users");

    DiaryDatabase reopened;
    if (!reopened.Open(output) || reopened.GetDayCount() != database.GetDayCount())
        return QStringLiteral("the saved file does not open with the same days");
    return QString();
}

} // namespace HostileFileChecks
