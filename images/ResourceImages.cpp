#include "images/ResourceImages.h"

#include "images/ImageIds.h"
#include "images/Images.h"
#include "images/SizedFilesIconEngine.h"

#include <QFile>

namespace {

QString ImagePath(int id)
{
    Images::Initialise();
    return QStringLiteral(":/images/%1.png").arg(id);
}

QString AppIconPath(int iconId, int size)
{
    Images::Initialise();
    return QStringLiteral(":/images/icon%1_%2.png").arg(iconId).arg(size);
}

bool IsProgramIcon(int id)
{
    return ImageId::ProgramIconIds().contains(id);
}

} // namespace

namespace ResourceImages {

QImage Load(int id)
{
    QImage image;
    if (!image.load(ImagePath(id), "PNG"))
        return {};
    return image;
}

QPixmap Pixmap(int id)
{
    QPixmap pixmap;
    if (!pixmap.load(ImagePath(id), "PNG"))
        return {};
    return pixmap;
}

QIcon Icon(int id)
{
    if (IsProgramIcon(id))
        return AppIcon(id);
    const QPixmap pixmap = Pixmap(id);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

QIcon AppIcon(int iconId)
{
    if (!IsProgramIcon(iconId))
        return {};
    // Each size is decoded when it is first drawn.
    auto *engine = new SizedFilesIconEngine;
    for (int size : AppIconSizes()) {
        const QString path = AppIconPath(iconId, size);
        if (QFile::exists(path))
            engine->AddFile(size, path);
    }
    return QIcon(engine);
}

QPixmap AppIconPixmap(int iconId, int size)
{
    QPixmap pixmap;
    if (!IsProgramIcon(iconId) || !pixmap.load(AppIconPath(iconId, size), "PNG"))
        return {};
    return pixmap;
}

QList<int> AppIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

bool Exists(int id)
{
    return QFile::exists(ImagePath(id));
}

} // namespace ResourceImages
