#include "model/SharedTextTable.h"

#include "model/TextCodec.h"

#include <cstring>

namespace {

constexpr qsizetype MaxSharedLines = 4096;
constexpr size_t InitialSlots = 64;

// A quick hash of a line's bytes: the length and up to sixteen bytes from its two ends, mixed by
// one multiplication. Lines that differ elsewhere only probe a little further.
quint64 LineHash(QByteArrayView bytes)
{
    const auto size = size_t(bytes.size());
    quint64 head = 0;
    quint64 tail = 0;
    if (size >= 8) {
        std::memcpy(&head, bytes.data(), 8);
        std::memcpy(&tail, bytes.data() + size - 8, 8);
    } else {
        std::memcpy(&head, bytes.data(), size);
    }
    const quint64 mixed = (head ^ (tail * 0x9E3779B97F4A7C15ULL) ^ size) * 0xC2B2AE3D27D4EB4FULL;
    return mixed ^ (mixed >> 29);
}

} // namespace

SharedTextTable::Entry &SharedTextTable::Slot(QByteArrayView line)
{
    const size_t mask = m_entries.size() - 1;
    size_t index = size_t(LineHash(line)) & mask;
    while (!m_entries[index].bytes.isEmpty() && m_entries[index].bytes != line)
        index = (index + 1) & mask;
    return m_entries[index];
}

SharedText SharedTextTable::Get(QByteArrayView line)
{
    if (line.isEmpty())
        return SharedText();
    if (m_entries.empty())
        m_entries.resize(InitialSlots);
    Entry &slot = Slot(line);
    if (!slot.bytes.isEmpty())
        return slot.text;
    const SharedText text(TextCodec::DecodeLine(line));
    if (m_count >= MaxSharedLines)
        return text;
    slot = {line, text};
    // At most half full, so that probes stay short.
    if (++m_count * 2 > qsizetype(m_entries.size())) {
        std::vector<Entry> old(m_entries.size() * 2);
        old.swap(m_entries);
        for (Entry &entry : old) {
            if (!entry.bytes.isEmpty())
                Slot(entry.bytes) = std::move(entry);
        }
    }
    return text;
}
