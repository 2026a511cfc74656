#include "settings/SettingsStore.h"

#include <QFile>
#include <QSettings>

namespace {

QString KeyOf(const QString &section, const QString &value)
{
    return section + QLatin1Char('/') + value;
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QLatin1String(SettingsKeys::Organization),
                                             QLatin1String(SettingsKeys::Application)))
{
}

SettingsStore::~SettingsStore() = default;

int SettingsStore::GetProfileInt(const QString &section, const QString &value,
                                 int defaultValue) const
{
    const QVariant stored = Fresh(KeyOf(section, value));
    if (!stored.isValid())
        return defaultValue;
    bool ok = false;
    const int number = stored.toString().trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

void SettingsStore::WriteProfileInt(const QString &section, const QString &value, int number)
{
    m_settings->setValue(KeyOf(section, value), number);
    Commit();
}

QString SettingsStore::GetProfileString(const QString &section, const QString &value,
                                        const QString &defaultValue) const
{
    const QVariant stored = Fresh(KeyOf(section, value));
    if (!stored.isValid() || stored.typeId() == QMetaType::QByteArray)
        return defaultValue;
    return stored.toString();
}

void SettingsStore::WriteProfileString(const QString &section, const QString &value,
                                       const QString &text)
{
    m_settings->setValue(KeyOf(section, value), text);
    Commit();
}

std::optional<QByteArray> SettingsStore::GetProfileBinary(const QString &section,
                                                          const QString &value) const
{
    const QVariant stored = Fresh(KeyOf(section, value));
    if (stored.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return stored.toByteArray();
}

void SettingsStore::WriteProfileBinary(const QString &section, const QString &value,
                                       const QByteArray &bytes)
{
    m_settings->setValue(KeyOf(section, value), bytes);
    Commit();
}

SettingsStore::WindowSize SettingsStore::ReadWindowSize(int dialogId) const
{
    const QString section = SettingsKeys::DialogSection(dialogId);
    return {.width = GetProfileInt(section, QLatin1String(SettingsKeys::WindowWidth), 0),
            .height = GetProfileInt(section, QLatin1String(SettingsKeys::WindowHeight), 0),
            .maximized =
                GetProfileInt(section, QLatin1String(SettingsKeys::WindowMaximized), 0) == 1};
}

void SettingsStore::WriteWindowSize(int dialogId, const WindowSize &size)
{
    const QString section = SettingsKeys::DialogSection(dialogId);
    WriteProfileInt(section, QLatin1String(SettingsKeys::WindowWidth), size.width);
    WriteProfileInt(section, QLatin1String(SettingsKeys::WindowHeight), size.height);
    WriteProfileInt(section, QLatin1String(SettingsKeys::WindowMaximized), size.maximized ? 1 : 0);
}

int SettingsStore::Read(const SettingsKeys::IntSetting &key) const
{
    return GetProfileInt(QLatin1String(key.section), QLatin1String(key.value), key.defaultValue);
}

void SettingsStore::Write(const SettingsKeys::IntSetting &key, int number)
{
    WriteProfileInt(QLatin1String(key.section), QLatin1String(key.value), number);
}

QString SettingsStore::Read(const SettingsKeys::TextSetting &key) const
{
    return GetProfileString(QLatin1String(key.section), QLatin1String(key.value));
}

void SettingsStore::Write(const SettingsKeys::TextSetting &key, const QString &text)
{
    WriteProfileString(QLatin1String(key.section), QLatin1String(key.value), text);
}

std::optional<QByteArray> SettingsStore::Read(const SettingsKeys::BinarySetting &key) const
{
    return GetProfileBinary(QLatin1String(key.section), QLatin1String(key.value));
}

void SettingsStore::Write(const SettingsKeys::BinarySetting &key, const QByteArray &bytes)
{
    WriteProfileBinary(QLatin1String(key.section), QLatin1String(key.value), bytes);
}

QVariant SettingsStore::Fresh(const QString &key) const
{
    // The other program may have written the file since the last read: sync() reads it again,
    // so no value is served from an old copy. A stat tells whether it did; syncing on every read
    // cost several times as much (a window reads dozens of settings while it is built). Every
    // write is synced at once, so nothing waits to be written here.
    const FileStamp now = FileStamp::Of(m_settings->fileName());
    if (!(now == m_seen)) {
        m_settings->sync();
        m_seen = FileStamp::Of(m_settings->fileName());
    }
    return m_settings->value(key);
}

QString SettingsStore::FileName() const
{
    return m_settings->fileName();
}

void SettingsStore::Commit()
{
    // Write through, so the other program reads the new value, and keep the file private: it may
    // hold the user's data and password digest.
    m_settings->sync();
    QFile::setPermissions(m_settings->fileName(), QFile::ReadOwner | QFile::WriteOwner);
    m_seen = FileStamp::Of(m_settings->fileName());
}
