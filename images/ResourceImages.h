#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>

// Loading of the image resources by id (see ImageIds.h). An id without an image gives a null
// image, pixmap or icon; nothing here fails otherwise.
namespace ResourceImages {

// The PNG of a single-image id, decoded; null when the id has none.
QImage Load(int id);

// The same as a pixmap (shared through Qt's pixmap cache); null when the id has none.
QPixmap Pixmap(int id);

// An icon for a button or picture id. For a program icon id, the same as AppIcon.
QIcon Icon(int id);

// A program icon (ImageId::AppIcon or ImageId::NotifierIcon) with every drawn size, for window
// icons and the notification area; null for any other id.
QIcon AppIcon(int iconId);

// One size of a program icon; null when that size is not drawn (see AppIconSizes).
QPixmap AppIconPixmap(int iconId, int size);

// The sizes in which every program icon is drawn, ascending.
QList<int> AppIconSizes();

// True when Load(id) gives an image.
bool Exists(int id);

} // namespace ResourceImages
