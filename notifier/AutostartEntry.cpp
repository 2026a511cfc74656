#include "notifier/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString DefaultFolder()
{
    // GenericConfigLocation honours XDG_CONFIG_HOME.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/autostart");
}

bool IsFalse(QByteArrayView value)
{
    return value.trimmed() == "false";
}

bool IsTrue(QByteArrayView value)
{
    return value.trimmed() == "true";
}

} // namespace

AutostartEntry::AutostartEntry()
    : m_folder(DefaultFolder())
{
}

AutostartEntry::AutostartEntry(const QString &folder)
    : m_folder(folder)
{
}

QString AutostartEntry::FilePath() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(FileName);
}

bool AutostartEntry::IsEnabled() const
{
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool inEntryGroup = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            inEntryGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntryGroup)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArrayView key = QByteArrayView(line).first(equals).trimmed();
        const QByteArrayView value = QByteArrayView(line).sliced(equals + 1);
        if ((key == "Hidden" && IsTrue(value)) ||
            (key == "X-GNOME-Autostart-enabled" && IsFalse(value)))
            return false;
    }
    return true;
}

bool AutostartEntry::Enable(const QString &programPath) const
{
    if (!QDir().mkpath(m_folder))
        return false;
    QSaveFile file(FilePath());
    // Unbuffered, so that a short write is seen before commit() (see DiaryDatabase::Save).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray contents = Contents(programPath);
    return file.write(contents) == contents.size() && file.commit();
}

bool AutostartEntry::Disable() const
{
    const QString path = FilePath();
    return !QFileInfo::exists(path) || QFile::remove(path);
}

QString AutostartEntry::QuotedExec(const QString &programPath)
{
    // Inside the double quotes of an Exec argument, ", `, $ and \ take a backslash; a literal
    // percent sign is doubled. The value as a whole then escapes each backslash once more.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        else if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

QString AutostartEntry::EscapedValue(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'\n', QStringLiteral("\\n"));
    escaped.replace(u'\t', QStringLiteral("\\t"));
    escaped.replace(u'\r', QStringLiteral("\\r"));
    return escaped;
}

QByteArray AutostartEntry::Contents(const QString &programPath)
{
    QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Repminder\n"
                       "Comment=Reminds you of today's workout and asks for its results\n"
                       "Exec=%1\n"
                       "TryExec=%2\n"
                       "Icon=com.ironvale.Repminder\n"
                       "Terminal=false\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(QuotedExec(programPath), EscapedValue(programPath));
    return text.toUtf8();
}
