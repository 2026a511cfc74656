#include "widgets/FileDialog.h"

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
};

DialogState &state()
{
    static DialogState instance;
    return instance;
}

} // namespace

QString FileDialog::ProgramFileFilter()
{
    return QStringLiteral("Training program files (*.rpp);;All files (*)");
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
                                    const QString &defaultSuffix)
{
    return Run(parent, true, caption, filter, defaultSuffix);
}

QString FileDialog::GetOpenProgramFileName(QWidget *parent, const QString &caption)
{
    return Run(parent, false, caption, ProgramFileFilter(), ProgramFileSuffix());
}

QString FileDialog::GetSaveProgramFileName(QWidget *parent, const QString &caption)
{
    return Run(parent, true, caption, ProgramFileFilter(), ProgramFileSuffix());
}

QString FileDialog::GetSaveImageFileName(QWidget *parent, const QString &caption)
{
    return GetSaveFileName(parent, caption, QStringLiteral("PNG images (*.png);;All files (*)"),
                           QStringLiteral("png"));
}

QString FileDialog::GetExistingFolder(QWidget *parent, const QString &caption, const QString &start)
{
    DialogState &s = state();
    if (s.testMode)
        return Run(parent, false, caption);
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

QString FileDialog::Run(QWidget *parent, bool save, const QString &caption, const QString &filter,
                        const QString &suffix)
{
    DialogState &s = state();
    if (s.testMode) {
        if (s.answers.isEmpty()) {
            s.unexpected.append(!caption.isEmpty()
                                    ? caption
                                    : (save ? QStringLiteral("Save") : QStringLiteral("Open")));
            return QString();
        }
        const QString answer = s.answers.takeFirst();
        return save ? WithDefaultSuffix(answer, suffix) : answer;
    }

    if (s.lastFolder.isEmpty())
        s.lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);

    QFileDialog dialog(parent, caption, s.lastFolder, filter);
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

QStringList FileDialog::takeUnexpected()
{
    return std::exchange(state().unexpected, {});
}
