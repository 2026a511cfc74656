#pragma once

#include "model/SharedText.h"
#include "model/TextCodec.h"

#include <QByteArrayView>

#include <vector>

// A quick hash of a line's bytes for SharedTextTable.
quint64 SharedLineHash(QByteArrayView bytes);

// Decodes lines of a file's content, equal lines sharing one Text (a type made from a QString
// that shares its storage when copied, such as SharedText): exercise and workout names repeat on
// almost every day of a diary, and so do short notes. An open-addressing table of a power-of-two
// size keyed by views into the content, which must outlive the table. Past a few thousand
// different lines, a new line is decoded on its own, so that a file of unique lines cannot grow
// the table without end.
template<typename Text = SharedText>
class SharedTextTable
{
public:
    Text Get(QByteArrayView line)
    {
        if (line.isEmpty())
            return Text();
        if (m_entries.empty())
            m_entries.resize(InitialSlots);
        Entry &slot = Slot(line);
        if (!slot.bytes.isEmpty())
            return slot.text;
        const Text text(TextCodec::DecodeLine(line));
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

private:
    static constexpr qsizetype MaxSharedLines = 4096;
    static constexpr size_t InitialSlots = 64;

    struct Entry
    {
        QByteArrayView bytes; // empty for a free slot
        Text text;
    };

    Entry &Slot(QByteArrayView line)
    {
        const size_t mask = m_entries.size() - 1;
        size_t index = size_t(SharedLineHash(line)) & mask;
        while (!m_entries[index].bytes.isEmpty() && m_entries[index].bytes != line)
            index = (index + 1) & mask;
        return m_entries[index];
    }

    std::vector<Entry> m_entries;
    qsizetype m_count = 0;
};
