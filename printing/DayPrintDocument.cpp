#include "printing/DayPrintDocument.h"

#include "images/RepbookColours.h"
#include "model/TrainingDay.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <array>

namespace {

constexpr int ColumnCount = 8;
enum Column { Exercise, Sets, Reps, Forced, Negative, Weight, Note, Status };

// Translated when printed: the translation is installed after static initialisation.
constexpr std::array<const char *, ColumnCount> ColumnHeadings = {
    QT_TRANSLATE_NOOP("DayPrintDocument", "Exercise"),
    QT_TRANSLATE_NOOP("DayPrintDocument", "Sets"),
    QT_TRANSLATE_NOOP("DayPrintDocument", "Reps"),
    QT_TRANSLATE_NOOP("DayPrintDocument", "Forced"),
    QT_TRANSLATE_NOOP("DayPrintDocument", "Negative"),
    QT_TRANSLATE_NOOP("DayPrintDocument", "Weight"),
    QT_TRANSLATE_NOOP("DayPrintDocument", "Note"),
    QT_TRANSLATE_NOOP("DayPrintDocument", "Status")};

// The weight's heading names the unit the log is printed in.
QString Heading(int column, WeightUnit unit)
{
    const QString heading = QCoreApplication::translate("DayPrintDocument", ColumnHeadings[column]);
    return column == Weight ? unit.Labelled(heading) : heading;
}

const char Continued[] = QT_TRANSLATE_NOOP("DayPrintDocument", " (continued)");

// The printout is always light, whatever the windows' appearance.
const RepbookColours &Paper()
{
    return RepbookColours::Light();
}

QColor StatusColour(ProgressStatus status)
{
    switch (status) {
    case ProgressStatus::Done:
        return Paper().printDone;
    case ProgressStatus::Failed:
        return Paper().printFailed;
    case ProgressStatus::NotYet:
        break;
    }
    return Paper().printNotYet;
}

QFont MakeFont(qreal points, bool bold = false, bool italic = false)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

// Fonts and distances of the log on one device, in the device's pixels.
struct DayPrintDocument::Metrics
{
    Metrics(QPaintDevice *paintDevice, qreal pageWidth, WeightUnit unit)
        : device(paintDevice)
        , dpi(paintDevice->logicalDpiY())
        , width(pageWidth)
    {
        cellPadX = Pt(4);
        cellPadY = Pt(2.5);
        // Number columns as wide as their heading or a four-digit weight, whichever is wider.
        const QFontMetricsF headingMetrics(tableHeading, device);
        const QFontMetricsF cellMetrics(cell, device);
        const QFontMetricsF strongMetrics(cellStrong, device);
        std::array<qreal, ColumnCount> widths {};
        for (int c = Sets; c <= Weight; ++c)
            widths[c] = qMax(headingMetrics.horizontalAdvance(Heading(c, unit)),
                             cellMetrics.horizontalAdvance(QStringLiteral("888.88"))) +
                2 * cellPadX;
        // The status column as wide as its heading or the longest status name.
        widths[Status] = headingMetrics.horizontalAdvance(Heading(Status, unit));
        for (const ProgressStatus status :
             {ProgressStatus::NotYet, ProgressStatus::Done, ProgressStatus::Failed})
            widths[Status] =
                qMax(widths[Status], strongMetrics.horizontalAdvance(PrintedText::Status(status)));
        widths[Status] += 2 * cellPadX;
        qreal fixed = 0;
        for (int c = Sets; c <= Status; ++c)
            fixed += c == Note ? 0 : widths[c];
        const qreal rest = qMax(width - fixed, Pt(120));
        widths[Exercise] = rest * 0.42;
        widths[Note] = rest - widths[Exercise];
        qreal left = 0;
        for (int c = 0; c < ColumnCount; ++c) {
            columnLeft[c] = left;
            columnWidth[c] = widths[c];
            left += widths[c];
        }
    }

    qreal Pt(qreal points) const { return points * dpi / 72.0; }
    qreal LineHeight(const QFont &font) const { return QFontMetricsF(font, device).height(); }

    // The text broken into lines that fit the width: at word boundaries where possible, inside
    // a word where it is longer than the width; line breaks of the text are kept.
    QStringList Lines(const QFont &font, qreal lineWidth, const QString &text) const
    {
        QString flowing = text;
        flowing.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextLayout layout(flowing, font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(qMax<qreal>(1, lineWidth));
            QString piece = flowing.mid(line.textStart(), line.textLength());
            piece.remove(QChar::LineSeparator);
            lines.append(piece.trimmed());
        }
        layout.endLayout();
        if (lines.isEmpty())
            lines.append(QString());
        return lines;
    }

