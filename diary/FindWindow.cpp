#include "diary/FindWindow.h"

#include "diary/CFindDlg.h"

namespace FindWindow {

void Open(QWidget &window, const DiaryDatabase &database,
          const std::function<void(CFindDlg &dialog)> &connect)
{
    auto *dialog = window.findChild<CFindDlg *>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new CFindDlg(database, &window);
        connect(*dialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->FocusField();
}

} // namespace FindWindow
