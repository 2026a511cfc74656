#include "common/GuiTest.h"
#include "common/TestMain.h"
#include "images/RepbookColours.h"
#include "images/ResourceImages.h"
#include "images/StatusImageIds.h"
#include "settings/SettingsStore.h"
#include "widgets/Appearance.h"
#include "widgets/CResizingDialog.h"
#include "widgets/EnterKey.h"
#include "widgets/MessageBox.h"

#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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

// The mean luminance of a picture's darkest and of its lightest quarter of opaque pixels: its
// outline and its mark, which set it apart from a light and from a dark background.
std::pair<double, double> DarkAndLightParts(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QList<double> levels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (const QColor pixel = image.pixelColor(x, y); pixel.alpha() >= 128)
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

} // namespace

// What every window and dialog shares: colours that stand out from their backgrounds and follow
// the chosen appearance, the size a dialog opens at and remembers, and the keys that end it.
class TestDialogs : public QObject
{
    Q_OBJECT

    static constexpr int Id = 4711;
    static constexpr QSize Designed {300, 200};

private slots:
    void init() { SettingsStore().WriteWindowSize(Id, {}); }
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
        // The contrast ratio of the part that stands out more; 4.5 is the least for text.
        const double back = Luminance(background);
        const auto ratioTo = [back](double part) {
            return (std::max(part, back) + 0.05) / (std::min(part, back) + 0.05);
        };
        const double ratio = std::max(ratioTo(dark), ratioTo(light));
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio, 'f', 2)));
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

    // A resizable dialog opens at the size the user left it at, never below the size it was
    // designed at nor beyond the screen, and remembers only a size the user chose.
    void opensAt_data()
    {
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QTest::addColumn<QSize>("stored"); // with the window's frame, as the settings keep it
        QTest::addColumn<QSize>("firstOpen");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<bool>("outer"); // expected with the frame
        QTest::newRow("nothing stored") << QSize() << QSize() << Designed << false;
        QTest::newRow("stored") << QSize(400, 300) << QSize() << QSize(400, 300) << true;
        QTest::newRow("stored below the design") << QSize(100, 100) << QSize() << Designed << false;
        QTest::newRow("stored without a height") << QSize(400, 0) << QSize() << Designed << false;
        QTest::newRow("stored beyond the screen") << screen * 2 << QSize() << screen << true;
        QTest::newRow("first opening") << QSize() << QSize(350, 250) << QSize(350, 250) << false;
        QTest::newRow("stored wins over the first opening")
            << QSize(400, 300) << QSize(350, 250) << QSize(400, 300) << true;
    }

    void opensAt()
    {
        QFETCH(QSize, stored);
        QFETCH(QSize, firstOpen);
        QFETCH(QSize, expected);
        QFETCH(bool, outer);
        if (stored.isValid())
            SettingsStore().WriteWindowSize(Id, {stored.width(), stored.height(), false});
        CResizingDialog dialog(Id);
        dialog.SetDesignedSize(Designed);
        dialog.SetFirstOpenSize(firstOpen);
        dialog.show();
        QCOMPARE(outer ? dialog.frameGeometry().size() : dialog.size(), expected);
        QCOMPARE(dialog.minimumSize(), Designed);
        QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
        dialog.reject();
        // Opening and closing is no choice of the user's: nothing new is stored.
        QCOMPARE(SettingsStore().ReadWindowSize(Id).width, stored.isValid() ? stored.width() : 0);
    }

    void remembersOnlyWhatTheUserChose()
    {
        for (const bool maximize : {false, true}) {
            CResizingDialog dialog(Id);
            dialog.SetDesignedSize(Designed);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTRY_VERIFY(!dialog.SizeChanged() && dialog.isVisible());
            dialog.resize(420, 310);
            const QSize outer = dialog.frameGeometry().size();
            QVERIFY(outer.width() >= 420);
            if (maximize)
                dialog.showMaximized();
            QVERIFY(dialog.SizeChanged());
            dialog.accept();
            const SettingsStore::WindowSize stored = SettingsStore().ReadWindowSize(Id);
            QCOMPARE(QSize(stored.width, stored.height), outer);
            QCOMPARE(stored.maximized, maximize);
        }
    }

    // Keys that end dialogs: Enter in a dialog without a default button, and the button a message
    // box answers when it is dismissed.
    void enterKey_data()
    {
        QTest::addColumn<int>("focus"); // 0 the field, 1 a checkable button, 2 a push button
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("clicks");
        const auto r = [](const char *name, int focus, Qt::Key key, bool handled, bool accepted,
                          int clicks) {
            QTest::newRow(name) << focus << int(key) << handled << accepted << clicks;
        };
        r("Return in a field confirms", 0, Qt::Key_Return, true, true, 0);
        r("keypad Enter too", 0, Qt::Key_Enter, true, true, 0);
        r("on a push button presses it", 2, Qt::Key_Return, true, false, 1);
        r("on a checkable button confirms", 1, Qt::Key_Enter, true, true, 0);
        r("another key is not handled", 2, Qt::Key_Space, false, false, 0);
    }

    void enterKey()
    {
        QFETCH(int, focus);
        QFETCH(int, key);
        QFETCH(bool, handled);
        QFETCH(bool, accepted);
        QFETCH(int, clicks);
        QDialog dialog;
        auto *box = new QPushButton(&dialog);
        box->setCheckable(true);
        auto *button = new QPushButton(&dialog);
        int pressed = 0;
        connect(button, &QPushButton::clicked, this, [&pressed] { ++pressed; });
        const QList<QWidget *> targets {new QLineEdit(&dialog), box, button};
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        targets.at(focus)->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCOMPARE(HandleEnterKey(dialog, &press), handled);
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(pressed, clicks);
    }

    void escapeButton_data()
    {
        using B = QMessageBox;
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("escape");
        QTest::newRow("cancel first") << int(B::Yes | B::No | B::Cancel) << int(B::Cancel);
        QTest::newRow("then no") << int(B::Yes | B::No) << int(B::No);
        QTest::newRow("then ok") << int(B::Ok | B::Retry) << int(B::Ok);
        QTest::newRow("else the first") << int(B::Retry | B::Ignore) << int(B::Retry);
        QTest::newRow("none") << int(B::NoButton) << int(B::Ok);
    }

    void escapeButton()
    {
        QFETCH(int, buttons);
        QFETCH(int, escape);
        const auto shownButtons = QMessageBox::StandardButtons::fromInt(buttons);
        QCOMPARE(int(MessageBox::EscapeButton(shownButtons)), escape);
        // A box shown for real answers Escape with that button, under the label given to it, and
        // Enter with Yes where it offers Yes.
        const bool offersYes = shownButtons.testFlag(QMessageBox::Yes);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Enter}) {
            QString label;
            testsupport::WhenModal<QMessageBox>([&](QMessageBox *box) {
                label = box->button(MessageBox::Button(escape))->text();
                QTest::keyClick(box, key);
            });
            const MessageBox::Button answer =
                MessageBox::Error(nullptr, QStringLiteral("Sure?"), shownButtons, QString(),
                                  {{MessageBox::Button(escape), QStringLiteral("Leave")}});
            QCOMPARE(label, QStringLiteral("Leave"));
            QCOMPARE(int(answer),
                     key == Qt::Key_Enter && offersYes ? int(QMessageBox::Yes) : escape);
            if (!offersYes)
                break; // Enter goes to whichever button has the focus
        }
    }
};

REPBOOK_TEST_MAIN(TestDialogs)

#include "tst_dialogs.moc"
