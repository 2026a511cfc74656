#pragma once

#include "images/StatusImageSet.h"
#include "model/ProgressStatus.h"

#include <QString>

// The status images and spoken status names that the workout tab control (CDayTabCtrl) shows on
// its tabs and in its grid's status column. In program mode every workout and exercise shows as
// Not yet, whatever status it keeps.
class WorkoutStatusImages
{
public:
    // Shields or flags; taken at the next Load.
    void SetShields(bool shields) { m_shields = shields; }
    // Loads the small images of the set chosen.
    void Load() { m_images = StatusImageSet(m_shields, StatusImageSize::Small16); }
    void SetProgramMode(bool programMode) { m_programMode = programMode; }
    bool IsProgramMode() const { return m_programMode; }

    // The image and the name of the status shown for a status kept.
    const QPixmap *Image(ProgressStatus status) const
    {
        return &m_images.ForStatus(static_cast<int>(Shown(status)));
    }
    QString Name(ProgressStatus status) const { return StatusName(Shown(status)); }

private:
    ProgressStatus Shown(ProgressStatus status) const
    {
        return m_programMode ? ProgressStatus::NotYet : status;
    }

    bool m_shields = true;
    bool m_programMode = false;
    StatusImageSet m_images;
};
