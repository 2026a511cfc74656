#include "settings/SettingsKeys.h"

namespace SettingsKeys {

QString DialogSection(int dialogId)
{
    return QString::number(dialogId, 16);
}

} // namespace SettingsKeys
