#include "editing/DayCellLayout.h"

#include "images/RepbookColours.h"
#include "widgets/CGridCellContext.h"
#include "widgets/CGridCtrl.h"

#include <QGuiApplication>

namespace DayCellLayout {

Colours Colours::FromPalette(const QPalette &palette, QPalette::ColorGroup group)
{
    const RepbookColours &own = RepbookColours::For(palette);
    Colours colours;
    colours.evenMonth = own.evenMonth;
    colours.oddMonth = own.oddMonth;
    colours.highlight = palette.color(group, QPalette::Highlight);
    colours.windowText = own.dayText;
    colours.buttonShadow = own.otherDayText;
    colours.selectedText = palette.color(group, QPalette::HighlightedText);
    colours.focusFrame = palette.color(group, QPalette::Base);
    return colours;
}

Colours ColoursFor(const CGridCellContext &c)
{
    if (!c.grid)
        return Colours::FromPalette(QGuiApplication::palette());
    const auto group = c.grid->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    return Colours::FromPalette(c.grid->palette(), group);
}

QColor Background(const Colours &colours, bool selected, bool programMode, int month)
{
    if (selected)
        return colours.highlight;
    if (programMode || month % 2 == 0)
        return colours.evenMonth;
    return colours.oddMonth;
}

QColor LabelColour(const Colours &colours, bool selected, bool inRange)
{
    if (selected)
        return colours.selectedText;
    return inRange ? colours.windowText : colours.buttonShadow;
}

QColor TextColour(const Colours &colours, bool selected)
{
    return selected ? colours.selectedText : colours.windowText;
}

bool IsLabelBold(bool programMode, bool inRange, const DateValue &date, const QDate &today)
{
    if (programMode)
        return false;
    if (date.GetDay() == 1)
        return true;
    return inRange && date.IsValid() && date.ToQDate() == today;
}

QRect LabelRect(const QRect &cell, const QSize &labelSize, const QString &label)
{
    const bool endsInOne = label.endsWith(QLatin1Char('1'));
    const int shift = (endsInOne ? 2 : 4) * BorderWidth;
    const int right = cell.x() + cell.width();
    return QRect(right - labelSize.width() - shift, cell.y() + 2 * BorderHeight, labelSize.width(),
                 labelSize.height());
}

QString FitLabel(const QString &label, const QFontMetrics &metrics, int cellWidth)
{
    // The label's right margin (LabelRect) and the same again on the left.
    const int available = cellWidth - 8 * BorderWidth;
    return metrics.elidedText(label, Qt::ElideRight, qMax(0, available), Qt::TextSingleLine);
}

QRect WorkoutArea(const QRect &cell, int labelHeight)
{
    return QRect(cell.x(), cell.y() + labelHeight, cell.width(), cell.height() - labelHeight);
}

bool ImageListFits(const QRect &area, int count, int imageHeight)
{
    if (imageHeight <= 0)
        return false;
    return area.y() + qint64(count) * imageHeight <= area.y() + area.height();
}

QRect ImageRowRect(const QRect &area, int index, const QSize &imageSize)
{
    return QRect(area.x(), area.y() + index * imageSize.height(), imageSize.width(),
                 imageSize.height());
}

bool RowFitsInArea(const QRect &area, const QRect &row)
{
    return row.y() + row.height() <= area.y() + area.height();
}

QRect NameRect(const QRect &area, const QRect &row, int imageWidth)
{
    const int left = row.x() + imageWidth;
    const int right = area.x() + area.width() - 2 * BorderWidth;
    return QRect(left, row.y(), right - left, row.height());
}

QRect TextLineRect(const QRect &area, int index, int lineHeight)
{
    const int left = area.x() + 2 * BorderWidth;
    const int right = area.x() + area.width() - 2 * BorderWidth;
    return QRect(left, area.y() + index * lineHeight, right - left, lineHeight);
}

QString TextLine(const QString &workoutName)
{
    return QStringLiteral("- ") + workoutName;
}

int ImageStatus(bool programMode, ProgressStatus status)
{
    if (programMode)
        return static_cast<int>(ProgressStatus::NotYet);
    return static_cast<int>(status);
}

} // namespace DayCellLayout
