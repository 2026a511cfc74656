#pragma once

#include <QString>

class SettingsStore;

// The user's data as the user data dialog shows and edits it.
struct UserData
{
    QString firstName;
    QString lastName;
    QString password;
    QString confirmation;
    int height = 0;
    int weight = 0;
    int chest = 0;
    int biceps = 0;
};

// The user's profile in the section "User" of the settings. The stored password is never handed
// out: when one is stored, both password fields receive a placeholder that cannot be typed, and
// confirming the placeholder keeps the stored password (a value kept as typed by older settings
// is turned into a record then). An empty password removes the gate; any other text is stored
// as a new record (PasswordDigest).
namespace UserProfile {

// Eight characters of the private use area: shown as eight mask characters, never typed.
QString PasswordPlaceholder();

UserData Load(const SettingsStore &settings);

// Writes, in this order, "Filled" = 1, the names, the password and the four measurements.
void Store(SettingsStore &settings, const UserData &data);

// The value to store for the password field's text, given the value stored now.
QString PasswordToStore(const QString &stored, const QString &typed);

} // namespace UserProfile
