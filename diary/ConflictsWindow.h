#pragma once

class CRepbookDlg;
class SharedDiaryFile;

// The main window's Conflicts window: created on first use as the window's child, shown
// non-modal, kept in step with the diary through the window's diaryChanged signal. Taking the
// other version of a date is one step of the window's history, so Undo brings the diary's back.
namespace ConflictsWindow {

// Shows the window (creating it first), reads the records afresh and brings it to the front.
void Open(CRepbookDlg &window, SharedDiaryFile &file);

} // namespace ConflictsWindow
