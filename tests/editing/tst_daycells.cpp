#include "common/TestMain.h"
#include "editing/CGridImageCell.h"
#include "editing/CWorkoutDayCell.h"
#include "editing/DayCellData.h"
#include "editing/DayCellLayout.h"
#include "editing/IDayCellOwner.h"
#include "images/StatusImages.h"
#include "model/Clock.h"
#include "model/TrainingDay.h"
#include "model/Workout.h"
#include "widgets/CGridCell.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

using namespace DayCellLayout;

namespace {

// Colours chosen so that every role can be told apart in the rendered pixels.
const QColor Highlight(0, 0, 200);
const QColor HighlightedText(0, 230, 0);
const QColor WindowText(0, 0, 0);
const QColor Dark(150, 0, 150);
const QColor Base(255, 255, 255);
const QColor Outside(255, 0, 255); // the image around the cell

const QRect CellRect(10, 8, 160, 120);

// A window that answers for one cell: its date and whether it lies in the range.
class FakeOwner : public IDayCellOwner
{
public:
    FakeOwner()
        : shields(true, StatusImageSize::Large32)
        , flags(false, StatusImageSize::Large32)
    {
        font = QFont(QStringLiteral("DejaVu Sans"), 10);
        font.setStyleStrategy(QFont::NoAntialias);
    }

    const StatusImageSet &DayCellImages() const override { return useFlags ? flags : shields; }
    QFont DayCellFont() const override { return font; }
    DateValue DateAt(int, int) const override { return date; }
    bool IsInRange(int, int) const override { return inRange; }

    StatusImageSet shields;
    StatusImageSet flags;
    bool useFlags = false;
    QFont font;
    DateValue date = DateValue::FromDate(2007, 3, 20);
    bool inRange = true;
};

CGridCellContext MakeContext(const QString &text, const QVariant &data = QVariant())
{
    CGridCellContext c {};
    c.grid = nullptr;
    c.row = 3;
    c.col = 4;
    c.rect = CellRect;
    c.text = text;
    c.data = data;
    c.bk = Qt::white;
    c.fg = Qt::black;
    c.format = Qt::AlignLeft;
    c.selected = false;
    c.focused = false;
    c.fixed = false;
    c.image = nullptr;
    return c;
}

QImage Render(const CGridCell &cell, const CGridCellContext &c)
{
    // A margin of outside pixels all round the cell.
    QImage image(c.rect.x() * 2 + c.rect.width(), c.rect.y() * 2 + c.rect.height(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Outside);
    QPainter painter(&image);
    cell.Draw(&painter, c);
    return image;
}

int CountColour(const QImage &image, const QRect &region, const QColor &colour)
{
    int count = 0;
    const QRect r = region.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (image.pixelColor(x, y) == colour)
                ++count;
        }
    }
    return count;
}

// The image as the cell should show it: drawn over the cell's background.
QImage Composed(const QPixmap &pixmap, const QColor &background)
{
    QImage image(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, pixmap);
    return image;
}

int LabelHeight(const QFont &font, bool bold)
{
    QFont labelFont = font;
    if (bold)
        labelFont.setWeight(QFont::Bold);
    return QFontMetrics(labelFont).height();
}

std::unique_ptr<TrainingDay> MakeDay(const QList<int> &statuses, const QString &name)
{
    auto day = std::make_unique<TrainingDay>();
    for (int i = 0; i < statuses.size(); ++i) {
        auto workout = std::make_unique<Workout>();
        workout->SetName(name + QString::number(i + 1));
        workout->SetStatus(static_cast<ProgressStatus>(statuses[i]), false);
        day->AddWorkout(std::move(workout));
    }
    return day;
}

} // namespace

class TestDayCells : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void cellData();
    void labelBold_data();
    void labelBold();
    void labelRect_data();
    void labelRect();
    void labelDrawnInItsBox();
    void longLabelFitsNarrowCell_data();
    void longLabelFitsNarrowCell();
    void imageListFits_data();
    void imageListFits();
    void colours_data();
    void colours();
    void workoutList_data();
    void workoutList();
    void longNamesStayInsideTheCell();

    void imageCellRect_data();
    void imageCellRect();
    void imageCellDraw_data();
    void imageCellDraw();
    void imageCellSizeAndEditing();
};

