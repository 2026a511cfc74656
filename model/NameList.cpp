#include "model/NameList.h"

#include "model/DatabaseFile.h"
#include "model/LineCursor.h"
#include "model/TextCodec.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

NameList::NameList(QString path)
    : m_path(std::move(path))
{
}

QStringList NameList::ParseLines(const QByteArray &bytes)
{
    QStringList entries;
    LineCursor lines(bytes);
    while (!lines.AtEnd())
        entries.append(TextCodec::DecodeLine(lines.Next()));
    return entries;
}

bool NameList::Load()
{
    m_entries.clear();
    QByteArray bytes;
    if (!DatabaseFile::ReadWhole(m_path, bytes))
        return false;
    m_entries = ParseLines(bytes);
    return true;
}

QStringList NameList::SortedEntries() const
{
    QStringList sorted = m_entries;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return sorted;
}

bool NameList::Append(const QString &name)
{
    if (name.isEmpty())
        return false;
    // Only a regular file of a sane size is read (see DatabaseFile::ReadWhole).
    const QFileInfo info(m_path);
    if (info.exists() && (!info.isFile() || info.size() > DatabaseFile::MaxFileSize))
        return false;
    QFile file(m_path);
    // Append mode: every write lands at the end, whatever was read before. A new list is
    // readable and writable by its owner only; an existing one keeps its permissions.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        !file.seek(0))
        return false;
    const QByteArray current = file.readAll();
    m_entries = ParseLines(current);
    if (m_entries.contains(name, Qt::CaseSensitive))
        return false;
    QByteArray line;
    // A last line without its line end must not run into the new name.
    if (!current.isEmpty() && !current.endsWith('\n'))
        line.append("\r\n");
    line.append(TextCodec::Encode(name));
    line.append("\r\n");
    if (file.write(line) != line.size() || !file.flush())
        return false;
    m_entries.append(name);
    return true;
}

int NameList::FindPrefix(const QStringList &entries, const QString &prefix, int start)
{
    const int count = static_cast<int>(entries.size());
    if (count == 0)
        return -1;
    const int first = (start >= 0 && start < count) ? start : (start >= count ? start % count : 0);
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (entries[index].startsWith(prefix, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}
