#pragma once

#include <QByteArray>
#include <QString>

// Writes CSV rows (RFC 4180, UTF-8, comma, CR LF after each row). A field is quoted only when it
// holds a comma, a quote, a line break or surrounding blanks; quotes inside are doubled.
class CsvWriter
{
public:
    explicit CsvWriter(QByteArray &out)
        : m_out(out)
    {
    }

    CsvWriter &Field(const QString &text);
    CsvWriter &Field(const QByteArray &utf8);
    CsvWriter &Field(int number);
    void EndRow();

private:
    void Separate();

    QByteArray &m_out;
    bool m_rowStarted = false;
};
