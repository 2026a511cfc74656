#include "images/StatusImageSet.h"

#include "images/ResourceImages.h"

namespace {
constexpr int StatusDone = 1;
constexpr int StatusFailed = 2;
} // namespace

StatusImageSet::StatusImageSet(bool shields, StatusImageSize size)
    : m_shields(shields)
{
    const StatusImageIds ids = StatusIdsFor(shields, size);
    m_done = ResourceImages::Pixmap(ids.done);
    m_failed = ResourceImages::Pixmap(ids.failed);
    m_notYet = ResourceImages::Pixmap(ids.notYet);
}

const QPixmap &StatusImageSet::ForStatus(int status) const
{
    switch (status) {
    case StatusDone:
        return m_done;
    case StatusFailed:
        return m_failed;
    default:
        return m_notYet;
    }
}

QSize StatusImageSet::size() const
{
    return m_done.isNull() ? QSize(0, 0) : m_done.size();
}
