#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Reads CSV text (RFC 4180, quotes and line breaks inside quoted fields) with libcsv, record by
// record, so that a large file never exists as one big table in memory. A byte-order mark is
// skipped; the separator is a comma or, when the first line has more of them, a semicolon.
// Fields that are not valid UTF-8 are read as Windows-1252.
class CsvReader
{
public:
    // Receives each record and the line it starts on (counted from 1); false stops the reading.
    using RecordHandler = std::function<bool(const QStringList &fields, int line)>;

    // Reads every record of data. False on broken quotes or binary data; then ErrorString names
    // the line where reading stopped.
    bool Read(const QByteArray &data, const RecordHandler &handler);

    const QString &ErrorString() const { return m_error; }
    char Separator() const { return m_separator; }

    // The bytes without a leading UTF-8 byte-order mark.
    static QByteArray WithoutBom(const QByteArray &data);
    // The separator the first line of data uses.
    static char GuessSeparator(const QByteArray &data);

private:
    QString m_error;
    char m_separator = ',';
};
