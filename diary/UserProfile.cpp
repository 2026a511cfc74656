#include "diary/UserProfile.h"

#include "settings/PasswordDigest.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace UserProfile {

QString PasswordPlaceholder()
{
    return QString(8, QChar(0xE000));
}

UserData Load(const SettingsStore &settings)
{
    UserData data;
    data.firstName = settings.Read(SettingsKeys::FirstName);
    data.lastName = settings.Read(SettingsKeys::LastName);
    if (!settings.Read(SettingsKeys::Password).isEmpty()) {
        data.password = PasswordPlaceholder();
        data.confirmation = PasswordPlaceholder();
    }
    data.height = settings.Read(SettingsKeys::Height);
    data.weight = settings.Read(SettingsKeys::Weight);
    data.chest = settings.Read(SettingsKeys::Chest);
    data.biceps = settings.Read(SettingsKeys::Biceps);
    return data;
}

void Store(SettingsStore &settings, const UserData &data)
{
    const QString password = PasswordToStore(settings.Read(SettingsKeys::Password), data.password);
    settings.Write(SettingsKeys::Filled, 1);
    settings.Write(SettingsKeys::FirstName, data.firstName);
    settings.Write(SettingsKeys::LastName, data.lastName);
    settings.Write(SettingsKeys::Password, password);
    settings.Write(SettingsKeys::Height, data.height);
    settings.Write(SettingsKeys::Weight, data.weight);
    settings.Write(SettingsKeys::Chest, data.chest);
    settings.Write(SettingsKeys::Biceps, data.biceps);
}

QString PasswordToStore(const QString &stored, const QString &typed)
{
    if (typed == PasswordPlaceholder()) {
        if (PasswordDigest::IsLegacyPlain(stored))
            return PasswordDigest::MakePasswordRecord(stored);
        return stored;
    }
    return PasswordDigest::MakePasswordRecord(typed);
}

} // namespace UserProfile
