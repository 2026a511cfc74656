#pragma once

#include "images/StatusImageIds.h"

#include <QPixmap>
#include <QSize>

// The three loaded status images of one set, kept by whoever draws statuses (the calendar, the
// workout tabs, the day dialog's status button). Cheap to copy: the pixmaps are shared.
class StatusImageSet
{
public:
    // An empty set: every image null, size() is 0x0.
    StatusImageSet() = default;
    StatusImageSet(bool shields, StatusImageSize size);

    // The image for a status as stored in the diary: 1 Done, 2 Failed, anything else Not yet.
    const QPixmap &ForStatus(int status) const;

    const QPixmap &Done() const { return m_done; }
    const QPixmap &Failed() const { return m_failed; }
    const QPixmap &NotYet() const { return m_notYet; }

    // The size of the Done image; 0x0 when the set holds no image.
    QSize size() const;
    bool shields() const { return m_shields; }

private:
    bool m_shields = true;
    QPixmap m_done;
    QPixmap m_failed;
    QPixmap m_notYet;
};