void TestDayCells::initTestCase()
{
    QPalette palette = QGuiApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, Highlight);
        palette.setColor(group, QPalette::HighlightedText, HighlightedText);
        palette.setColor(group, QPalette::WindowText, WindowText);
        palette.setColor(group, QPalette::Dark, Dark);
        palette.setColor(group, QPalette::Base, Base);
    }
    QGuiApplication::setPalette(palette);
    Clock::SetFixed(QDateTime(QDate(2007, 3, 15), QTime(10, 30)));
}

void TestDayCells::cleanupTestCase()
{
    Clock::Reset();
}

void TestDayCells::cellData()
{
    TrainingDay day;
    QCOMPARE(DayFromCellData(CellDataFromDay(&day)), &day);
    QVERIFY(!CellDataFromDay(nullptr).isValid());
    QCOMPARE(DayFromCellData(QVariant()), nullptr);
    QCOMPARE(DayFromCellData(QVariant(42)), nullptr);
}

void TestDayCells::labelBold_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<bool>("programMode");
    QTest::addColumn<bool>("bold");

    // Today is 15 March 2007.
    QTest::newRow("1 March") << QDate(2007, 3, 1) << true << false << true;
    QTest::newRow("2 March") << QDate(2007, 3, 2) << true << false << false;
    QTest::newRow("today") << QDate(2007, 3, 15) << true << false << true;
    QTest::newRow("today outside the range") << QDate(2007, 3, 15) << false << false << false;
    QTest::newRow("1 April outside the range") << QDate(2007, 4, 1) << false << false << true;
    QTest::newRow("today a year ago") << QDate(2006, 3, 15) << true << false << false;
    QTest::newRow("program day") << QDate(2007, 3, 1) << false << true << false;
}

void TestDayCells::labelBold()
{
    QFETCH(QDate, date);
    QFETCH(bool, inRange);
    QFETCH(bool, programMode);
    QFETCH(bool, bold);

    QCOMPARE(IsLabelBold(programMode, inRange, DateValue::FromQDate(date), Clock::Today()), bold);

    // The drawn label: a bold label leaves more ink than the same text in the normal font.
    FakeOwner owner;
    owner.date = DateValue::FromQDate(date);
    owner.inRange = inRange;
    const QString label = QStringLiteral("1-st of March");
    const QColor ink = inRange && !programMode ? WindowText : Dark;
    const QImage drawn = Render(CWorkoutDayCell(&owner, programMode), MakeContext(label));
    FakeOwner plainOwner;
    plainOwner.date = DateValue::FromDate(2007, 3, 20);
    plainOwner.inRange = false;
    const QImage plain = Render(CWorkoutDayCell(&plainOwner, false), MakeContext(label));
    const int drawnInk = CountColour(drawn, CellRect, ink);
    const int plainInk = CountColour(plain, CellRect, Dark);
    QVERIFY(plainInk > 0);
    if (bold)
        QVERIFY2(drawnInk > plainInk,
                 qPrintable(QStringLiteral("%1 vs %2").arg(drawnInk).arg(plainInk)));
    else
        QCOMPARE(drawnInk, plainInk);
}

void TestDayCells::labelRect_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("shift");

    QTest::newRow("11") << QStringLiteral("11") << 2;
    QTest::newRow("21") << QStringLiteral("21") << 2;
    QTest::newRow("31") << QStringLiteral("31") << 2;
    QTest::newRow("12") << QStringLiteral("12") << 4;
    QTest::newRow("1-st of May") << QStringLiteral("1-st of May") << 4;
    QTest::newRow("today") << QStringLiteral("21 (today)") << 4;
    QTest::newRow("program day 11") << QStringLiteral("Day 11") << 2;
}

void TestDayCells::labelRect()
{
    QFETCH(QString, label);
    QFETCH(int, shift);

    const QSize size(37, 15);
    const QRect box = LabelRect(CellRect, size, label);
    QCOMPARE(box.size(), size);
    QCOMPARE(box.x() + box.width(), CellRect.x() + CellRect.width() - shift * BorderWidth);
    QCOMPARE(box.y(), CellRect.y() + 2 * BorderHeight);
}

