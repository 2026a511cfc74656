#include "model/ConflictCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ConflictCopies {

namespace {

QRegularExpression PatternFor(const QString &original)
{
    const QFileInfo info(original);
    const QString base = QRegularExpression::escape(info.completeBaseName());
    const QString suffix =
        info.suffix().isEmpty() ? QString() : QRegularExpression::escape(u'.' + info.suffix());
    // Syncthing: the device part is the first characters of the device's identity. Nextcloud
    // and Dropbox add " (2)" and the like when a second copy of the same moment appears.
    const QString syncthing = QStringLiteral("\\.sync-conflict-\\d{8}-\\d{6}-[A-Z0-9]+");
    const QString nextcloud = QStringLiteral(" \\(conflicted copy \\d{4}-\\d{2}-\\d{2} \\d{6}\\)");
    const QString dropbox = QStringLiteral(" \\([^()/]+'s conflicted copy \\d{4}-\\d{2}-\\d{2}\\)");
    return QRegularExpression(QStringLiteral("^%1(?:%2|%3|%4)(?: \\(\\d+\\))?%5$")
                                  .arg(base, syncthing, nextcloud, dropbox, suffix));
}

} // namespace

bool IsCopyOf(const QString &fileName, const QString &original)
{
    return PatternFor(original).match(fileName).hasMatch();
}

QStringList Find(const QString &path)
{
    const QFileInfo info(path);
    const QRegularExpression pattern = PatternFor(info.fileName());
    QStringList copies;
    const QDir folder = info.absoluteDir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (pattern.match(name).hasMatch())
            copies.append(folder.filePath(name));
    }
    return copies;
}

} // namespace ConflictCopies
