#include "model/LineCursor.h"

#include <cstring>

QByteArrayView LineCursor::Next()
{
    if (m_next == m_end)
        return QByteArrayView();
    const char *start = m_next;
    const auto *newline =
        static_cast<const char *>(std::memchr(start, '\n', size_t(m_end - start)));
    const char *stop = newline ? newline : m_end;
    m_next = newline ? newline + 1 : m_end;
    if (stop > start && stop[-1] == '\r')
        --stop;
    return QByteArrayView(start, stop - start);
}
