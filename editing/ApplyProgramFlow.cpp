#include "editing/ApplyProgramFlow.h"

#include "editing/CApplyProgramDlg.h"
#include "model/ProgramApplier.h"
#include "model/TrainingProgram.h"
#include "widgets/FileDialog.h"

int ApplyProgramFlow::Run(QWidget *parent, const Request &request, DiaryDatabase &diary,
                          IProgramApplyTarget &target, bool &stop,
                          const std::function<void()> &processEvents)
{
    QString fileName = request.fileName;
    if (fileName.isEmpty()) {
        fileName = FileDialog::GetOpenProgramFileName(parent);
        if (fileName.isEmpty())
            return -1;
    }

    TrainingProgram program;
    program.Open(fileName); // a file that fails the check leaves the program empty

    CApplyProgramDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return -1;

    ProgramApplier applier(program, diary, target);
    applier.SetRange(request.start, request.days);
    applier.SetDayFilter([&dialog](const DateValue &date) { return dialog.IsDayChosen(date); });
    applier.SetDelay(request.delay);
    applier.SetStopFlag(&stop);
    applier.SetProcessEvents(processEvents);
    return applier.Apply();
}
