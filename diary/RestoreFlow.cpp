#include "diary/RestoreFlow.h"

#include "diary/CRestoreDlg.h"
#include "diary/DiaryHistory.h"
#include "model/DiaryBackups.h"
#include "model/DiaryDatabase.h"
#include "settings/DiaryLocation.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace RestoreFlow {

namespace {

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool Run(QWidget *parent, SharedDiaryFile &file, DiaryHistory &history)
{
    const DiaryBackups backups(file.Path(), DiaryLocation::BackupFolder(file.Path()));
    DiaryDatabase preview;
    QString chosen;
    {
        CRestoreDlg dialog(
            backups.List(),
            [&preview](const QString &path) -> DiaryDatabase * {
                QByteArray bytes;
                if (!DiaryBackups::ReadSound(path, bytes))
                    return nullptr;
                preview.LoadFromData(bytes);
                return &preview;
            },
            parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        chosen = dialog.ChosenPath();
    }
    if (chosen.isEmpty())
        return false;
    if (MessageBox::Question(
            parent,
            QCoreApplication::translate("RestoreFlow",
                                        "Replace the diary by the backup %1?\nThe diary as it "
                                        "is now is kept as a backup first, and Undo brings "
                                        "it back.")
                .arg(QFileInfo(chosen).fileName())) != QMessageBox::Yes)
        return false;

    // Read first: keeping the current diary may retire the chosen backup.
    QByteArray bytes;
    if (!DiaryBackups::ReadSound(chosen, bytes)) {
        MessageBox::Warning(parent, DiaryBackups::UnreadableText(chosen));
        return false;
    }
    backups.MarkRestoredFrom(chosen);
    const DaysChangeCommand::Hooks &hooks = history.DayHooks();
    hooks.releaseDays();
    const DiaryBackups::Result kept = backups.KeepCurrent(file);
    if (!kept.ok) {
        hooks.daysChanged();
        MessageBox::Warning(parent,
                            kept.error +
                                QCoreApplication::translate("RestoreFlow",
                                                            "\nNothing was restored: the "
                                                            "diary as it is now could not be "
                                                            "kept first."));
        return false;
    }
    DiaryBackups::Result restored;
    history.RecordAny(QCoreApplication::translate("RestoreFlow", "Restore backup"),
                      [&] { restored = DiaryBackups::Replace(file, bytes); });
    hooks.daysChanged();
    if (!restored.ok) {
        MessageBox::Warning(
            parent,
            restored.error +
                QCoreApplication::translate("RestoreFlow",
                                            "\nThe restored days are shown, and saving is "
                                            "tried again every minute."));
        return false;
    }
    QString text = QCoreApplication::translate("RestoreFlow", "The diary was restored from:\n%1")
                       .arg(Native(chosen));
    if (!kept.backup.isEmpty())
        text += QCoreApplication::translate("RestoreFlow", "\nThe diary as it was is kept as:\n%1")
                    .arg(Native(kept.backup));
    for (const QString &conflictFile : {kept.saved.conflictFile, restored.saved.conflictFile}) {
        if (!conflictFile.isEmpty())
            text +=
                QCoreApplication::translate(
                    "RestoreFlow", "\nDays another program had changed meanwhile are kept in:\n%1")
                    .arg(Native(conflictFile));
    }
    MessageBox::Information(parent, text);
    return true;
}

} // namespace RestoreFlow
