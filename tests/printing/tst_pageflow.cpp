#include "common/TestMain.h"
#include "printing/PageFlow.h"

namespace {

// A compact description of blocks: one letter per block, its height from the list of heights.
//   D a block that starts a day (keeps with the next one)
//   T a table title, H a table heading (both keep with the next one)
//   r a table row (repeats the nearest T and H above it when it opens a page)
//   n any other block
QList<FlowBlock> Blocks(const QString &kinds, const QList<qreal> &heights)
{
    QList<FlowBlock> blocks;
    int title = -1;
    int heading = -1;
    for (int i = 0; i < kinds.size(); ++i) {
        FlowBlock block;
        block.height = heights.value(i, heights.isEmpty() ? 10 : heights.last());
        switch (kinds.at(i).toLatin1()) {
        case 'D':
            block.startsDay = true;
            block.keepWithNext = true;
            break;
        case 'T':
            block.keepWithNext = true;
            title = i;
            break;
        case 'H':
            block.keepWithNext = true;
            heading = i;
            break;
        case 'r':
            block.repeatOnNewPage = {title, heading};
            break;
        default:
            break;
        }
        blocks.append(block);
    }
    return blocks;
}

// Each page as the blocks placed on it: the index, with a '*' for a repeated block.
QStringList Layout(const QList<FlowPage> &pages)
{
    QStringList result;
    for (const FlowPage &page : pages) {
        QStringList placed;
        for (const PlacedBlock &block : page)
            placed.append(QString::number(block.block) +
                          (block.repeated ? QStringLiteral("*") : QString()));
        result.append(placed.join(QLatin1Char(' ')));
    }
    return result;
}

} // namespace

class TestPageFlow : public QObject
{
    Q_OBJECT

private slots:
    void flow_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QList<qreal>>("heights");
        QTest::addColumn<QStringList>("pages");

        // Page height 100, gap between days 5.
        const auto row = [](const char *name, const char *kinds, const QList<qreal> &heights,
                            const char *pages) { // pages separated by '|'
            QTest::newRow(name) << QString::fromLatin1(kinds) << heights
                                << QString::fromLatin1(pages).split(u'|', Qt::SkipEmptyParts);
        };
        row("two short days share a page", "DnDn", {20}, "0 1 2 3");
        row("a day that does not fit below starts the next page", "DnnDnn", {20}, "0 1 2|3 4 5");
        row("the gap counts when a day just fits", "DnDn", {30, 20, 30, 20}, "0 1|2 3");
        row("a day exactly filling the page", "Dnnnn", {20}, "0 1 2 3 4");
        row("a day exactly filling the rest of the page", "DnDn", {20, 20, 25, 30}, "0 1 2 3");
        row("a day taller than a page flows on, repeating the table's heading", "DTHrrrrrr", {20},
            "0 1 2 3 4|1* 2* 5 6 7|1* 2* 8");
        row("a long day starts below a short one when its head fits", "DnDTHrrrrrr",
            {10, 10, 10, 10, 10, 20}, "0 1 2 3 4 5 6|3* 4* 7 8 9 10");
        row("a long day whose head does not fit starts the next page", "DnDTHrrrrrr", {20},
            "0 1|2 3 4 5 6|3* 4* 7 8 9|3* 4* 10");
        row("a title is never left alone at the bottom", "DnnnTHr", {20}, "0 1 2 3|4 5 6");
        row("a block taller than a page still gets a page of its own", "DnDn", {10, 10, 10, 300},
            "0 1|2 3");
        row("nothing to place", "", {}, "");
    }
    void flow()
    {
        QFETCH(QString, kinds);
        QFETCH(QList<qreal>, heights);
        QFETCH(QStringList, pages);

        const PageFlow flow(100, 5);
        QCOMPARE(Layout(flow.Flow(Blocks(kinds, heights))), pages);
    }
    void blocksFollowEachOtherWithGapsBetweenDays()
    {
        const PageFlow flow(100, 5);
        const QList<FlowPage> pages = flow.Flow(Blocks(QStringLiteral("DnDn"), {10, 20, 15, 25}));
        QCOMPARE(pages.size(), 1);
        QList<qreal> tops;
        for (const PlacedBlock &placed : pages.first())
            tops.append(placed.top);
        QCOMPARE(tops, (QList<qreal> {0, 10, 35, 50}));
    }
};

REPBOOK_TEST_MAIN_CORE(TestPageFlow)
#include "tst_pageflow.moc"