void TestDayCells::labelDrawnInItsBox()
{
    FakeOwner owner;
    const QString label = QStringLiteral("31");
    const QImage image = Render(CWorkoutDayCell(&owner, false), MakeContext(label));
    const QFontMetrics metrics(owner.font);
    const QRect box =
        LabelRect(CellRect, QSize(metrics.horizontalAdvance(label), metrics.height()), label);
    const int inBox = CountColour(image, box, WindowText);
    QVERIFY(inBox > 0);
    QCOMPARE(CountColour(image, CellRect, WindowText), inBox);
}

void TestDayCells::longLabelFitsNarrowCell_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<bool>("whole");
    QTest::newRow("short label, wide cell") << QStringLiteral("21") << 160 << true;
    QTest::newRow("month label, wide cell") << QStringLiteral("1-st of December") << 300 << true;
    QTest::newRow("month label, narrow cell") << QStringLiteral("1-st of December") << 60 << false;
    QTest::newRow("today, narrow cell") << QStringLiteral("6 (today)") << 50 << false;
}

void TestDayCells::longLabelFitsNarrowCell()
{
    QFETCH(QString, label);
    QFETCH(int, cellWidth);
    QFETCH(bool, whole);
    FakeOwner owner;
    const QFontMetrics metrics(owner.font);
    const QString fitted = FitLabel(label, metrics, cellWidth);
    QCOMPARE(fitted == label, whole);
    // The day number at its start stays readable, and the label stays inside the cell.
    QVERIFY(fitted.startsWith(label.left(1)));
    const QRect cell(10, 8, cellWidth, 120);
    const QRect box =
        LabelRect(cell, QSize(metrics.horizontalAdvance(fitted), metrics.height()), fitted);
    QVERIFY(box.left() >= cell.left());
    QVERIFY(box.right() <= cell.right());
}

void TestDayCells::imageListFits_data()
{
    QTest::addColumn<int>("areaHeight");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("imageHeight");
    QTest::addColumn<bool>("fits");

    QTest::newRow("one in 40") << 40 << 1 << 32 << true;
    QTest::newRow("two in 40") << 40 << 2 << 32 << false;
    QTest::newRow("exact fit") << 64 << 2 << 32 << true;
    QTest::newRow("one pixel short") << 63 << 2 << 32 << false;
    QTest::newRow("no image loaded") << 64 << 1 << 0 << false;
    QTest::newRow("many workouts") << 100 << 1000000000 << 32 << false;
}

void TestDayCells::imageListFits()
{
    QFETCH(int, areaHeight);
    QFETCH(int, count);
    QFETCH(int, imageHeight);
    QFETCH(bool, fits);

    QCOMPARE(DayCellLayout::ImageListFits(QRect(5, 17, 90, areaHeight), count, imageHeight), fits);
}

void TestDayCells::colours_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<bool>("programMode");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("label");

    const QColor odd(255, 244, 188);
    const QColor even(255, 255, 213);
    const QDate march(2007, 3, 20);
    const QDate april(2007, 4, 20);
    QTest::newRow("odd month") << march << true << false << false << false << odd << WindowText;
    QTest::newRow("even month") << april << true << false << false << false << even << WindowText;
    QTest::newRow("December") << QDate(2007, 12, 2) << true << false << false << false << even
                              << WindowText;
    QTest::newRow("outside the range") << march << false << false << false << false << odd << Dark;
    QTest::newRow("selected") << march << true << false << true << false << Highlight
                              << HighlightedText;
    QTest::newRow("selected outside")
        << march << false << false << true << false << Highlight << HighlightedText;
    QTest::newRow("focused") << april << true << false << false << true << even << WindowText;
    QTest::newRow("selected and focused")
        << april << true << false << true << true << Highlight << HighlightedText;
    QTest::newRow("program day") << march << true << true << false << false << even << Dark;
    QTest::newRow("selected program day")
        << march << true << true << true << false << Highlight << HighlightedText;
}

