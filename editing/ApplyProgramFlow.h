#pragma once

#include "model/DateValue.h"

#include <QString>

#include <functional>

class DiaryDatabase;
class IProgramApplyTarget;
class QWidget;

// "Apply program" as the user meets it: the program file is asked for when none is given, read
// again from disk (a damaged or unreadable file gives an empty program, and nothing is applied),
// the weekdays are chosen in CApplyProgramDlg, and ProgramApplier walks the range.
namespace ApplyProgramFlow {

struct Request
{
    QString fileName; // empty: ask with the file-open dialog
    DateValue start; // the display range: start .. start + days
    int days = 0;
    bool delay = false; // pause before each day written
};

// The number of days written, or -1 when the user cancelled a dialog.
int Run(QWidget *parent, const Request &request, DiaryDatabase &diary, IProgramApplyTarget &target,
        bool &stop, const std::function<void()> &processEvents);

} // namespace ApplyProgramFlow
