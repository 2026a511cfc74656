#include "cli/CheckCommand.h"

#include "exchange/ExchangeFields.h"
#include "model/ConflictCopyMerge.h"
#include "model/DatabaseFile.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "model/NumberText.h"
#include "settings/DiaryLocation.h"
#include "translations/AppLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

CheckCommand::CheckCommand()
    : Command(QStringLiteral("check"),
              QCoreApplication::translate(
                  "CheckCommand",
                  "Runs the integrity check of a diary file and prints its day count "
                  "and date range. Exit code 0: sound, 1: damaged or unreadable."))
{
}

void CheckCommand::AddOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CheckCommand",
                                    "The diary file (default: --diary or the data "
                                    "folder's diary)."),
        QStringLiteral("[FILE]"));
}

int CheckCommand::Execute(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Usage(QCoreApplication::translate("CheckCommand", "check takes one file at most."));
    const QString path = files.isEmpty() ? DiaryPath(parser) : files.first();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        PrintError(QCoreApplication::translate("CheckCommand", "%1: no such file.").arg(shown));
        return Failed;
    }
    DiaryDatabase diary;
    QString error;
    if (!LoadDiary(path, diary, error)) {
        if (const std::optional<DiaryBackups::Found> backup =
                DiaryBackups(path, DiaryLocation::BackupFolder(path)).NewestSound()) {
            const QString backupPath = QDir::toNativeSeparators(backup->entry.path);
            error += QCoreApplication::translate(
                         "CheckCommand",
                         "\nThe newest sound backup is %1:\n%2\nRestore it with: "
                         "repbook-cli restore \"%2\"")
                         .arg(DiaryBackups::Describe(*backup, AppLanguage::Locale()), backupPath);
        }
        PrintError(error);
        return Failed;
    }
    std::optional<DateValue> first;
    std::optional<DateValue> last;
    for (int d = 0; d < diary.GetDayCount(); ++d) {
        const DateValue date = diary.GetDay(d)->GetDate();
        if (date.GetYear() < 0)
            continue;
        if (!first || date < *first)
            first = date;
        if (!last || date > *last)
            last = date;
    }
    QString range = QCoreApplication::translate("CheckCommand", "no dates");
    if (first)
        range = ExchangeFields::DateText(*first) +
            QCoreApplication::translate("CheckCommand", " to ") + ExchangeFields::DateText(*last);
    PrintOut(QCoreApplication::translate("CheckCommand", "%1: sound, %2, %3\n")
                 .arg(shown,
                      CountText(diary.GetDayCount(), QT_TRANSLATE_N_NOOP("CountText", "%n day(s)"),
                                QStringLiteral("day")),
                      range));
    const QStringList copies = ConflictCopyMerge::FindAll(path);
    if (!copies.isEmpty()) {
        QString text =
            QCoreApplication::translate("CheckCommand",
                                        "Conflict copies left by a sync engine (repbook-cli merge "
                                        "merges them):\n");
        for (const QString &copy : copies)
            text += QStringLiteral("  %1\n").arg(QDir::toNativeSeparators(copy));
        PrintOut(text);
    }
    return Done;
}
