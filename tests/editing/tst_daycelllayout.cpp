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

    // The cell's look: its month's colour (program days take the even months'), the selection's
    // colours, a grey label outside the range, a bold label on the first of a month and on
    // today within the range; program days are never bold and show their workouts as Not yet.
    void look_data()
    {
        QTest::addColumn<QString>("cell"); // s: selected, p: program day, r: in the range
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("look"); // background, label colour, "bold" or "-"
        const auto row = [](const char *tag, const char *cell, QDate date, const char *look) {
            QTest::newRow(tag) << QString::fromLatin1(cell) << date << QString::fromLatin1(look);
        };
        row("February", "r", {2027, 2, 10}, "even text -");
        row("March", "r", {2027, 3, 10}, "odd text -");
        row("December", "r", {2027, 12, 10}, "even text -");
        row("outside the range", "", {2027, 3, 10}, "odd grey -");
        row("selected", "sr", {2027, 3, 10}, "highlight selected -");
        row("selected outside", "s", {2027, 3, 10}, "highlight selected -");
        row("first of the month", "r", {2027, 3, 1}, "odd text bold");
        row("first of the month outside", "", {2027, 4, 1}, "even grey bold");
        row("today", "r", {2027, 3, 17}, "odd text bold");
        row("today outside", "", {2027, 3, 17}, "odd grey -");
        row("program day", "p", {2027, 3, 1}, "even grey -");
    }
    void look()
    {
        QFETCH(QString, cell);
        QFETCH(QDate, date);
        QFETCH(QString, look);
        const bool selected = cell.contains(u's'), program = cell.contains(u'p');
        const bool inRange = cell.contains(u'r');
        Colours colours;
        colours.evenMonth = Qt::white;
        colours.oddMonth = Qt::yellow;
        colours.highlight = Qt::blue;
        colours.windowText = Qt::black;
        colours.buttonShadow = Qt::gray;
        colours.selectedText = Qt::cyan;
        const QHash<QRgb, QString> names = {
            {QColor(Qt::white).rgb(), "even"},     {QColor(Qt::yellow).rgb(), "odd"},
            {QColor(Qt::blue).rgb(), "highlight"}, {QColor(Qt::black).rgb(), "text"},
            {QColor(Qt::gray).rgb(), "grey"},      {QColor(Qt::cyan).rgb(), "selected"}};
        const QString seen =
            names.value(Background(colours, selected, program, date.month()).rgb()) + u' ' +
            names.value(LabelColour(colours, selected, inRange).rgb()) + u' ' +
            (IsLabelBold(program, inRange, DateValue::FromQDate(date), QDate(2027, 3, 17)) ? "bold"
                                                                                           : "-");
        QCOMPARE(seen, look);
        QCOMPARE(ImageStatus(program, ProgressStatus::Failed),
                 int(program ? ProgressStatus::NotYet : ProgressStatus::Failed));
    }
    // The label sits at the top right, four border widths in, two when it ends in the digit 1
    // (whose glyph leaves room of its own); a label too long for the cell keeps its beginning.
    void labelBox()
    {
        const QRect cell(10, 20, 100, 80);
        QCOMPARE(LabelRect(cell, {12, 10}, "17"), QRect(94, 22, 12, 10));
        QCOMPARE(LabelRect(cell, {12, 10}, "21"), QRect(96, 22, 12, 10));
        const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 9));
        const QString label = QStringLiteral("1-st of September");
        QCOMPARE(FitLabel(label, metrics, 400), label);
        const QString cut = FitLabel(label, metrics, 60);
        QVERIFY2(cut.startsWith(QStringLiteral("1-")) && cut.endsWith(QChar(0x2026)),
                 qPrintable(cut));
        QVERIFY(metrics.horizontalAdvance(cut) <= 60 - 8 * BorderWidth);
    }
};

REPBOOK_TEST_MAIN_CORE(TestDayCellLayout)
#include "tst_daycelllayout.moc"