    qreal TextHeight(const QFont &font, qreal lineWidth, const QString &text) const
    {
        return Lines(font, lineWidth, text).size() * LineHeight(font);
    }

    void DrawLines(QPainter &painter, const QFont &font, const QRectF &area, Qt::Alignment align,
                   const QString &text) const
    {
        painter.setFont(font);
        const qreal lineHeight = LineHeight(font);
        qreal y = area.top();
        for (const QString &line : Lines(font, area.width(), text)) {
            painter.drawText(QRectF(area.left(), y, area.width(), lineHeight),
                             int(align | Qt::AlignVCenter | Qt::TextSingleLine), line);
            y += lineHeight;
        }
    }

    QPaintDevice *device;
    qreal dpi;
    qreal width;
    QFont heading = MakeFont(15, true);
    QFont title = MakeFont(11.5, true);
    QFont tableHeading = MakeFont(8.5, true);
    QFont cell = MakeFont(9.5);
    QFont cellStrong = MakeFont(9.5, true); // the exercise's name and its status
    QFont body = MakeFont(10);
    QFont muted = MakeFont(9.5, false, true);
    QFont notesHeading = MakeFont(10, true);
    QFont footer = MakeFont(8);
    qreal cellPadX = 0;
    qreal cellPadY = 0;
    std::array<qreal, ColumnCount> columnLeft {};
    std::array<qreal, ColumnCount> columnWidth {};

