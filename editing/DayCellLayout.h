#pragma once

#include "model/DateValue.h"
#include "model/ProgressStatus.h"

#include <QColor>
#include <QDate>
#include <QFontMetrics>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>

struct CGridCellContext;

// The layout and colour rules of a day cell, kept apart from the painting so that each rule can
// be checked on its own. Rectangles are Qt rectangles; "bottom" and "right" below mean the first
// pixel past the rectangle (x() + width(), y() + height()).
namespace DayCellLayout {

// The thin window border; labels and text lines keep a distance counted in these.
inline constexpr int BorderWidth = 1;
inline constexpr int BorderHeight = 1;

// The colours a cell uses: the selection's from a palette, the rest from the Repbook colours
// that suit it (light or dark).
struct Colours
{
    QColor evenMonth; // days in even months (February, April, ...) and every program day
    QColor oddMonth; // days in odd months
    QColor highlight; // background of a selected cell
    QColor windowText; // label of an in-range day, workout names
    QColor buttonShadow; // label of a day outside the range and of a program day
    QColor selectedText; // label and names of a selected cell
    QColor focusFrame; // frame around the focus cell

    static Colours FromPalette(const QPalette &palette,
                               QPalette::ColorGroup group = QPalette::Active);
};

// The colours of the grid that draws the cell (of the application without a grid), in the
// grid's active or inactive state.
Colours ColoursFor(const CGridCellContext &c);

// month: 1..12 of the cell's date (anything else counts as odd).
QColor Background(const Colours &colours, bool selected, bool programMode, int month);
QColor LabelColour(const Colours &colours, bool selected, bool inRange);
QColor TextColour(const Colours &colours, bool selected);

// The label is bold on the first of a month (calendar days only) and on today within the range.
bool IsLabelBold(bool programMode, bool inRange, const DateValue &date, const QDate &today);

// The label box: right-aligned at the top of the cell, moved in by four border widths (two when
// the label ends in the digit 1, whose glyph leaves room on its right) and down by two border
// heights.
QRect LabelRect(const QRect &cell, const QSize &labelSize, const QString &label);
// The label as it fits into the cell's width beside its margins: whole, or cut short with an
// ellipsis so that its beginning (the day number) stays readable.
QString FitLabel(const QString &label, const QFontMetrics &metrics, int cellWidth);

// The part of the cell below the label, where the workouts go.
QRect WorkoutArea(const QRect &cell, int labelHeight);

// Whether count image rows of the given height fit into the area (an exact fit included). With
// no image height there is nothing to draw names beside, so the text list is used.
bool ImageListFits(const QRect &area, int count, int imageHeight);

// Row i of the image list and the box of the workout name beside its image.
QRect ImageRowRect(const QRect &area, int index, const QSize &imageSize);
bool RowFitsInArea(const QRect &area, const QRect &row);
QRect NameRect(const QRect &area, const QRect &row, int imageWidth);

// Line i of the text list and its text.
QRect TextLineRect(const QRect &area, int index, int lineHeight);
QString TextLine(const QString &workoutName);

// The status whose image a workout shows: program days always show Not yet.
int ImageStatus(bool programMode, ProgressStatus status);

} // namespace DayCellLayout
