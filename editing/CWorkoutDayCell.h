#pragma once

#include "widgets/CGridCell.h"

class IDayCellOwner;
class QPainter;
class StatusImageSet;
class TrainingDay;

// A week cell of the calendar, or a day of a training program in program mode: the day label in
// the top right corner and below it the day's workouts, each with the image of its status and its
// name, or a compact "- name" list when the images do not fit. The cell's text is the label and
// its item data the day shown (see DayCellData.h); the cell never owns the day.
class CWorkoutDayCell : public CGridCell
{
public:
    CWorkoutDayCell(const IDayCellOwner *owner, bool programMode);

    void Draw(QPainter *p, const CGridCellContext &c) const override;
    // The date or program day, the workouts with their statuses and whether a note is kept (see
    // DayCellSpeech.h); the description is the note itself.
    QString AccessibleName(const CGridCellContext &c) const override;
    QString AccessibleDescription(const CGridCellContext &c) const override;

    bool IsProgramMode() const { return m_programMode; }

private:
    void DrawImageList(QPainter *p, const QRect &area, const TrainingDay &day,
                       const StatusImageSet &images) const;
    void DrawTextList(QPainter *p, const QRect &area, const TrainingDay &day, int lineHeight) const;

    const IDayCellOwner *m_owner;
    bool m_programMode;
};
