#pragma once

#include <QList>
#include <QtGlobal>

// Puts the blocks of a printed log onto pages of one height. A day that fits on a page is never
// split: when it does not fit below the previous day it starts the next page. A day taller than a
// page flows on, breaking between blocks; a block that keeps with its successor is never left
// alone at the bottom of a page, and a block that opens a page may bring blocks to repeat above
// it (a table's title and heading).
struct FlowBlock
{
    qreal height = 0;
    bool startsDay = false;
    bool keepWithNext = false;
    QList<int> repeatOnNewPage; // indexes of earlier blocks
};

struct PlacedBlock
{
    int block = -1;
    qreal top = 0;
    bool repeated = false; // drawn again above the block that opened the page
};

using FlowPage = QList<PlacedBlock>;

class PageFlow
{
public:
    // dayGap: the space between two days on the same page.
    PageFlow(qreal pageHeight, qreal dayGap);

    QList<FlowPage> Flow(const QList<FlowBlock> &blocks) const;

private:
    qreal DayHeight(const QList<FlowBlock> &blocks, int first) const;
    // The last block that must share a page with the first one.
    int ChainEnd(const QList<FlowBlock> &blocks, int first) const;

    qreal m_pageHeight;
    qreal m_dayGap;
};
