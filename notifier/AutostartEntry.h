#pragma once

#include <QString>

// The notifier's logon autostart: the XDG autostart entry repminder_run.desktop in the user's
// autostart folder ($XDG_CONFIG_HOME/autostart, else ~/.config/autostart). The entry counts as
// present when its file exists and does not switch itself off (Hidden=true or
// X-GNOME-Autostart-enabled=false), whoever wrote it.
class AutostartEntry
{
public:
    static constexpr char FileName[] = "repminder_run.desktop";

    AutostartEntry();
    // For tests: an entry in the given folder.
    explicit AutostartEntry(const QString &folder);

    QString FilePath() const;
    bool IsEnabled() const;
    // Writes the entry starting the program at programPath, readable by its owner only; false
    // when the file could not be written.
    bool Enable(const QString &programPath) const;
    // Removes the entry; true when no entry is left.
    bool Disable() const;

    // The text of the entry for the program at programPath.
    static QByteArray Contents(const QString &programPath);
    // programPath as a quoted Exec argument, escaped for a desktop entry value.
    static QString QuotedExec(const QString &programPath);
    // text as a desktop entry string value (TryExec: a session skips the entry once the
    // program is gone).
    static QString EscapedValue(const QString &text);

private:
    QString m_folder;
};