void TestDayCells::colours()
{
    QFETCH(QDate, date);
    QFETCH(bool, inRange);
    QFETCH(bool, programMode);
    QFETCH(bool, selected);
    QFETCH(bool, focused);
    QFETCH(QColor, background);
    QFETCH(QColor, label);

    FakeOwner owner;
    owner.date = DateValue::FromQDate(date);
    owner.inRange = inRange;
    CGridCellContext c = MakeContext(QStringLiteral("20"));
    c.selected = selected;
    c.focused = focused;
    const QImage image = Render(CWorkoutDayCell(&owner, programMode), c);

    const QPoint inside(CellRect.x() + 5, CellRect.y() + CellRect.height() - 5);
    QCOMPARE(image.pixelColor(inside), background);
    QCOMPARE(image.pixelColor(CellRect.topLeft()), focused ? Base : background);
    QCOMPARE(image.pixelColor(CellRect.bottomRight()), focused ? Base : background);
    QCOMPARE(image.pixelColor(CellRect.topLeft() - QPoint(1, 1)), Outside);
    QVERIFY(CountColour(image, CellRect, label) > 0);
    for (const QColor &other : {WindowText, Dark, HighlightedText}) {
        if (other != label)
            QCOMPARE(CountColour(image, CellRect, other), 0);
    }
}

void TestDayCells::workoutList_data()
{
    QTest::addColumn<int>("areaHeight");
    QTest::addColumn<QList<int>>("statuses");
    QTest::addColumn<bool>("programMode");
    QTest::addColumn<bool>("flags");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("imageList");
    QTest::addColumn<QList<int>>("shownStatuses");

    const QList<int> dfn {1, 2, 0};
    QTest::newRow("one in 40") << 40 << QList<int> {1} << false << false << false << true
                               << QList<int> {1};
    QTest::newRow("two in 40") << 40 << QList<int> {1, 2} << false << false << false << false
                               << QList<int> {};
    QTest::newRow("exact fit") << 64 << QList<int> {2, 1} << false << false << false << true
                               << QList<int> {2, 1};
    QTest::newRow("one pixel short")
        << 63 << QList<int> {2, 1} << false << false << false << false << QList<int> {};
    QTest::newRow("done failed not yet") << 96 << dfn << false << false << false << true << dfn;
    QTest::newRow("flags") << 96 << dfn << false << true << false << true << dfn;
    QTest::newRow("program day") << 96 << dfn << true << false << false << true
                                 << QList<int> {0, 0, 0};
    QTest::newRow("stored unknown status")
        << 40 << QList<int> {7} << false << false << false << true << QList<int> {0};
    QTest::newRow("selected images")
        << 40 << QList<int> {1} << false << false << true << true << QList<int> {1};
    QTest::newRow("selected text list")
        << 40 << QList<int> {1, 1} << false << false << true << false << QList<int> {};
}

void TestDayCells::workoutList()
{
    QFETCH(int, areaHeight);
    QFETCH(QList<int>, statuses);
    QFETCH(bool, programMode);
    QFETCH(bool, flags);
    QFETCH(bool, selected);
    QFETCH(bool, imageList);
    QFETCH(QList<int>, shownStatuses);

    FakeOwner owner;
    owner.useFlags = flags;
    owner.date = DateValue::FromDate(2007, 4, 20); // an even month: the same background as programs
    const std::unique_ptr<TrainingDay> day = MakeDay(statuses, QStringLiteral("Legs "));
    const QString label = QStringLiteral("20");
    const int labelHeight = LabelHeight(owner.font, false);
    CGridCellContext c = MakeContext(label, CellDataFromDay(day.get()));
    c.rect = QRect(CellRect.topLeft(), QSize(CellRect.width(), labelHeight + areaHeight));
    c.selected = selected;
    const QImage image = Render(CWorkoutDayCell(&owner, programMode), c);
    const QRect area = WorkoutArea(c.rect, labelHeight);
    QCOMPARE(area.height(), areaHeight);

    const QColor background = selected ? Highlight : EvenMonthBackground();
    const QColor text = selected ? HighlightedText : WindowText;
    const StatusImageSet &images = owner.DayCellImages();
    const QImage firstImage = Composed(images.ForStatus(statuses.first()), background);
    if (imageList) {
        for (int i = 0; i < shownStatuses.size(); ++i) {
            const QRect row = ImageRowRect(area, i, images.size());
            QCOMPARE(image.copy(row), Composed(images.ForStatus(shownStatuses[i]), background));
            QVERIFY2(CountColour(image, NameRect(area, row, images.size().width()), text) > 0,
                     "the workout's name is drawn beside its image");
        }
    } else {
        QVERIFY(image.copy(ImageRowRect(area, 0, images.size())) != firstImage);
        // One "- name" line per workout, drawn in the window font below the label.
        const int lineHeight = QFontMetrics(owner.font).height();
        QImage expected(image.size(), image.format());
        expected.fill(background);
        QPainter painter(&expected);
        painter.setFont(owner.font);
        painter.setPen(text);
        for (int i = 0; i < statuses.size(); ++i) {
            const QRect line = TextLineRect(area, i, lineHeight);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             QStringLiteral("- Legs %1").arg(i + 1));
        }
        painter.end();
        const QRect lines = area.intersected(c.rect);
        QCOMPARE(image.copy(lines), expected.copy(lines));
    }
}

