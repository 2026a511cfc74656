#include "images/SizedFilesIconEngine.h"

#include <QPainter>

void SizedFilesIconEngine::AddFile(int size, const QString &path)
{
    m_files.insert(size, path);
    m_decoded.remove(size);
}

int SizedFilesIconEngine::SizeFor(const QSize &size) const
{
    if (m_files.isEmpty())
        return 0;
    const int wanted = qMax(size.width(), size.height());
    const auto found = m_files.lowerBound(wanted);
    return found != m_files.cend() ? found.key() : m_files.lastKey();
}

QPixmap SizedFilesIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int drawn = SizeFor(size);
    if (drawn == 0 || size.isEmpty())
        return {};
    auto decoded = m_decoded.find(drawn);
    if (decoded == m_decoded.end())
        decoded = m_decoded.insert(drawn, QPixmap(m_files.value(drawn), "PNG"));
    // As QIcon promises: smaller than asked when no file is as large, never larger.
    const QPixmap &image = decoded.value();
    if (image.isNull() || (image.width() <= size.width() && image.height() <= size.height()))
        return image;
    return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void SizedFilesIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                                 QIcon::State state)
{
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap image = pixmap(rect.size() * scale, mode, state);
    image.setDevicePixelRatio(scale);
    painter->drawPixmap(rect, image);
}

QSize SizedFilesIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int drawn = SizeFor(size);
    if (drawn == 0)
        return {};
    return QSize(drawn, drawn).scaled(size, Qt::KeepAspectRatio).boundedTo(QSize(drawn, drawn));
}

QList<QSize> SizedFilesIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const int size : m_files.keys())
        sizes.append(QSize(size, size));
    return sizes;
}

QIconEngine *SizedFilesIconEngine::clone() const
{
    return new SizedFilesIconEngine(*this);
}

QString SizedFilesIconEngine::key() const
{
    return QStringLiteral("SizedFilesIconEngine");
}

bool SizedFilesIconEngine::isNull()
{
    return m_files.isEmpty();
}
