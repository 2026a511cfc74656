#pragma once

#include "model/WeightUnit.h"
#include "printing/PageFlow.h"
#include "printing/PrintedDay.h"

#include <QFont>
#include <QList>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class TrainingDay;

// A training log of some days, laid out on pages to take to the gym: per day the date, each
// workout with its status and a table of its exercises, and the day's notes; every page numbered.
// The document keeps only texts (PrintedDay); the days it was made from may change afterwards.
class DayPrintDocument
{
public:
    // Days in the order given, weights in the unit; null entries are skipped.
    DayPrintDocument(const QList<const TrainingDay *> &days, WeightUnit unit);

    const QList<PrintedDay> &Days() const { return m_days; }
    bool IsEmpty() const { return m_days.isEmpty(); }

    // Lays the log out on pages of the given size in the device's pixels, with the device's
    // fonts; returns the page count (0 for an empty log).
    int Layout(QPaintDevice *device, const QSizeF &pageSize);
    int PageCount() const { return int(m_pages.size()); }
    // Draws one laid-out page, footer included, with the painter's origin at the page's corner.
    void RenderPage(QPainter &painter, int page) const;

    // Lays out and draws pages fromPage..toPage (1-based, inclusive; 0 for the first or last)
    // onto a printer or PDF writer. False when the device cannot be painted on or the log is
    // empty.
    bool Print(QPagedPaintDevice *device, int fromPage = 0, int toPage = 0);

private:
    enum class Kind {
        DayHeading,
        WorkoutTitle,
        TableHeading,
        ExerciseRow,
        NoExercises,
        NoWorkouts,
        NotesHeading,
        NotesLine
    };
    struct Block
    {
        Block(Kind blockKind, int dayIndex, int workoutIndex = -1, int exerciseIndex = -1,
              const QString &lineText = QString())
            : kind(blockKind)
            , day(dayIndex)
            , workout(workoutIndex)
            , exercise(exerciseIndex)
            , text(lineText)
        {
        }
        Kind kind;
        int day;
        int workout;
        int exercise;
        QString text; // a line of notes
        qreal height = 0;
    };
    struct Metrics; // fonts and distances for one device

    void BuildBlocks(const Metrics &metrics, QList<FlowBlock> *flow);
    void AddNotes(const Metrics &metrics, int day, int date, QList<FlowBlock> *flow);
    qreal BlockHeight(const Metrics &metrics, const Block &block) const;
    void Append(const Metrics &metrics, Block block, bool startsDay, bool keepWithNext,
                const QList<int> &repeat, QList<FlowBlock> *flow);
    void DrawBlock(QPainter &painter, const Metrics &metrics, const Block &block, qreal top,
                   bool repeated) const;
    void DrawExerciseRow(QPainter &painter, const Metrics &metrics, const PrintedExercise &row,
                         qreal top, qreal height, bool shaded) const;
    void DrawTableHeading(QPainter &painter, const Metrics &metrics, qreal top) const;
    void DrawFooter(QPainter &painter, const Metrics &metrics, int page) const;

    WeightUnit m_unit;
    QList<PrintedDay> m_days;
    QList<Block> m_blocks;
    QList<FlowPage> m_pages;
    QSizeF m_pageSize;
};
