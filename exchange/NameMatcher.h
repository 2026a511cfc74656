#pragma once

#include "exchange/ImportedData.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Joins the exercise names of an imported file to the diary's own. For each name the diary
// lacks it proposes the diary's closest name: equal apart from case, spacing, a bracketed
// suffix such as "(Barbell)" or a plural, or else a few letters apart. It only proposes; the
// user (or a remembered choice) decides.
namespace NameMatcher {

// The form names compare in: lower case, single spaces, no bracketed suffix, no plural "s".
QString Key(const QString &name);
// The name of known closest to name, or empty when none is close.
QString Closest(const QString &name, const QStringList &known);

// The diary's exercise names: those of the name list, then those its entries use.
QStringList KnownNames(const DiaryDatabase &diary, const QStringList &nameList);

struct Proposal
{
    QString imported; // as the file names it
    QString proposed; // the remembered choice, else the closest known name (may be empty)
    bool remembered = false;
};

// The exercise names of days that known lacks, in the order they first appear, each with its
// proposal.
QList<Proposal> Propose(const DiaryDatabase &days, const QStringList &known,
                        const QHash<QString, QString> &remembered);

// A copy of data whose exercises are renamed by mapping (name in the file to diary name).
ImportedData WithNames(const ImportedData &data, const QHash<QString, QString> &mapping);

} // namespace NameMatcher
