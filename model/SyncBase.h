#pragma once

#include "model/DiaryMerge.h"
#include "model/Fingerprint.h"

#include <QList>
#include <QString>

// What this computer knows both computers sharing a synced diary agreed on: the fingerprint of
// each date's days as both sides held them, and the conflict copies already merged. It is kept
// per computer outside the synced folder, so that a conflict copy can be told apart into dates
// one side changed and dates both changed. Without a base every date counts as changed on both
// sides, which makes the merge a union: nothing is removed because of a copy.
class SyncBase
{
public:
    explicit SyncBase(QString path);

    // The base of the diary at diaryPath: a file in the local data folder named after the
    // diary's path, so that several diaries never share one.
    static QString PathFor(const QString &diaryPath);

    const QString &Path() const { return m_path; }
    // A missing file is an empty base; a file that cannot be read gives false and an empty
    // base.
    bool Load();
    bool Save() const;

    const DiaryMerge::Groups &Groups() const { return m_groups; }
    // Takes every date whose days a and b hold alike (or both lack) as agreed.
    void Agree(const DiaryMerge::Groups &a, const DiaryMerge::Groups &b);
    void AgreeOn(const DiaryMerge::Groups &groups) { Agree(groups, groups); }

    bool WasMerged(const Fingerprint &copy) const { return m_merged.contains(copy); }
    void MarkMerged(const Fingerprint &copy);

private:
    QString m_path;
    DiaryMerge::Groups m_groups;
    QList<Fingerprint> m_merged; // oldest first, bounded
};
