#include "images/Images.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the generated initialiser of images.qrc, which lives in the global
// namespace, so it must be used outside any namespace.
static void RegisterImageResources()
{
    Q_INIT_RESOURCE(images);
}

namespace Images {

void Initialise()
{
    static const bool registered = (RegisterImageResources(), true);
    Q_UNUSED(registered);
}

} // namespace Images
