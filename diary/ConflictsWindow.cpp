#include "diary/ConflictsWindow.h"

#include "diary/CConflictsDlg.h"
#include "diary/DiaryHistory.h"
#include "model/SharedDiaryFile.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QListWidget>

namespace ConflictsWindow {

namespace {

bool Take(QWidget &window, DiaryHistory &history, SharedDiaryFile &file,
          const ConflictRecords::Record &record)
{
    auto *dialog = window.findChild<CConflictsDlg *>(QString(), Qt::FindDirectChildrenOnly);
    if (history.IsBusy()) {
        MessageBox::Information(
            dialog,
            QCoreApplication::translate("ConflictsWindow",
                                        "The diary window is busy. Finish what it is "
                                        "doing, then take the other version."));
        return false;
    }
    const DaysChangeCommand::Hooks &hooks = history.DayHooks();
    hooks.releaseDays();
    history.Record(QCoreApplication::translate("ConflictsWindow", "Take other version %1")
                       .arg(DiaryHistory::DatesText({record.date})),
                   {record.date}, [&] { ConflictRecords::Take(record, file.Database()); });
    hooks.daysChanged();
    return true;
}

} // namespace

void Open(QWidget &window, DiaryHistory &history, SharedDiaryFile &file,
          const std::function<void(CConflictsDlg &dialog)> &connect)
{
    auto *dialog = window.findChild<CConflictsDlg *>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new CConflictsDlg(
            file,
            [&window, &history, &file](const ConflictRecords::Record &record) {
                return Take(window, history, file, record);
            },
            &window);
        connect(*dialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->List()->setFocus();
}

} // namespace ConflictsWindow
