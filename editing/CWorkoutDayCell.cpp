#include "editing/CWorkoutDayCell.h"

#include "editing/DayCellData.h"
#include "editing/DayCellLayout.h"
#include "editing/DayCellSpeech.h"
#include "editing/IDayCellOwner.h"
#include "images/StatusImages.h"
#include "model/Clock.h"
#include "model/TrainingDay.h"
#include "model/Workout.h"

#include <QFontMetrics>
#include <QPainter>

using namespace DayCellLayout;

namespace {

QSize LogicalSize(const QPixmap &pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

} // namespace

CWorkoutDayCell::CWorkoutDayCell(const IDayCellOwner *owner, bool programMode)
    : m_owner(owner)
    , m_programMode(programMode)
{
}

void CWorkoutDayCell::Draw(QPainter *p, const CGridCellContext &c) const
{
    const Colours colours = ColoursFor(c);
    // Program days have no calendar date: they are never in the range and never today.
    const bool inRange = !m_programMode && m_owner->IsInRange(c.row, c.col);
    const DateValue date = m_programMode ? DateValue::MakeNull() : m_owner->DateAt(c.row, c.col);

    p->save();
    p->setClipRect(c.rect, Qt::IntersectClip);
    p->fillRect(c.rect, Background(colours, c.selected, m_programMode, date.GetMonth()));

    const QFont font = m_owner->DayCellFont();
    QFont labelFont = font;
    if (IsLabelBold(m_programMode, inRange, date, Clock::Today()))
        labelFont.setWeight(QFont::Bold);
    const QFontMetrics labelMetrics(labelFont);
    const QString label = FitLabel(c.text, labelMetrics, c.rect.width());
    const QSize labelSize(labelMetrics.horizontalAdvance(label), labelMetrics.height());
    p->setFont(labelFont);
    p->setPen(LabelColour(colours, c.selected, inRange));
    p->drawText(LabelRect(c.rect, labelSize, label), Qt::AlignCenter | Qt::TextSingleLine, label);

    const TrainingDay *day = DayFromCellData(c.data);
    if (day && day->GetWorkoutCount() > 0) {
        const QRect area = WorkoutArea(c.rect, labelSize.height());
        const StatusImageSet &images = m_owner->DayCellImages();
        p->setFont(font);
        p->setPen(DayCellLayout::TextColour(colours, c.selected));
        if (ImageListFits(area, day->GetWorkoutCount(), images.size().height()))
            DrawImageList(p, area, *day, images);
        else
            DrawTextList(p, area, *day, QFontMetrics(font).height());
    }

    if (c.focused) {
        p->setPen(colours.focusFrame);
        p->setBrush(Qt::NoBrush);
        p->drawRect(c.rect.adjusted(0, 0, -1, -1));
    }
    p->restore();
}

QString CWorkoutDayCell::AccessibleName(const CGridCellContext &c) const
{
    const TrainingDay *day = DayFromCellData(c.data);
    if (m_programMode)
        return DayCellSpeech::ProgramName(c.text, day);
    return DayCellSpeech::CalendarName(m_owner->DateAt(c.row, c.col).ToQDate(), Clock::Today(),
                                       m_owner->IsInRange(c.row, c.col), day);
}

QString CWorkoutDayCell::AccessibleDescription(const CGridCellContext &c) const
{
    return DayCellSpeech::Description(DayFromCellData(c.data));
}

void CWorkoutDayCell::DrawImageList(QPainter *p, const QRect &area, const TrainingDay &day,
                                    const StatusImageSet &images) const
{
    for (int i = 0; i < day.GetWorkoutCount(); ++i) {
        const QRect row = ImageRowRect(area, i, images.size());
        if (!RowFitsInArea(area, row))
            break;
        const Workout *workout = day.GetWorkout(i);
        const QPixmap &image = images.ForStatus(ImageStatus(m_programMode, workout->GetStatus()));
        p->drawPixmap(row, image);
        p->drawText(NameRect(area, row, LogicalSize(image).width()),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, workout->GetName());
    }
}

void CWorkoutDayCell::DrawTextList(QPainter *p, const QRect &area, const TrainingDay &day,
                                   int lineHeight) const
{
    for (int i = 0; i < day.GetWorkoutCount(); ++i) {
        const QRect line = TextLineRect(area, i, lineHeight);
        if (line.y() >= area.y() + area.height())
            break; // the rest lies below the cell
        p->drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    TextLine(day.GetWorkout(i)->GetName()));
    }
}
