#include "exchange/ImportNameMap.h"

#include "model/DatabaseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A field holding a separator or a line break cannot be stored in a line.
bool Storable(const QString &text)
{
    return !text.trimmed().isEmpty() && !text.contains(u'\t') && !text.contains(u'\n') &&
        !text.contains(u'\r');
}

} // namespace

ImportNameMap::ImportNameMap(QString path)
    : m_path(std::move(path))
{
}

QString ImportNameMap::PathBeside(const QString &exerciseListPath)
{
    return QFileInfo(exerciseListPath).absoluteDir().filePath(QStringLiteral("ImportNames.txt"));
}

void ImportNameMap::Load()
{
    m_choices.clear();
    QByteArray bytes;
    if (!QFileInfo::exists(m_path) || !DatabaseFile::ReadWhole(m_path, bytes))
        return;
    for (const QByteArray &line : bytes.split('\n')) {
        const QStringList fields = QString::fromUtf8(line).remove(u'\r').split(u'\t');
        if (fields.size() == 3 && Storable(fields[0]) && Storable(fields[1]) && Storable(fields[2]))
            m_choices.append({fields[0], fields[1], fields[2]});
    }
}

QHash<QString, QString> ImportNameMap::For(const QString &source) const
{
    QHash<QString, QString> mapping;
    for (const Choice &choice : m_choices) {
        if (choice.source == source)
            mapping.insert(choice.imported, choice.diaryName);
    }
    return mapping;
}

bool ImportNameMap::Remember(const QString &source, const QHash<QString, QString> &choices,
                             QString &error)
{
    // Another program may have stored choices since this map was read.
    Load();
    const qsizetype before = m_choices.size();
    m_choices.removeIf([&](const Choice &choice) {
        return choice.source == source && choices.contains(choice.imported);
    });
    for (auto it = choices.cbegin(); it != choices.cend(); ++it) {
        if (Storable(source) && Storable(it.key()) && Storable(it.value()) &&
            it.key() != it.value().trimmed())
            m_choices.append({source, it.key(), it.value().trimmed()});
    }
    if (m_choices.size() == before && m_choices.isEmpty())
        return true; // nothing to keep, nothing forgotten: no file is made
    QByteArray bytes;
    for (const Choice &choice : m_choices)
        bytes +=
            (choice.source + u'\t' + choice.imported + u'\t' + choice.diaryName).toUtf8() + '\n';
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        error = QCoreApplication::translate(
                    "ImportNameMap", "The choices of exercise names could not be saved in %1.")
                    .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    return true;
}