    qreal DayGap() const { return Pt(22); }
    qreal FooterHeight() const { return LineHeight(footer) + Pt(10); }
    qreal CellTextWidth(int column) const { return columnWidth[column] - 2 * cellPadX; }
};

DayPrintDocument::DayPrintDocument(const QList<const TrainingDay *> &days, WeightUnit unit)
    : m_unit(unit)
{
    for (const TrainingDay *day : days) {
        if (day)
            m_days.append(PrintedDay::From(*day, unit));
    }
}

int DayPrintDocument::Layout(QPaintDevice *device, const QSizeF &pageSize)
{
    m_blocks.clear();
    m_pages.clear();
    m_pageSize = pageSize;
    if (m_days.isEmpty() || !device)
        return 0;
    const Metrics metrics(device, pageSize.width(), m_unit);
    QList<FlowBlock> flow;
    BuildBlocks(metrics, &flow);
    const PageFlow pageFlow(pageSize.height() - metrics.FooterHeight(), metrics.DayGap());
    m_pages = pageFlow.Flow(flow);
    return PageCount();
}

void DayPrintDocument::Append(const Metrics &metrics, Block block, bool startsDay,
                              bool keepWithNext, const QList<int> &repeat, QList<FlowBlock> *flow)
{
    block.height = BlockHeight(metrics, block);
    flow->append(FlowBlock {block.height, startsDay, keepWithNext, repeat});
    m_blocks.append(block);
}

void DayPrintDocument::BuildBlocks(const Metrics &metrics, QList<FlowBlock> *flow)
{
    // A block that opens a page brings the day's date, and inside a table its title and
    // heading, so that every page can be read on its own.
    for (int d = 0; d < m_days.size(); ++d) {
        const PrintedDay &day = m_days.at(d);
        const int date = int(m_blocks.size());
        Append(metrics, Block {Kind::DayHeading, d}, true, true, {}, flow);
        if (day.workouts.isEmpty())
            Append(metrics, Block {Kind::NoWorkouts, d}, false, false, {date}, flow);
        for (int w = 0; w < day.workouts.size(); ++w) {
            const PrintedWorkout &workout = day.workouts.at(w);
            const int title = int(m_blocks.size());
            Append(metrics, Block {Kind::WorkoutTitle, d, w}, false, true, {date}, flow);
            if (workout.exercises.isEmpty()) {
                Append(metrics, Block {Kind::NoExercises, d, w}, false, false, {date}, flow);
                continue;
            }
            const int heading = int(m_blocks.size());
            Append(metrics, Block {Kind::TableHeading, d, w}, false, true, {date}, flow);
            for (int e = 0; e < workout.exercises.size(); ++e)
                Append(metrics, Block {Kind::ExerciseRow, d, w, e}, false, false,
                       {date, title, heading}, flow);
        }
        AddNotes(metrics, d, date, flow);
    }
}

void DayPrintDocument::AddNotes(const Metrics &metrics, int day, int date, QList<FlowBlock> *flow)
{
    const QString notes = m_days.at(day).notes.trimmed();
    if (notes.isEmpty())
        return;
    const int heading = int(m_blocks.size());
    Append(metrics, Block {Kind::NotesHeading, day}, false, true, {date}, flow);
    for (const QString &line : metrics.Lines(metrics.body, metrics.width, notes))
        Append(metrics, Block {Kind::NotesLine, day, -1, -1, line}, false, false, {date, heading},
               flow);
}

qreal DayPrintDocument::BlockHeight(const Metrics &metrics, const Block &block) const
{
    switch (block.kind) {
    case Kind::DayHeading:
        return metrics.LineHeight(metrics.heading) + metrics.Pt(9);
    case Kind::WorkoutTitle:
        return metrics.Pt(8) + metrics.LineHeight(metrics.title) + metrics.Pt(3);
    case Kind::TableHeading:
        return metrics.LineHeight(metrics.tableHeading) + 2 * metrics.cellPadY;
    case Kind::ExerciseRow: {
        const PrintedExercise &row =
            m_days.at(block.day).workouts.at(block.workout).exercises.at(block.exercise);
        const qreal text =
            qMax(metrics.TextHeight(metrics.cellStrong, metrics.CellTextWidth(Exercise), row.name),
                 metrics.TextHeight(metrics.cell, metrics.CellTextWidth(Note), row.note));
        return text + 2 * metrics.cellPadY;
    }
    case Kind::NoExercises:
    case Kind::NoWorkouts:
        return metrics.LineHeight(metrics.muted) + metrics.Pt(4);
    case Kind::NotesHeading:
        return metrics.Pt(10) + metrics.LineHeight(metrics.notesHeading) + metrics.Pt(2);
    case Kind::NotesLine:
        return metrics.LineHeight(metrics.body);
    }
    return 0;
}

void DayPrintDocument::RenderPage(QPainter &painter, int page) const
{
    if (page < 0 || page >= m_pages.size())
        return;
    const Metrics metrics(painter.device(), m_pageSize.width(), m_unit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PlacedBlock &placed : m_pages.at(page))
        DrawBlock(painter, metrics, m_blocks.at(placed.block), placed.top, placed.repeated);
    DrawFooter(painter, metrics, page);
    painter.restore();
}

void DayPrintDocument::DrawBlock(QPainter &painter, const Metrics &metrics, const Block &block,
                                 qreal top, bool repeated) const
{
    const PrintedDay &day = m_days.at(block.day);
    painter.setPen(Paper().printText);
    switch (block.kind) {
    case Kind::DayHeading: {
        const qreal line = metrics.LineHeight(metrics.heading);
        painter.setFont(metrics.heading);
        painter.drawText(QRectF(0, top, metrics.width, line),
                         int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine),
                         repeated
                             ? day.date + QCoreApplication::translate("DayPrintDocument", Continued)
                             : day.date);
        painter.setPen(QPen(Paper().printRule, metrics.Pt(1)));
        const qreal ruleY = top + line + metrics.Pt(2.5);
        painter.drawLine(QPointF(0, ruleY), QPointF(metrics.width, ruleY));
        break;
    }
    case Kind::WorkoutTitle: {
        const PrintedWorkout &workout = day.workouts.at(block.workout);
        const QRectF area(0, top + metrics.Pt(8), metrics.width, metrics.LineHeight(metrics.title));
        painter.setFont(metrics.title);
        const QString status = workout.status;
        const qreal statusWidth =
            QFontMetricsF(metrics.title, metrics.device).horizontalAdvance(status) + metrics.Pt(6);
        QString name = workout.name;
        if (repeated)
            name += QCoreApplication::translate("DayPrintDocument", Continued);
        const QFontMetricsF titleMetrics(metrics.title, metrics.device);
        name = titleMetrics.elidedText(name, Qt::ElideRight, area.width() - statusWidth);
        painter.drawText(area, int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine), name);
        painter.setPen(StatusColour(workout.progress));
        painter.drawText(area, int(Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine), status);
        break;
    }
    case Kind::TableHeading:
        DrawTableHeading(painter, metrics, top);
        break;
    case Kind::ExerciseRow:
        DrawExerciseRow(painter, metrics,
                        day.workouts.at(block.workout).exercises.at(block.exercise), top,
                        block.height, block.exercise % 2 == 1);
        break;
    case Kind::NoExercises:
    case Kind::NoWorkouts:
        painter.setPen(Paper().printMuted);
        painter.setFont(metrics.muted);
        painter.drawText(
            QRectF(0, top + metrics.Pt(2), metrics.width, metrics.LineHeight(metrics.muted)),
            int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine),
            block.kind == Kind::NoExercises
                ? QCoreApplication::translate("DayPrintDocument", "No exercises.")
                : QCoreApplication::translate("DayPrintDocument", "No workouts."));
        break;
    case Kind::NotesHeading:
        painter.setFont(metrics.notesHeading);
        painter.drawText(QRectF(0, top + metrics.Pt(10), metrics.width,
                                metrics.LineHeight(metrics.notesHeading)),
                         int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine),
                         repeated ? QCoreApplication::translate("DayPrintDocument", "Notes") +
                                 QCoreApplication::translate("DayPrintDocument", Continued)
                                  : QCoreApplication::translate("DayPrintDocument", "Notes"));
        break;
    case Kind::NotesLine:
        painter.setFont(metrics.body);
        painter.drawText(QRectF(0, top, metrics.width, block.height),
                         int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine), block.text);
        break;
    }
}

