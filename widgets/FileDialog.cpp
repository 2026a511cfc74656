#include "widgets/FileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace {

// Queued answers of a test, and the folder the user last chose a file in during this run. Only
// tests switch the facade into test mode.
struct DialogState
{
    bool testMode = false;
    QStringList answers;
    QStringList unexpected;
    QString lastFolder;
    QString proposed;
};

DialogState &state()
{
    static DialogState instance;
    return instance;
}

} // namespace

QString FileDialog::ProgramFileFilter()
{
    return QCoreApplication::translate("FileDialog",
                                       "Training program files (*.rpp);;All files (*)");
}

QString FileDialog::ProgramFileSuffix()
{
    return QStringLiteral("rpp");
}

QString FileDialog::WithDefaultSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    if (path.endsWith(QLatin1Char('.')))
        return path + suffix;
    return path + QLatin1Char('.') + suffix;
}

QString FileDialog::GetOpenFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return Run(parent, false, caption, filter, QString());
}

QString FileDialog::GetSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                    const QString &defaultSuffix, const QString &proposedPath)
{
    return Run(parent, true, caption, filter, defaultSuffix, proposedPath);
}

QString FileDialog::FirstExistingFolder(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

QString FileDialog::InDocuments(const QString &proposedName)
{
    return QDir(FirstExistingFolder(
                    {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}))
        .filePath(proposedName);
}

QString FileDialog::GetOpenProgramFileName(QWidget *parent, const QString &caption)
{
    return Run(parent, false, caption, ProgramFileFilter(), ProgramFileSuffix());
}

QString FileDialog::GetSaveProgramFileName(QWidget *parent, const QString &caption)
{
    return Run(parent, true, caption, ProgramFileFilter(), ProgramFileSuffix());
}

QString FileDialog::GetSaveImageFileName(QWidget *parent, const QString &caption,
                                         const QString &proposedName)
{
    const QString folder =
        FirstExistingFolder({QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});
    return GetSaveFileName(
        parent, caption,
        QCoreApplication::translate("FileDialog", "PNG images (*.png);;All files (*)"),
        QStringLiteral("png"), QDir(folder).filePath(proposedName));
}

QString FileDialog::GetExistingFolder(QWidget *parent, const QString &caption, const QString &start)
{
    DialogState &s = state();
    if (s.testMode)
        return Run(parent, false, caption);
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

QString FileDialog::Run(QWidget *parent, bool save, const QString &caption, const QString &filter,
                        const QString &suffix, const QString &proposedPath)
{
    DialogState &s = state();
    s.proposed = proposedPath;
    if (s.testMode) {
        if (s.answers.isEmpty()) {
            s.unexpected.append(!caption.isEmpty()
                                    ? caption
                                    : (save ? QCoreApplication::translate("FileDialog", "Save")
                                            : QCoreApplication::translate("FileDialog", "Open")));
            return QString();
        }
        const QString answer = s.answers.takeFirst();
        return save ? WithDefaultSuffix(answer, suffix) : answer;
    }

    if (s.lastFolder.isEmpty())
        s.lastFolder = FirstExistingFolder(
            {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});

    QFileDialog dialog(parent, caption, proposedPath.isEmpty() ? s.lastFolder : proposedPath,
                       filter);
    dialog.setDefaultSuffix(suffix);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    if (proposedPath.isEmpty())
        s.lastFolder = QFileInfo(chosen).absolutePath();
    return save ? WithDefaultSuffix(chosen, suffix) : chosen;
}

void FileDialog::setTestMode(bool on)
{
    DialogState &s = state();
    s.testMode = on;
    s.answers.clear();
    s.unexpected.clear();
}

void FileDialog::setNextFileNames(const QStringList &paths)
{
    state().answers = paths;
}

QString FileDialog::lastProposedPath()
{
    return state().proposed;
}

QStringList FileDialog::takeUnexpected()
{
    return std::exchange(state().unexpected, {});
}
