#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The user's choices of which diary exercise an imported name joins, per source format ("Strong
// CSV"), kept in a small text file beside the name lists: one choice per line, the source, the
// name in the file and the diary's name separated by tabs.
class ImportNameMap
{
public:
    explicit ImportNameMap(QString path);

    // The map file in the folder of the exercise name list.
    static QString PathBeside(const QString &exerciseListPath);

    // Reads the file; a missing or unreadable file is an empty map.
    void Load();
    // Name in the file to diary name, for one source.
    QHash<QString, QString> For(const QString &source) const;
    // Stores the choices for source over the file as it is now: a name with an empty choice is
    // forgotten (it stays a name of its own). False with error when the file cannot be written.
    bool Remember(const QString &source, const QHash<QString, QString> &choices, QString &error);

private:
    struct Choice
    {
        QString source;
        QString imported;
        QString diaryName;
    };

    QString m_path;
    QList<Choice> m_choices;
};
