#include "common/TestMain.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "images/StatusImages.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <QtMath>

#include <cmath>

namespace {

// The ids and sizes the windows rely on, written out independently of ImageIds.cpp.
struct ExpectedImage
{
    int id;
    int size;
    const char *what;
};

const ExpectedImage kExpectedImages[] = {
    {209, 32, "flag Done"},
    {211, 32, "flag Failed"},
    {213, 32, "flag Not yet"},
    {148, 32, "shield Done"},
    {151, 32, "shield Failed"},
    {150, 32, "shield Not yet"},
    {210, 16, "flag Done"},
    {212, 16, "flag Failed"},
    {208, 16, "flag Not yet"},
    {159, 16, "shield Done"},
    {157, 16, "shield Failed"},
    {158, 16, "shield Not yet"},
    {176, 32, "View"},
    {144, 32, "Add"},
    {147, 32, "Remove"},
    {184, 32, "Move"},
    {175, 32, "First"},
    {174, 32, "Previous"},
    {172, 32, "Next"},
    {173, 32, "Last"},
    {191, 32, "Editor"},
    {177, 32, "Notes"},
    {195, 32, "Move left"},
    {196, 32, "Move right"},
    {193, 32, "Move up"},
    {194, 32, "Move down"},
    {197, 32, "Clear"},
    {153, 32, "OK"},
    {154, 32, "Cancel"},
    {206, 32, "Save"},
    {207, 32, "Open"},
    {188, 32, "Skip"},
    {141, 32, "notifier View"},
    {145, 32, "notifier Move"},
    {146, 32, "Open Diary"},
    {137, 32, "Print"},
    {181, 16, "small OK"},
    {186, 16, "small Cancel"},
    {204, 16, "small Clear"},
    {152, 48, "hint picture"},
    {189, 128, "anthropometrics"},
    {163, 16, "tab list icon"},
};

enum class Hue { Blue, Red, Gold };

// The average hue in degrees of the clearly coloured, opaque pixels, each weighted by its
// saturation; -1 when the image has none. Greys (the flag poles, outlines) do not count.
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
    if (x == 0 && y == 0)
        return -1;
    const double degrees = qRadiansToDegrees(std::atan2(y, x));
    return degrees < 0 ? degrees + 360 : degrees;
}

bool HueMatches(double hue, Hue expected)
{
    switch (expected) {
    case Hue::Blue:
        return hue >= 200 && hue <= 240;
    case Hue::Red:
        return hue >= 345 || (hue >= 0 && hue <= 15);
    case Hue::Gold:
        return hue >= 35 && hue <= 55;
    }
    return false;
}

// Decoded images keep the PNG's own pixel format and a pixmap stores premultiplied pixels;
// compare in the pixmap's form.
QImage Pixels(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int OpaquePixels(const QImage &image)
{
    int count = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < argb.height(); ++row)
        for (int column = 0; column < argb.width(); ++column)
            count += qAlpha(argb.pixel(column, row)) >= 128 ? 1 : 0;
    return count;
}

} // namespace

class TestResourceImages : public QObject
{
    Q_OBJECT

private slots:
    void everyImageLoadsAtItsSize_data();
    void everyImageLoadsAtItsSize();
    void allImageIdsListsExactlyTheImages();
    void everyResourceIsAKnownImage();
    void missingIdsGiveNullImages_data();
    void missingIdsGiveNullImages();
    void programIconsHaveEverySize_data();
    void programIconsHaveEverySize();
    void statusIdsFor_data();
    void statusIdsFor();
    void statusSetsAreDistinctAndColoured_data();
    void statusSetsAreDistinctAndColoured();
    void statusSetPicksImageByStatus_data();
    void statusSetPicksImageByStatus();
    void emptyStatusSetHasNoSize();
};

void TestResourceImages::everyImageLoadsAtItsSize_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("size");
    for (const ExpectedImage &expected : kExpectedImages)
        QTest::addRow("%d %s", expected.id, expected.what) << expected.id << expected.size;
}

void TestResourceImages::everyImageLoadsAtItsSize()
{
    QFETCH(int, id);
    QFETCH(int, size);

    QVERIFY(ResourceImages::Exists(id));
    const QImage image = ResourceImages::Load(id);
    QVERIFY2(!image.isNull(), "the image does not decode");
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY2(image.hasAlphaChannel(), "images are drawn on a transparent background");
    QCOMPARE(ResourceImages::Pixmap(id).size(), QSize(size, size));
    QVERIFY(!ResourceImages::Icon(id).isNull());

    // A drawing that rendered empty, or filled its whole square, is broken.
    const int opaque = OpaquePixels(image);
    const int area = size * size;
    QVERIFY2(opaque >= area / 8, qPrintable(QStringLiteral("only %1 opaque pixels").arg(opaque)));
    QVERIFY2(opaque < area, "no transparent pixel");
}

