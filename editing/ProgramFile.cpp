#include "editing/ProgramFile.h"

#include "model/DatabaseFile.h"
#include "model/TrainingProgram.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

ProgramFile::ProgramFile(QWidget &parent, TrainingProgram &program, std::function<void()> takeEdits)
    : m_parent(parent)
    , m_program(program)
    , m_takeEdits(std::move(takeEdits))
{
}

bool ProgramFile::MaySetAside()
{
    m_takeEdits();
    if (!m_program.IsModified())
        return true;
    switch (MessageBox::Question(&m_parent, tr("Save changes?"),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool ProgramFile::OpenChosen(const std::function<void()> &releaseDays)
{
    const QString path = FileDialog::GetOpenProgramFileName(&m_parent);
    if (path.isEmpty())
        return false;
    // A damaged file leaves the editor as it was.
    if (!CheckDatabaseIntegrity(path)) {
        MessageBox::Error(&m_parent, tr("Error! File is corrupted."));
        return false;
    }
    const QString previousPath = m_program.GetPath();
    releaseDays();
    if (!m_program.Open(path)) {
        // The file changed after the check: the old program stays, bound to its old file.
        m_program.SetPath(previousPath);
        MessageBox::Error(&m_parent, tr("Error! File is corrupted."));
    }
    return true;
}

bool ProgramFile::Save()
{
    m_takeEdits();
    if (m_program.GetPath().isEmpty())
        return SaveAs();
    return Write();
}

bool ProgramFile::SaveAs()
{
    m_takeEdits();
    const QString path = FileDialog::GetSaveProgramFileName(&m_parent);
    if (path.isEmpty())
        return false;
    const QString previousPath = m_program.GetPath();
    m_program.SetPath(path);
    if (Write())
        return true;
    m_program.SetPath(previousPath);
    return false;
}

bool ProgramFile::Write()
{
    if (m_program.Save())
        return true;
    MessageBox::Error(&m_parent,
                      tr("Error! The program could not be saved to\n%1")
                          .arg(QDir::toNativeSeparators(m_program.GetPath())));
    return false;
}
