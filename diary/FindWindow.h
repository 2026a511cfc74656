#pragma once

#include <functional>

class CFindDlg;
class DiaryDatabase;
class QWidget;

// The main window's Find window: created on first use as the window's child, shown non-modal,
// kept in step with the diary through the window's diaryChanged signal; a chosen result's day is
// shown in the calendar.
namespace FindWindow {

// Shows the window (creating it first and handing it to connect, which ties it to the diary's
// changes and the calendar), brings it to the front and puts the focus into its search field.
void Open(QWidget &window, const DiaryDatabase &database,
          const std::function<void(CFindDlg &dialog)> &connect);

} // namespace FindWindow