void TestResourceImages::allImageIdsListsExactlyTheImages()
{
    const QList<int> ids = ImageId::AllImageIds();
    QSet<int> expected;
    for (const ExpectedImage &image : kExpectedImages)
        expected.insert(image.id);

    QCOMPARE(QSet<int>(ids.begin(), ids.end()).size(), ids.size()); // no id twice
    QCOMPARE(QSet<int>(ids.begin(), ids.end()), expected);
    QVERIFY(std::is_sorted(ids.begin(), ids.end()));
}

void TestResourceImages::everyResourceIsAKnownImage()
{
    ResourceImages::Exists(0); // registers the resources
    const QStringList files = QDir(QStringLiteral(":/images")).entryList(QDir::Files);
    QVERIFY(!files.isEmpty());

    const QList<int> ids = ImageId::AllImageIds();
    const QList<int> sizes = ResourceImages::AppIconSizes();
    int programIconFiles = 0;
    for (const QString &file : files) {
        bool isNumber = false;
        const int id = file.chopped(4).toInt(&isNumber);
        if (isNumber && file.endsWith(QLatin1String(".png"))) {
            QVERIFY2(ids.contains(id), qPrintable(file));
            continue;
        }
        bool known = false;
        for (int iconId : ImageId::ProgramIconIds())
            for (int size : sizes)
                known = known || file == QStringLiteral("icon%1_%2.png").arg(iconId).arg(size);
        QVERIFY2(known, qPrintable(QStringLiteral("unexpected resource %1").arg(file)));
        ++programIconFiles;
    }
    QCOMPARE(files.size(), ids.size() + programIconFiles);
    QCOMPARE(programIconFiles, 2 * sizes.size());
}

void TestResourceImages::missingIdsGiveNullImages_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("unused id between images") << 149;
    QTest::newRow("far out") << 1000000;
}

void TestResourceImages::missingIdsGiveNullImages()
{
    QFETCH(int, id);
    QVERIFY(!ResourceImages::Exists(id));
    QVERIFY(ResourceImages::Load(id).isNull());
    QVERIFY(ResourceImages::Pixmap(id).isNull());
    QVERIFY(ResourceImages::Icon(id).isNull());
    QVERIFY(ResourceImages::AppIcon(id).isNull());
    QVERIFY(ResourceImages::AppIconPixmap(id, 32).isNull());
}

void TestResourceImages::programIconsHaveEverySize_data()
{
    QTest::addColumn<int>("iconId");
    QTest::addColumn<int>("otherIconId");
    QTest::newRow("diary") << int(ImageId::AppIcon) << int(ImageId::NotifierIcon);
    QTest::newRow("notifier") << int(ImageId::NotifierIcon) << int(ImageId::AppIcon);
}

void TestResourceImages::programIconsHaveEverySize()
{
    QFETCH(int, iconId);
    QFETCH(int, otherIconId);

    const QList<int> sizes = ResourceImages::AppIconSizes();
    QCOMPARE(sizes, QList<int>({16, 22, 24, 32, 48, 64, 128, 256}));

    const QIcon icon = ResourceImages::AppIcon(iconId);
    QVERIFY(!icon.isNull());
    QCOMPARE(ResourceImages::Icon(iconId).availableSizes(), icon.availableSizes());
    for (int size : sizes) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        const QPixmap pixmap = ResourceImages::AppIconPixmap(iconId, size);
        QCOMPARE(pixmap.size(), QSize(size, size));
        QVERIFY(OpaquePixels(pixmap.toImage()) >= size * size / 4);
        // The notifier's icon carries a badge, so the two programs can be told apart.
        QVERIFY(Pixels(pixmap.toImage()) !=
                Pixels(ResourceImages::AppIconPixmap(otherIconId, size).toImage()));
    }
    QVERIFY(ResourceImages::AppIconPixmap(iconId, 40).isNull());
    // A program icon is not a single image.
    QVERIFY(!ResourceImages::Exists(iconId));
    QVERIFY(ResourceImages::AppIcon(ImageId::ButtonAdd).isNull());
}

void TestResourceImages::statusIdsFor_data()
{
    QTest::addColumn<bool>("shields");
    QTest::addColumn<StatusImageSize>("size");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("failed");
    QTest::addColumn<int>("notYet");
    QTest::newRow("flags 32") << false << StatusImageSize::Large32 << 209 << 211 << 213;
    QTest::newRow("shields 32") << true << StatusImageSize::Large32 << 148 << 151 << 150;
    QTest::newRow("flags 16") << false << StatusImageSize::Small16 << 210 << 212 << 208;
    QTest::newRow("shields 16") << true << StatusImageSize::Small16 << 159 << 157 << 158;
}

