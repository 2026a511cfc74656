#include "common/TestMain.h"
#include "images/ImageIds.h"
#include "widgets/CPictureButton.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>

namespace {

// The box around the pure red pixels of a rendering.
QRect RedBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 240 && c.green() < 20 && c.blue() < 20)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

Q_DECLARE_METATYPE(CPictureButton::Placement)

class TestPictureButton : public QObject
{
    Q_OBJECT

private slots:
    void loadsItsPicture()
    {
        CPictureButton button(ImageId::ButtonView, QStringLiteral("&View"), nullptr);
        QVERIFY(!button.GetImage().isNull());
        QVERIFY(!button.icon().isNull());
        QVERIFY(!button.autoRaise());
        QVERIFY(button.sizeHint().height() >= 30);
        QVERIFY(button.sizeHint().width() >= 84);
        button.ClearImage();
        QVERIFY(button.icon().isNull());
        CPictureButton missing(-5, QStringLiteral("Missing"), nullptr);
        QVERIFY(missing.GetImage().isNull());
    }

    void pictureIsPlaced_data()
    {
        QTest::addColumn<CPictureButton::Placement>("placement");
        QTest::addColumn<int>("side"); // 0 left, 1 right, 2 top, 3 bottom, 4 centre
        QTest::newRow("left") << CPictureButton::Placement::Left << 0;
        QTest::newRow("right") << CPictureButton::Placement::Right << 1;
        QTest::newRow("above") << CPictureButton::Placement::Above << 2;
        QTest::newRow("below") << CPictureButton::Placement::Below << 3;
        QTest::newRow("only") << CPictureButton::Placement::Only << 4;
    }
    void pictureIsPlaced()
    {
        QFETCH(CPictureButton::Placement, placement);
        QFETCH(int, side);
        CPictureButton button(0, QStringLiteral("Some longer text"), nullptr);
        QPixmap red(16, 16);
        red.fill(Qt::red);
        button.SetImage(red);
        button.SetImagePlacement(placement);
        button.resize(button.sizeHint());
        const QImage shot = button.grab().toImage();
        const QRect box = RedBox(shot);
        QVERIFY(box.isValid());
        const QPoint centre = box.center();
        const QPoint middle(shot.width() / 2, shot.height() / 2);
        switch (side) {
        case 0:
            QVERIFY(centre.x() < middle.x() - 10);
            break;
        case 1:
            QVERIFY(centre.x() > middle.x() + 10);
            break;
        case 2:
            QVERIFY(centre.y() < middle.y() - 5);
            break;
        case 3:
            QVERIFY(centre.y() > middle.y() + 5);
            break;
        default:
            QVERIFY(qAbs(centre.x() - middle.x()) <= 2);
            QCOMPARE(button.toolTip(), QStringLiteral("Some longer text"));
            break;
        }
    }

    void menus()
    {
        CPictureButton button(ImageId::ButtonView, QStringLiteral("Status"), nullptr);
        QMenu menu;
        menu.addAction(QStringLiteral("Done"));
        button.SetDropDownMenu(&menu);
        QCOMPARE(button.popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(button.menu(), &menu);
        button.resize(button.sizeHint());
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy clicked(&button, &QToolButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, button.height() / 2));
        QCOMPARE(clicked.size(), 1);
        button.SetWholeButtonMenu(&menu);
        QCOMPARE(button.popupMode(), QToolButton::InstantPopup);
    }
};

REPBOOK_TEST_MAIN(TestPictureButton)

#include "tst_picturebutton.moc"
