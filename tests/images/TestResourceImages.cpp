#include "common/TestMain.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "images/StatusImages.h"

#include <QColor>
#include <QtMath>

#include <cmath>

Q_DECLARE_METATYPE(StatusImageSize)

namespace {

// The average hue in degrees of the clearly coloured, opaque pixels, each weighted by its
// saturation. Greys (flag poles, outlines) do not count.
double DominantHue(const QImage &image)
{
    double x = 0;
    double y = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < argb.height(); ++row) {
        for (int column = 0; column < argb.width(); ++column) {
            const QColor colour = argb.pixelColor(column, row);
            if (colour.alpha() < 200 || colour.hsvSaturation() < 100)
                continue;
            const double angle = qDegreesToRadians(double(colour.hsvHue()));
            x += colour.hsvSaturationF() * std::cos(angle);
            y += colour.hsvSaturationF() * std::sin(angle);
        }
    }
    const double degrees = qRadiansToDegrees(std::atan2(y, x));
    return degrees < 0 ? degrees + 360 : degrees;
}

} // namespace

class TestResourceImages : public QObject
{
    Q_OBJECT

private slots:
    // A drawing that does not decode, rendered empty or filled its whole square is broken.
    void everyImageDecodes()
    {
        QVERIFY(ImageId::AllImageIds().size() > 30);
        for (int id : ImageId::AllImageIds()) {
            const QImage image = ResourceImages::Load(id).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!image.isNull(), qPrintable(QString::number(id)));
            int opaque = 0; // pixels at least half opaque
            for (int row = 0; row < image.height(); ++row)
                for (int column = 0; column < image.width(); ++column)
                    opaque += qAlpha(image.pixel(column, row)) >= 128 ? 1 : 0;
            const int area = image.width() * image.height();
            QVERIFY2(opaque >= area / 8 && opaque < area, qPrintable(QString::number(id)));
        }
    }

    // Swapped ids would show a Failed workout as Done: Done is blue, Failed red, Not yet gold.
    void statusImagesHaveTheirHues_data()
    {
        QTest::addColumn<bool>("shields");
        QTest::addColumn<StatusImageSize>("size");
        QTest::newRow("shields 32") << true << StatusImageSize::Large32;
        QTest::newRow("flags 32") << false << StatusImageSize::Large32;
        QTest::newRow("shields 16") << true << StatusImageSize::Small16;
        QTest::newRow("flags 16") << false << StatusImageSize::Small16;
    }
    void statusImagesHaveTheirHues()
    {
        QFETCH(bool, shields);
        QFETCH(StatusImageSize, size);
        const StatusImageSet set(shields, size);
        const double done = DominantHue(set.ForStatus(1).toImage());
        const double failed = DominantHue(set.ForStatus(2).toImage());
        const double notYet = DominantHue(set.ForStatus(0).toImage());
        QVERIFY2(done >= 200 && done <= 240, qPrintable(QString::number(done)));
        QVERIFY2(failed >= 345 || failed <= 15, qPrintable(QString::number(failed)));
        QVERIFY2(notYet >= 35 && notYet <= 55, qPrintable(QString::number(notYet)));
        QCOMPARE(set.ForStatus(3).toImage(), set.ForStatus(0).toImage());
    }

    // Each size decodes its own file when first asked for; between sizes the next larger one is
    // scaled down, and nothing is ever scaled up.
    void appIconGivesEachSize_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("drawnFrom");
        QTest::addColumn<int>("given");
        QTest::newRow("smallest") << 16 << 16 << 16;
        QTest::newRow("exact 48") << 48 << 48 << 48;
        QTest::newRow("between, from the next larger") << 40 << 48 << 40;
        QTest::newRow("below the smallest") << 10 << 16 << 10;
        QTest::newRow("above the largest") << 512 << 256 << 256;
    }
    void appIconGivesEachSize()
    {
        QFETCH(int, asked);
        QFETCH(int, drawnFrom);
        QFETCH(int, given);
        const QIcon icon = ResourceImages::AppIcon(ImageId::AppIcon);
        QList<QSize> expectedSizes;
        for (int size : ResourceImages::AppIconSizes())
            expectedSizes.append(QSize(size, size));
        QCOMPARE(icon.availableSizes(), expectedSizes);
        const QImage image = icon.pixmap(asked, asked).toImage();
        QCOMPARE(image.size(), QSize(given, given));
        const QImage file = ResourceImages::AppIconPixmap(ImageId::AppIcon, drawnFrom).toImage();
        const QImage expected = given == drawnFrom
            ? file
            : file.scaled(given, given, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
        QVERIFY(ResourceImages::AppIcon(ImageId::AppIcon + 1000).isNull());
    }
};

REPBOOK_TEST_MAIN_GUI(TestResourceImages)

#include "TestResourceImages.moc"