void TestResourceImages::statusIdsFor()
{
    QFETCH(bool, shields);
    QFETCH(StatusImageSize, size);
    QFETCH(int, done);
    QFETCH(int, failed);
    QFETCH(int, notYet);

    const StatusImageIds ids = StatusIdsFor(shields, size);
    QCOMPARE(ids.done, done);
    QCOMPARE(ids.failed, failed);
    QCOMPARE(ids.notYet, notYet);
}

void TestResourceImages::statusSetsAreDistinctAndColoured_data()
{
    statusIdsFor_data();
}

void TestResourceImages::statusSetsAreDistinctAndColoured()
{
    QFETCH(bool, shields);
    QFETCH(StatusImageSize, size);
    QFETCH(int, done);
    QFETCH(int, failed);
    QFETCH(int, notYet);

    const QImage doneImage = Pixels(ResourceImages::Load(done));
    const QImage failedImage = Pixels(ResourceImages::Load(failed));
    const QImage notYetImage = Pixels(ResourceImages::Load(notYet));
    QVERIFY(doneImage != failedImage);
    QVERIFY(doneImage != notYetImage);
    QVERIFY(failedImage != notYetImage);

    const std::pair<const QImage *, Hue> expectations[] = {
        {&doneImage, Hue::Blue}, {&failedImage, Hue::Red}, {&notYetImage, Hue::Gold}};
    for (const auto &[image, hue] : expectations) {
        const double measured = DominantHue(*image);
        QVERIFY2(HueMatches(measured, hue),
                 qPrintable(QStringLiteral("hue %1 of image %2 is not %3")
                                .arg(measured)
                                .arg(image == &doneImage         ? done
                                         : image == &failedImage ? failed
                                                                 : notYet)
                                .arg(hue == Hue::Blue      ? "blue"
                                         : hue == Hue::Red ? "red"
                                                           : "gold")));
    }

    // The shields and the flags of one size are different drawings.
    const StatusImageIds other = StatusIdsFor(!shields, size);
    QVERIFY(Pixels(ResourceImages::Load(other.done)) != doneImage);
}

void TestResourceImages::statusSetPicksImageByStatus_data()
{
    QTest::addColumn<bool>("shields");
    QTest::addColumn<StatusImageSize>("size");
    QTest::addColumn<int>("side");
    QTest::newRow("shields 32") << true << StatusImageSize::Large32 << 32;
    QTest::newRow("flags 32") << false << StatusImageSize::Large32 << 32;
    QTest::newRow("shields 16") << true << StatusImageSize::Small16 << 16;
    QTest::newRow("flags 16") << false << StatusImageSize::Small16 << 16;
}

void TestResourceImages::statusSetPicksImageByStatus()
{
    QFETCH(bool, shields);
    QFETCH(StatusImageSize, size);
    QFETCH(int, side);

    const StatusImageSet set(shields, size);
    const StatusImageIds ids = StatusIdsFor(shields, size);
    QCOMPARE(set.shields(), shields);
    QCOMPARE(set.size(), QSize(side, side));
    QCOMPARE(Pixels(set.Done().toImage()), Pixels(ResourceImages::Load(ids.done)));
    QCOMPARE(Pixels(set.Failed().toImage()), Pixels(ResourceImages::Load(ids.failed)));
    QCOMPARE(Pixels(set.NotYet().toImage()), Pixels(ResourceImages::Load(ids.notYet)));

    QCOMPARE(&set.ForStatus(1), &set.Done());
    QCOMPARE(&set.ForStatus(2), &set.Failed());
    for (int status : {0, 3, -1, 255})
        QCOMPARE(&set.ForStatus(status), &set.NotYet());

    // A copy, as windows keep one and replace it when the option changes, shows the same images.
    StatusImageSet copy;
    copy = set;
    QCOMPARE(Pixels(copy.ForStatus(2).toImage()), Pixels(set.Failed().toImage()));
    QCOMPARE(copy.size(), set.size());
}

void TestResourceImages::emptyStatusSetHasNoSize()
{
    const StatusImageSet set;
    QCOMPARE(set.size(), QSize(0, 0));
    QVERIFY(set.ForStatus(1).isNull());
    QVERIFY(set.ForStatus(0).isNull());
}

REPBOOK_TEST_MAIN_GUI(TestResourceImages)

#include "TestResourceImages.moc"
