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

    // Inline: the diary's lines are mostly a few bytes long, so a plain scan beats a call.
    QByteArrayView Next()
    {
        if (m_next == m_end)
            return QByteArrayView();
        const char *start = m_next;
        const char *stop = start;
        while (stop != m_end && *stop != '\n')
            ++stop;
        m_next = stop == m_end ? m_end : stop + 1;
        if (stop > start && stop[-1] == '\r')
            --stop;
        return QByteArrayView(start, stop - start);
    }

private:
    const char *m_next;
    const char *m_end;
};
