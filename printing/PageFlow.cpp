#include "printing/PageFlow.h"

PageFlow::PageFlow(qreal pageHeight, qreal dayGap)
    : m_pageHeight(pageHeight)
    , m_dayGap(dayGap)
{
}

qreal PageFlow::DayHeight(const QList<FlowBlock> &blocks, int first) const
{
    qreal height = blocks.at(first).height;
    for (int i = first + 1; i < blocks.size() && !blocks.at(i).startsDay; ++i)
        height += blocks.at(i).height;
    return height;
}

int PageFlow::ChainEnd(const QList<FlowBlock> &blocks, int first) const
{
    int last = first;
    while (blocks.at(last).keepWithNext && last + 1 < blocks.size() &&
           !blocks.at(last + 1).startsDay)
        ++last;
    return last;
}

QList<FlowPage> PageFlow::Flow(const QList<FlowBlock> &blocks) const
{
    QList<FlowPage> pages;
    if (blocks.isEmpty())
        return pages;
    pages.append(FlowPage());
    qreal y = 0;
    int chainEnd = -1; // blocks up to here go on the page of the chain's first block
    const auto newPage = [&] {
        pages.append(FlowPage());
        y = 0;
    };

    for (int i = 0; i < blocks.size(); ++i) {
        const FlowBlock &block = blocks.at(i);
        bool breakHere = false;
        if (block.startsDay && y > 0) {
            // A day that fits on a page is never split.
            const qreal day = DayHeight(blocks, i);
            if (day <= m_pageHeight && y + m_dayGap + day > m_pageHeight)
                newPage();
            else
                y += m_dayGap;
        }
        if (i > chainEnd) {
            chainEnd = ChainEnd(blocks, i);
            qreal chain = 0;
            for (int k = i; k <= chainEnd; ++k)
                chain += blocks.at(k).height;
            if (y > 0 && y + chain > m_pageHeight)
                breakHere = true;
        }
        if (breakHere) {
            newPage();
            if (!block.startsDay) {
                for (int repeated : block.repeatOnNewPage) {
                    pages.last().append(PlacedBlock {repeated, y, true});
                    y += blocks.at(repeated).height;
                }
            }
        }
        pages.last().append(PlacedBlock {i, y, false});
        y += block.height;
    }
    return pages;
}
