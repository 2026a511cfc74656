#include "diary/FindWindow.h"

#include "diary/CFindDlg.h"
#include "diary/CRepbookDlg.h"

namespace FindWindow {

void Open(CRepbookDlg &window, const DiaryDatabase &database)
{
    auto *dialog = window.findChild<CFindDlg *>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new CFindDlg(database, &window);
        QObject::connect(&window, &CRepbookDlg::diaryChanged, dialog, &CFindDlg::DiaryChanged);
        QObject::connect(dialog, &CFindDlg::dateChosen, &window, &CRepbookDlg::ShowDate);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->FocusField();
}

} // namespace FindWindow
