#include "common/DiaryText.h"
#include "common/TestMain.h"
#include "model/DiaryDatabase.h"
#include "printing/DayPrintDocument.h"
#include "printing/PageFlow.h"
#include "printing/PrintDays.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

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
        const QChar kind = kinds.at(i);
        block.startsDay = kind == u'D';
        block.keepWithNext = QStringLiteral("DTH").contains(kind);
        title = kind == u'T' ? i : title;
        heading = kind == u'H' ? i : heading;
        if (kind == u'r')
            block.repeatOnNewPage = {title, heading};
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
            placed.append(QString::number(block.block) + (block.repeated ? "*" : QString()));
        result.append(placed.join(QLatin1Char(' ')));
    }
    return result;
}

// The text of a PDF file through pdftotext (as laid out, or as words with their boxes: "-bbox"),
// or a null string when the tool is not installed.
QString PdfText(const QString &path, const QString &mode = QStringLiteral("-layout"))
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QProcess process;
    process.start(tool, {mode, path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The printed text must be checked: without pdftotext the case is reported as skipped, not passed.
#define PDF_TEXT_OR_SKIP(text, path)                                                               \
    const QString text = PdfText(path);                                                            \
    if (text.isNull())                                                                             \
    QSKIP("pdftotext (poppler-utils) is missing: the printed text cannot be checked")

std::unique_ptr<QPrinter> PdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return printer;
}

} // namespace

