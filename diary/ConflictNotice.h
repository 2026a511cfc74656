#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// Tells the user of conflict records (ConflictRecords) that appear beside the diary while it is
// open without this program's own merge having told of them: kept by the other computer and
// carried here by the sync engine, or kept by the notifier. The records present when the diary
// opens, or when it moves to another folder, are taken as known.
class ConflictNotice
{
public:
    explicit ConflictNotice(QWidget *parent);

    // Looks for new record files beside the diary at diaryPath; told are the files this
    // program has just told of itself.
    void Check(const QString &diaryPath, const QStringList &told);

private:
    QWidget *m_parent;
    QString m_path;
    QSet<QString> m_known;
};
