#pragma once

#include "model/FileStamp.h"
#include "settings/SettingsKeys.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QSettings;
class QVariant;

// The per-user settings store that the diary and the notifier share
// (~/.config/Ironvale/Repbook.conf on Linux). Sections are groups; every read names its default
// and never fails; writes go to disk at once so the other program sees them, and a failed write
// is ignored. The store keeps no copy of any value.
class SettingsStore
{
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    int GetProfileInt(const QString &section, const QString &value, int defaultValue) const;
    void WriteProfileInt(const QString &section, const QString &value, int number);
    QString GetProfileString(const QString &section, const QString &value,
                             const QString &defaultValue = QString()) const;
    void WriteProfileString(const QString &section, const QString &value, const QString &text);
    std::optional<QByteArray> GetProfileBinary(const QString &section, const QString &value) const;
    void WriteProfileBinary(const QString &section, const QString &value, const QByteArray &bytes);

    // The same operations over the named settings of SettingsKeys.
    int Read(const SettingsKeys::IntSetting &key) const;
    void Write(const SettingsKeys::IntSetting &key, int number);
    QString Read(const SettingsKeys::TextSetting &key) const;
    void Write(const SettingsKeys::TextSetting &key, const QString &text);
    std::optional<QByteArray> Read(const SettingsKeys::BinarySetting &key) const;
    void Write(const SettingsKeys::BinarySetting &key, const QByteArray &bytes);

    // A resizable dialog's outer size and whether it was maximized, kept in the section of its
    // id (SettingsKeys::DialogSection); a size of 0 x 0 when none is stored.
    struct WindowSize
    {
        int width = 0;
        int height = 0;
        bool maximized = false;
    };
    WindowSize ReadWindowSize(int dialogId) const;
    void WriteWindowSize(int dialogId, const WindowSize &size);

    // Where the store lives on disk.
    QString FileName() const;

private:
    QVariant Fresh(const QString &key) const;
    void Commit();

    std::unique_ptr<QSettings> m_settings;
    // The file as it was when the store last read or wrote it.
    mutable FileStamp m_seen;
};
