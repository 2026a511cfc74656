#pragma once

#include <functional>

class CConflictsDlg;
class DiaryHistory;
class QWidget;
class SharedDiaryFile;

// The main window's Conflicts window: created on first use as the window's child, shown
// non-modal, kept in step with the diary through the window's diaryChanged signal. Taking the
// other version of a date is one step of the window's history, so Undo brings the diary's back.
namespace ConflictsWindow {

// Shows the window (creating it first and handing it to connect, which ties it to the diary's
// changes and the calendar), reads the records afresh and brings it to the front. Taking a
// version is recorded in history.
void Open(QWidget &window, DiaryHistory &history, SharedDiaryFile &file,
          const std::function<void(CConflictsDlg &dialog)> &connect);

} // namespace ConflictsWindow
