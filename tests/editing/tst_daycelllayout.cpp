#include "common/TestMain.h"
#include "editing/DayCellLayout.h"

using namespace DayCellLayout;

// Which workouts of a day cell are drawn as image rows: the image list is used only when every
// row fits the area below the label (an exact fit included), and a row is drawn only while it
// ends inside the area.
class TestDayCellLayout : public QObject
{
    Q_OBJECT

private slots:
    void imageRowsFit_data()
    {
        QTest::addColumn<int>("areaHeight");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("imageHeight");
        QTest::addColumn<bool>("listFits");
        QTest::newRow("one 32-pixel row in 40 pixels") << 40 << 1 << 32 << true;
        QTest::newRow("two 32-pixel rows in 40 pixels") << 40 << 2 << 32 << false;
        QTest::newRow("exact fit") << 48 << 3 << 16 << true;
        QTest::newRow("one pixel short") << 47 << 3 << 16 << false;
        QTest::newRow("no image height") << 48 << 1 << 0 << false;
        QTest::newRow("an image taller than the area") << 48 << 1 << (1 << 30) << false;
    }
    void imageRowsFit()
    {
        QFETCH(int, areaHeight);
        QFETCH(int, count);
        QFETCH(int, imageHeight);
        QFETCH(bool, listFits);
        const QRect area(10, 20, 90, areaHeight);
        QCOMPARE(ImageListFits(area, count, imageHeight), listFits);
        if (imageHeight <= 0)
            return;
        // Rows up to the last that ends inside the area are drawn.
        const QRect last = ImageRowRect(area, count - 1, QSize(16, imageHeight));
        QCOMPARE(RowFitsInArea(area, last), listFits);
    }
};

REPBOOK_TEST_MAIN_CORE(TestDayCellLayout)
#include "tst_daycelllayout.moc"
