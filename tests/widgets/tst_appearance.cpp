#include "common/TestMain.h"
#include "images/RepbookColours.h"
#include "images/ResourceImages.h"
#include "images/StatusImageIds.h"
#include "settings/SettingsStore.h"
#include "widgets/Appearance.h"

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double Luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
        0.0722 * linear(colour.blueF());
}

double Contrast(double luminanceA, double luminanceB)
{
    return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

// The mean luminance of a picture's darkest and of its lightest quarter of opaque pixels: its
// outline and its mark, which set it apart from a light and from a dark background.
std::pair<double, double> DarkAndLightParts(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QList<double> levels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() >= 128)
                levels.append(Luminance(pixel));
        }
    }
    std::sort(levels.begin(), levels.end());
    const qsizetype quarter = std::max<qsizetype>(1, levels.size() / 4);
    const auto mean = [quarter](auto first) {
        return std::accumulate(first, first + quarter, 0.0) / double(quarter);
    };
    return {mean(levels.cbegin()), mean(levels.cend() - quarter)};
}

constexpr double Minimum = 4.5;

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Appearance::Apply(Appearance::Mode::Light); }

    void contrast_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QColor>("background");
        const char *names[] = {"done", "failed", "not yet"};
        for (const RepbookColours *colours : {&RepbookColours::Light(), &RepbookColours::Dark()}) {
            // A text colour is a picture of that one colour.
            for (const RepbookColours::TextPair &pair : colours->TextPairs()) {
                QImage text(1, 1, QImage::Format_ARGB32);
                text.fill(pair.text);
                QTest::addRow("%s text: %s", colours->dark ? "dark" : "light", pair.name)
                    << text << pair.background;
            }
            for (const QColor &background : colours->PictureBackgrounds()) {
                for (const bool shields : {true, false}) {
                    for (const auto size : {StatusImageSize::Small16, StatusImageSize::Large32}) {
                        const StatusImageIds ids = StatusIdsFor(shields, size);
                        const int set[] = {ids.done, ids.failed, ids.notYet};
                        for (int i = 0; i < 3; ++i)
                            QTest::addRow("%s %s %d on %s", shields ? "shield" : "flag", names[i],
                                          set[i], qPrintable(background.name()))
                                << ResourceImages::Load(set[i]) << background;
                    }
                }
            }
        }
    }

    void contrast()
    {
        QFETCH(QImage, picture);
        QFETCH(QColor, background);
        QVERIFY(!picture.isNull());
        const auto [dark, light] = DarkAndLightParts(picture);
        const double back = Luminance(background);
        const double ratio = std::max(Contrast(dark, back), Contrast(light, back));
        QVERIFY2(ratio >= Minimum, qPrintable(QString::number(ratio, 'f', 2)));
    }

    // The stored appearance reaches the application and windows already open.
    void storedSettingGivesPalette_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("dark");
        QTest::newRow("dark") << 2 << true;
        QTest::newRow("light") << 1 << false;
        QTest::newRow("system, a light desktop") << 0 << false;
        QTest::newRow("unknown value follows the desktop") << 7 << false;
    }

    void storedSettingGivesPalette()
    {
        QFETCH(int, stored);
        QFETCH(bool, dark);
        QWidget window; // an open window follows
        QWidget child(&window);
        window.show();
        SettingsStore settings;
        settings.Write(SettingsKeys::Appearance, stored);
        Appearance::Apply(Appearance::Stored(settings));
        QCOMPARE(QApplication::palette().color(QPalette::Base) ==
                     RepbookColours::DarkWindowPalette().color(QPalette::Base),
                 dark);
        QTRY_COMPARE(RepbookColours::For(child.palette()).dark, dark);
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
        // On a dark desktop every choice but Light is dark.
        QCOMPARE(Appearance::WantsDark(Appearance::Stored(settings),
                                       RepbookColours::DarkWindowPalette()),
                 stored != 1);
    }
};

REPBOOK_TEST_MAIN(TestAppearance)

#include "tst_appearance.moc"