void DayPrintDocument::DrawTableHeading(QPainter &painter, const Metrics &metrics, qreal top) const
{
    const qreal height = metrics.LineHeight(metrics.tableHeading) + 2 * metrics.cellPadY;
    painter.setPen(QPen(Paper().printGrid, metrics.Pt(0.5)));
    painter.setBrush(Paper().printHeading);
    painter.drawRect(QRectF(0, top, metrics.width, height));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Paper().printText);
    painter.setFont(metrics.tableHeading);
    for (int c = 0; c < ColumnCount; ++c) {
        const QRectF cellArea(metrics.columnLeft[c] + metrics.cellPadX, top,
                              metrics.CellTextWidth(c), height);
        const Qt::Alignment align = c == Exercise || c == Note ? Qt::AlignLeft : Qt::AlignHCenter;
        painter.drawText(cellArea, int(align | Qt::AlignVCenter | Qt::TextSingleLine),
                         Heading(c, m_unit));
    }
}

void DayPrintDocument::DrawExerciseRow(QPainter &painter, const Metrics &metrics,
                                       const PrintedExercise &row, qreal top, qreal height,
                                       bool shaded) const
{
    if (shaded)
        painter.fillRect(QRectF(0, top, metrics.width, height), Paper().printShaded);
    painter.setPen(QPen(Paper().printGrid, metrics.Pt(0.5)));
    for (int c = 0; c < ColumnCount; ++c)
        painter.drawRect(QRectF(metrics.columnLeft[c], top, metrics.columnWidth[c], height));

    const std::array<const QString *, ColumnCount> texts = {&row.name,   &row.sets,     &row.reps,
                                                            &row.forced, &row.negative, &row.weight,
                                                            &row.note,   &row.status};
    for (int c = 0; c < ColumnCount; ++c) {
        const QRectF area(metrics.columnLeft[c] + metrics.cellPadX, top + metrics.cellPadY,
                          metrics.CellTextWidth(c), height - 2 * metrics.cellPadY);
        const bool wraps = c == Exercise || c == Note;
        painter.setPen(c == Status ? StatusColour(row.progress) : Paper().printText);
        const QFont &font = c == Status || c == Exercise ? metrics.cellStrong : metrics.cell;
        if (wraps) {
            metrics.DrawLines(painter, font, area, Qt::AlignLeft, *texts[c]);
        } else {
            painter.setFont(font);
            painter.drawText(area, int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine),
                             *texts[c]);
        }
    }
}

void DayPrintDocument::DrawFooter(QPainter &painter, const Metrics &metrics, int page) const
{
    const qreal line = metrics.LineHeight(metrics.footer);
    const QRectF area(0, m_pageSize.height() - line, metrics.width, line);
    painter.setPen(Paper().printMuted);
    painter.setFont(metrics.footer);
    painter.drawText(area, int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine),
                     QCoreApplication::translate("DayPrintDocument", "Page %1 of %2")
                         .arg(page + 1)
                         .arg(PageCount()));
}

bool DayPrintDocument::Print(QPagedPaintDevice *device, int fromPage, int toPage)
{
    if (!device || m_days.isEmpty())
        return false;
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const int pages = Layout(device, QSizeF(device->width(), device->height()));
    const int first = fromPage > 0 ? qMin(fromPage, pages) : 1;
    const int last = toPage > 0 ? qBound(first, toPage, pages) : pages;
    for (int page = first; page <= last; ++page) {
        if (page != first)
            device->newPage();
        RenderPage(painter, page - 1);
    }
    return painter.end();
}