// Printing days: how their blocks flow onto pages, and the PDF made of them.
class TestPrinting : public QObject
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

        const QList<FlowBlock> blocks = Blocks(kinds, heights);
        const QList<FlowPage> flowed = PageFlow(100, 5).Flow(blocks);
        QCOMPARE(Layout(flowed), pages);
        // Each block follows the one above it, with the gap between days where a day starts.
        for (const FlowPage &page : flowed) {
            for (qreal top = 0; const PlacedBlock &placed : page) {
                const FlowBlock &block = blocks.at(placed.block);
                top += block.startsDay && top > 0 ? 5 : 0;
                QCOMPARE(placed.top, top);
                top += block.height;
            }
        }
    }

    void pdfHoldsTheLogAsText_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("pieces"); // separated by '|'
        QTest::addColumn<QString>("absent");
        QTest::newRow("kilograms") << int(WeightUnit::Kilograms)
                                   << "Thursday, 1 March 2007|Friday, 2 March 2007|Chest day|"
                                      "Bench press|82.5|last set hard|Dips|Failed|Abs|"
                                      "No exercises.|Leg day|Squat|140|Felt strong.|Sleep 8 h.|"
                                      "Negative|Page 1 of 1"
                                   << "Weight (lb)";
        // 82.5 kg and 140 kg.
        QTest::newRow("pounds") << int(WeightUnit::Pounds) << "Weight (lb)|181.9|308.6"
                                << "82.5";
    }
    void pdfHoldsTheLogAsText()
    {
        QFETCH(int, unit);
        QFETCH(QString, pieces);
        QFETCH(QString, absent);
        DiaryDatabase diary;
        QVERIFY(testsupport::BuildDiary(
            diary,
            QStringLiteral("1.3.2007 \"Felt strong.\nSleep 8 h.\" Chest_day:done[Bench_press "
                           "5x8+1-2 82.5 \"last set hard\", Dips 3x12+1-2 failed] Abs; "
                           "2.3.2007 Leg_day:failed[Squat 4x6+1-2 140 failed]")));
        const QString path = m_dir.filePath(QStringLiteral("text.pdf"));
        QVERIFY(PrintDays(PdfPrinter(path).get(), {diary.GetDay(0), diary.GetDay(1)},
                          WeightUnit::Kind(unit)));
        PDF_TEXT_OR_SKIP(text, path);
        for (const QString &piece : pieces.split(u'|'))
            QVERIFY2(text.contains(piece),
                     qPrintable(piece + QStringLiteral(" missing in:\n") + text));
        QVERIFY2(!text.contains(absent), qPrintable(text));
        // In reading order: the first day before the second.
        QVERIFY(text.indexOf("Bench press") < text.indexOf("Squat"));
        // Nothing past the right margin: 15 mm (42.5 pt) of the A4 page's 595.3 pt.
        static const QRegularExpression word(QStringLiteral("xMax=\"([\\d.]+)\"[^>]*>([^<]*)<"));
        for (const auto &box : word.globalMatch(PdfText(path, QStringLiteral("-bbox"))))
            QVERIFY2(box.captured(1).toDouble() <= 553.3, qPrintable(box.captured(2)));
    }
    void longDayRunsOverSeveralPages()
    {
        // One workout of 120 exercises, "Circuit 1" to "Circuit 120".
        QStringList exercises;
        for (int i = 1; i <= 120; ++i)
            exercises.append(QStringLiteral("Circuit_%1 3x10+1-2 20 notyet").arg(i));
        const auto day = testsupport::BuildDay(
            QStringLiteral("1.3.2007 Circuit[%1]").arg(exercises.join(u", ")));
        const QString path = m_dir.filePath(QStringLiteral("long.pdf"));
        DayPrintDocument document({day.get()}, WeightUnit());
        {
            QPdfWriter writer(path);
            writer.setPageSize(QPageSize(QPageSize::A4));
            QVERIFY(document.Print(&writer));
            // Nothing to print, or nowhere to print it: no success reported.
            QVERIFY(!DayPrintDocument({}, WeightUnit()).Print(&writer));
            QVERIFY(!document.Print(nullptr));
        }
        QVERIFY2(document.PageCount() >= 3, qPrintable(QString::number(document.PageCount())));
        PDF_TEXT_OR_SKIP(text, path);
        QCOMPARE(text.count(u'\f'), document.PageCount()); // pdftotext ends each page with \f
        const QStringList pages = text.split(u'\f');
        for (const char *piece :
             {"Thursday, 1 March 2007 (continued)", "Circuit (continued)", "Negative"})
            QVERIFY2(pages.at(1).contains(QLatin1String(piece)), piece);
        for (int i = 1; i <= 120; ++i) {
            const QRegularExpression name(QStringLiteral("\\bCircuit %1\\b").arg(i));
            QVERIFY2(text.contains(name), qPrintable(QString::number(i)));
        }
    }
    // Days of every size, so that page ends fall everywhere: a day's date, a workout's title, a
    // table's heading and the notes' heading each stay with what follows them.
    void headingsNeverEndAPage()
    {
        DiaryDatabase diary;
        QList<const TrainingDay *> days;
        for (int d = 1; d <= 31; ++d) {
            QStringList rows;
            for (int e = 0; e < 30 + d; ++e)
                rows.append(QStringLiteral("Row%1 3x10 20").arg(e));
            QVERIFY(testsupport::BuildDiary(
                diary,
                QStringLiteral("%1.3.2007 \"%4\" Push%1[%2] Pull%1[%3] Rest%1")
                    .arg(d)
                    .arg(rows.join(u", "), rows.mid(0, 1 + d % 7).join(u", "),
                         QStringLiteral("Slept well.\n").repeated(1 + d % 3))));
            days.append(diary.GetDay(d - 1));
        }
        const QString path = m_dir.filePath(QStringLiteral("flow.pdf"));
        QVERIFY(PrintDays(PdfPrinter(path).get(), days, WeightUnit()));
        PDF_TEXT_OR_SKIP(text, path);
        const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() > 10);
        static const QRegularExpression heading(QStringLiteral(
            "^(\\w+day, \\d+ March 2007|(Push|Rest|Pull)\\d+ Not yet|Exercise .*|Notes)$"));
        for (int page = 0; page + 1 < pages.size(); ++page) {
            QStringList lines;
            for (const QString &line : pages.at(page).split(u'\n'))
                if (!line.trimmed().isEmpty() && !line.contains(QLatin1String(" of ")))
                    lines.append(line.simplified());
            QVERIFY(!lines.isEmpty());
            QVERIFY2(
                !heading.match(lines.last()).hasMatch(),
                qPrintable(QStringLiteral("page %1 ends with %2").arg(page + 1).arg(lines.last())));
        }
    }

private:
    QTemporaryDir m_dir;
};

REPBOOK_TEST_MAIN_GUI(TestPrinting)

#include "tst_printing.moc"
