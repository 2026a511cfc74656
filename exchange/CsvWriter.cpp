#include "exchange/CsvWriter.h"

#include <csv.h>

namespace {

bool NeedsQuotes(const QByteArray &field)
{
    if (field.isEmpty())
        return false;
    if (field.front() == ' ' || field.back() == ' ' || field.front() == '\t' ||
        field.back() == '\t')
        return true;
    for (const char c : field) {
        if (c == ',' || c == '"' || c == '\n' || c == '\r' || c == ';')
            return true;
    }
    return false;
}

} // namespace

void CsvWriter::Separate()
{
    if (m_rowStarted)
        m_out += ',';
    m_rowStarted = true;
}

CsvWriter &CsvWriter::Field(const QByteArray &utf8)
{
    Separate();
    if (!NeedsQuotes(utf8)) {
        m_out += utf8;
        return *this;
    }
    // libcsv quotes the field and doubles the quotes inside: at most twice the size plus two.
    const qsizetype start = m_out.size();
    m_out.resize(start + utf8.size() * 2 + 2);
    const size_t written = csv_write(m_out.data() + start, size_t(utf8.size() * 2 + 2),
                                     utf8.constData(), size_t(utf8.size()));
    m_out.resize(start + qsizetype(written));
    return *this;
}

CsvWriter &CsvWriter::Field(const QString &text)
{
    return Field(text.toUtf8());
}

CsvWriter &CsvWriter::Field(int number)
{
    return Field(QByteArray::number(number));
}

void CsvWriter::EndRow()
{
    m_out += "\r\n";
    m_rowStarted = false;
}
