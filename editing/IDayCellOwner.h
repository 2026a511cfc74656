#pragma once

#include "model/DateValue.h"

#include <QFont>

class StatusImageSet;

// What a day cell asks of the view that shows it: the main window's calendar for calendar days,
// and that calendar again when the program editor shows program days. The cell keeps no state
// of its own beyond the owner and its mode, so changing the image set or the font in the owner
// shows at the next repaint.
class IDayCellOwner
{
public:
    virtual ~IDayCellOwner() = default;

    // The 32x32 status image set in use (shields or flags).
    virtual const StatusImageSet &DayCellImages() const = 0;
    // The window font; labels of the first of a month and of today are drawn in its bold variant.
    virtual QFont DayCellFont() const = 0;
    // The date of any grid cell, also of one outside the display range.
    virtual DateValue DateAt(int row, int col) const = 0;
    // Whether the cell's date lies in the display range.
    virtual bool IsInRange(int row, int col) const = 0;
};
