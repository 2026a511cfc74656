#pragma once

#include <QString>
#include <QStringList>

// A list file of remembered names (exercise or workout names): one name per line, in the order
// they were added, read and written with the text rules of the diary's files.
class NameList
{
public:
    explicit NameList(QString path);

    const QString &Path() const { return m_path; }

    // Reads every line as an entry, empty and repeated lines included. A file that cannot be
    // read (or is no regular file, or is too large: see DatabaseFile::ReadWhole) leaves the list
    // empty and gives false.
    bool Load();
    const QStringList &Entries() const { return m_entries; }
    // The entries in case-insensitive alphabetical order; equal entries keep their file order.
    QStringList SortedEntries() const;

    // Appends name and a line end to the file unless the file already holds exactly that entry
    // (case-sensitive). The file is opened for appending and never truncated; it is created if
    // missing. Gives true when the name was written, false when it was present, empty, or could
    // not be written (nothing is reported). The entries then reflect the file. A file created
    // here is readable and writable by its owner only.
    bool Append(const QString &name);

    // Index of the first entry that begins with prefix (case-insensitive), searching from start
    // and wrapping around to the first entry; -1 when none does.
    static int FindPrefix(const QStringList &entries, const QString &prefix, int start);

    // The entries of a list file's bytes, as Load reads them: one per line, empty lines kept.
    static QStringList ParseLines(const QByteArray &bytes);

private:
    QString m_path;
    QStringList m_entries;
};
