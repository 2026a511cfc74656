#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every file-open and file-save dialog of both programs goes through this facade, so that tests
// can answer them with queued paths. Training programs are ".rpp" files.
class FileDialog
{
public:
    static QString ProgramFileFilter(); // "Training program files (*.rpp);;All files (*)"
    static QString ProgramFileSuffix(); // "rpp"

    // Empty result = cancelled. A chosen name without a suffix gets ".rpp"; saving does not ask
    // before replacing an existing file (the caller decides).
    static QString GetOpenProgramFileName(QWidget *parent, const QString &caption = QString());
    static QString GetSaveProgramFileName(QWidget *parent, const QString &caption = QString());
    // Saving a picture: filter "PNG images (*.png)", default suffix "png". The dialog proposes
    // proposedName in the pictures folder, else the documents folder, else the home folder.
    static QString GetSaveImageFileName(QWidget *parent, const QString &caption,
                                        const QString &proposedName);

    // The same for other files: filter as QFileDialog takes it; a saved name without a suffix
    // gets defaultSuffix. A proposed path is where the save dialog starts, with its file name.
    static QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &filter);
    static QString GetSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                   const QString &defaultSuffix,
                                   const QString &proposedPath = QString());

    // The first of the folders that exists, else the home folder: a folder that does not exist
    // would reach the dialog as a file name.
    static QString FirstExistingFolder(const QStringList &folders);
    // proposedName in the first existing of the standard documents folder and the home folder.
    static QString InDocuments(const QString &proposedName);

    // An existing folder, starting in start; empty when cancelled.
    static QString GetExistingFolder(QWidget *parent, const QString &caption, const QString &start);

    // Test hooks. In test mode no dialog is shown: each dialog takes the next queued path ("" is
    // Cancel). A dialog that finds the queue empty answers Cancel and is recorded as unexpected
    // (by its caption, or "Open"/"Save" without one).
    static void setTestMode(bool on);
    static void setNextFileNames(const QStringList &paths);
    static QString lastProposedPath(); // the path the last save dialog started at
    static QStringList takeUnexpected();

    // A file name that has no suffix gets the default one; an empty name stays empty.
    static QString WithDefaultSuffix(const QString &path,
                                     const QString &suffix = ProgramFileSuffix());

private:
    static QString Run(QWidget *parent, bool save, const QString &caption,
                       const QString &filter = ProgramFileFilter(),
                       const QString &suffix = ProgramFileSuffix(),
                       const QString &proposedPath = QString());
};
