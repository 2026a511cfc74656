#pragma once

#include <QCoreApplication>

#include "model/TrainingProgram.h"

#include <functional>

class QWidget;

// The program editor's file operations on its training program: asking "Save changes?" before
// the program is set aside, saving (to its file, or to one the user chooses) and opening a file
// the user chooses. Every failure is said in a message over the parent.
class ProgramFile
{
    Q_DECLARE_TR_FUNCTIONS(ProgramFile)

public:
    // takeEdits puts what the editor still shows into the program before it is saved or judged.
    ProgramFile(QWidget &parent, TrainingProgram &program, std::function<void()> takeEdits);

    // Asks "Save changes?" when the program has changes; true when the caller may go on.
    bool MaySetAside();
    // True when the program is in its file afterwards.
    bool Save();
    bool SaveAs();
    // Asks for a program file and reads it into the program. releaseDays is called right before
    // the program's days are replaced. False when nothing was replaced (the user cancelled, or
    // the file is damaged); a file that fails while it is read is said, and the program stays
    // bound to its old file.
    bool OpenChosen(const std::function<void()> &releaseDays);

private:
    bool Write();

    QWidget &m_parent;
    TrainingProgram &m_program;
    std::function<void()> m_takeEdits;
};
