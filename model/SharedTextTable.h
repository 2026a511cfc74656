#pragma once

#include "model/SharedText.h"

#include <QByteArrayView>

#include <vector>

// Decodes lines of a file's content, equal lines sharing one SharedText: exercise and workout
// names repeat on almost every day of a diary, and so do short notes. An open-addressing table
// of a power-of-two size keyed by views into the content, which must outlive the table. Past a
// few thousand different lines, a new line is decoded on its own, so that a file of unique lines
// cannot grow the table without end.
class SharedTextTable
{
public:
    SharedText Get(QByteArrayView line);

private:
    struct Entry
    {
        QByteArrayView bytes; // empty for a free slot
        SharedText text;
    };

    Entry &Slot(QByteArrayView line);

    std::vector<Entry> m_entries;
    qsizetype m_count = 0;
};
