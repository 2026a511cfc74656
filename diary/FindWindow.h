#pragma once

class CRepbookDlg;
class DiaryDatabase;

// The main window's Find window: created on first use as the window's child, shown non-modal,
// kept in step with the diary through the window's diaryChanged signal; a chosen result's day is
// shown in the calendar.
namespace FindWindow {

// Shows the window (creating it first), brings it to the front and puts the focus into its
// search field.
void Open(CRepbookDlg &window, const DiaryDatabase &database);

} // namespace FindWindow
