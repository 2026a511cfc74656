#include "exchange/CsvReader.h"

#include "model/TextCodec.h"

#include <QCoreApplication>

#include <csv.h>

#include <memory>

namespace {

// What the libcsv callbacks collect between two records.
struct ParseState
{
    const CsvReader::RecordHandler *handler = nullptr;
    QStringList fields;
    int line = 1; // the line being fed
    int recordLine = 1; // the line after the last record: where the current one starts
    bool stopped = false;
};

QString DecodeField(const char *bytes, size_t size)
{
    const QByteArrayView view(bytes, qsizetype(size));
    if (TextCodec::IsValidUtf8(view))
        return QString::fromUtf8(view);
    return TextCodec::FromWindows1252(view);
}

void OnField(void *bytes, size_t size, void *data)
{
    auto *state = static_cast<ParseState *>(data);
    state->fields.append(bytes ? DecodeField(static_cast<const char *>(bytes), size) : QString());
}

void OnRecordEnd(int, void *data)
{
    auto *state = static_cast<ParseState *>(data);
    if (!state->stopped && !state->fields.isEmpty() &&
        !(*state->handler)(state->fields, state->recordLine))
        state->stopped = true;
    state->fields.clear();
    state->recordLine = state->line + 1;
}

bool LooksBinary(QByteArrayView line)
{
    int controls = 0;
    for (const char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0)
            return true;
        if (u < 0x20 && u != '\t' && u != '\r' && u != '\n')
            ++controls;
    }
    return controls > 4;
}

// Where the line from start ends (after its line break): at a line feed, a carriage return and
// line feed, or a carriage return alone (which also ends a record), so that lines are counted
// as an editor shows them.
qsizetype LineEnd(const QByteArray &data, qsizetype start)
{
    for (qsizetype i = start; i < data.size(); ++i) {
        if (data[i] == '\n')
            return i + 1;
        if (data[i] == '\r')
            return i + 1 < data.size() && data[i + 1] == '\n' ? i + 2 : i + 1;
    }
    return data.size();
}

} // namespace

QByteArray CsvReader::WithoutBom(const QByteArray &data)
{
    return data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
}

char CsvReader::GuessSeparator(const QByteArray &data)
{
    const QByteArrayView first = QByteArrayView(data).first(LineEnd(data, 0));
    return first.count(';') > first.count(',') ? ';' : ',';
}

bool CsvReader::Read(const QByteArray &input, const RecordHandler &handler)
{
    m_error.clear();
    const QByteArray data = WithoutBom(input);
    m_separator = GuessSeparator(data);

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_EMPTY_IS_NULL) != 0) {
        m_error = QCoreApplication::translate("CsvReader", "Out of memory.");
        return false;
    }
    const std::unique_ptr<csv_parser, void (*)(csv_parser *)> guard(&parser, csv_free);
    csv_set_delim(&parser, static_cast<unsigned char>(m_separator));

    ParseState state;
    state.handler = &handler;
    qsizetype start = 0;
    while (start < data.size() && !state.stopped) {
        const qsizetype end = LineEnd(data, start);
        const QByteArrayView line(data.constData() + start, end - start);
        if (LooksBinary(line)) {
            m_error = QCoreApplication::translate(
                          "CsvReader", "Line %1 holds binary data: this is not a text file.")
                          .arg(state.line);
            return false;
        }
        if (csv_parse(&parser, line.data(), size_t(line.size()), OnField, OnRecordEnd, &state) !=
            size_t(line.size())) {
            m_error = QCoreApplication::translate("CsvReader", "Line %1 is not valid CSV: %2.")
                          .arg(state.line)
                          .arg(QString::fromLatin1(csv_strerror(csv_error(&parser))));
            return false;
        }
        // A blank line between records belongs to none: the next record starts after it.
        if (state.recordLine == state.line && (line.front() == '\n' || line.front() == '\r'))
            state.recordLine = state.line + 1;
        ++state.line;
        start = end;
    }
    if (state.stopped)
        return true;
    if (csv_fini(&parser, OnField, OnRecordEnd, &state) != 0) {
        m_error = QCoreApplication::translate("CsvReader",
                                              "Line %1 opens a quoted field that is never closed.")
                      .arg(state.recordLine);
        return false;
    }
    return true;
}
