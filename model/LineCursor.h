#pragma once

#include <QByteArrayView>

// Walks the lines of a text held in memory. A line ends at LF, and one CR before the LF is
// dropped with it. Past the last line every read yields an empty line.
class LineCursor
{
public:
    explicit LineCursor(QByteArrayView text)
        : m_next(text.data())
        , m_end(text.data() + text.size())
    {
    }

    bool AtEnd() const { return m_next == m_end; }
    QByteArrayView Next();

private:
    const char *m_next;
    const char *m_end;
};