void TestDayCells::longNamesStayInsideTheCell()
{
    FakeOwner owner;
    auto day = MakeDay({1, 2, 0, 1, 2, 0, 1, 2}, QString(60, QLatin1Char('W')));
    for (int area : {40, 200}) { // text list and image list
        CGridCellContext c = MakeContext(QStringLiteral("20"), CellDataFromDay(day.get()));
        c.rect.setHeight(LabelHeight(owner.font, false) + area);
        const QImage image = Render(CWorkoutDayCell(&owner, false), c);
        const QRect all = image.rect();
        QCOMPARE(CountColour(image, all, Outside),
                 all.width() * all.height() - c.rect.width() * c.rect.height());
    }
}

void TestDayCells::imageCellRect_data()
{
    QTest::addColumn<QRect>("cell");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("16 in 40x20") << QRect(0, 0, 40, 20) << QSize(16, 16) << QRect(12, 2, 16, 16);
    QTest::newRow("16 in 21x21") << QRect(100, 50, 21, 21) << QSize(16, 16)
                                 << QRect(102, 52, 16, 16);
    QTest::newRow("32 in 200x40") << QRect(10, 10, 200, 40) << QSize(32, 32)
                                  << QRect(94, 14, 32, 32);
    QTest::newRow("larger than the cell")
        << QRect(0, 0, 10, 10) << QSize(16, 16) << QRect(-3, -3, 16, 16);
}

void TestDayCells::imageCellRect()
{
    QFETCH(QRect, cell);
    QFETCH(QSize, imageSize);
    QFETCH(QRect, expected);

    QCOMPARE(CGridImageCell::ImageRect(cell, imageSize), expected);
}

void TestDayCells::imageCellDraw_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("withImage");

    QTest::newRow("plain") << false << false << true;
    QTest::newRow("selected") << true << false << true;
    QTest::newRow("focused") << false << true << true;
    QTest::newRow("no image") << false << false << false;
}

void TestDayCells::imageCellDraw()
{
    QFETCH(bool, selected);
    QFETCH(bool, focused);
    QFETCH(bool, withImage);

    const StatusImageSet small(true, StatusImageSize::Small16);
    const QColor cellBackground(200, 220, 240);
    CGridCellContext c = MakeContext(QString());
    c.rect = QRect(10, 8, 60, 24);
    c.bk = cellBackground;
    c.selected = selected;
    c.focused = focused;
    c.image = withImage ? &small.Failed() : nullptr;
    const QImage image = Render(CGridImageCell(), c);

    const QColor background = selected ? Highlight : cellBackground;
    QCOMPARE(image.pixelColor(c.rect.x() + 2, c.rect.y() + 2), background);
    QCOMPARE(image.pixelColor(c.rect.topLeft()), focused ? Base : background);
    const QRect imageRect = CGridImageCell::ImageRect(c.rect, QSize(16, 16));
    if (withImage)
        QCOMPARE(image.copy(imageRect), Composed(small.Failed(), background));
    else
        QCOMPARE(CountColour(image, c.rect, background), c.rect.width() * c.rect.height());
}

void TestDayCells::imageCellSizeAndEditing()
{
    const StatusImageSet small(true, StatusImageSize::Small16);
    const StatusImageSet large(false, StatusImageSize::Large32);
    CGridImageCell cell;
    CGridCellContext c = MakeContext(QString());
    c.image = &small.Done();
    QCOMPARE(cell.PreferredSize(c), QSize(21, 21));
    c.image = &large.Done();
    QCOMPARE(cell.PreferredSize(c), QSize(37, 37));
    QVERIFY(!cell.AllowsEdit());
    QWidget parent;
    QCOMPARE(cell.CreateEditor(&parent, c), nullptr);
}

REPBOOK_TEST_MAIN(TestDayCells)
#include "tst_daycells.moc"
