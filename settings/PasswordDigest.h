#pragma once

#include <QString>

// The start-up password is kept in the settings as a salted, slow hash, never as typed:
//     pbkdf2-sha256$<iterations>$<salt, base64>$<key, base64>
// PBKDF2 with HMAC-SHA-256, a random 16-byte salt and a 32-byte key. Settings written by older
// versions hold the password as typed; such a value still opens the gate (IsLegacyPlain) and is
// replaced by a record the next time the user data is confirmed.
namespace PasswordDigest {

inline constexpr int DefaultIterations = 120000;
inline constexpr int SaltLength = 16;
inline constexpr int KeyLength = 32;

// A new record for the password, with a fresh salt; empty for an empty password (no password).
QString MakePasswordRecord(const QString &password, int iterations = DefaultIterations);

// Whether the typed text opens a stored value: a record is checked by deriving the key again,
// any other non-empty value is compared as typed text. Case matters; both comparisons take the
// same time whatever the position of the first difference. An empty stored value opens nothing.
bool VerifyPassword(const QString &stored, const QString &typed);

// True for a stored value that is a password kept as typed rather than a record.
bool IsLegacyPlain(const QString &stored);

// True for a well-formed record.
bool IsPasswordRecord(const QString &stored);

} // namespace PasswordDigest
