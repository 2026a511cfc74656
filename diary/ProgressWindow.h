#pragma once

#include <QObject>

class CProgressDlg;
class CRepbookDlg;
class DiaryDatabase;

// The main window's Progress window: created on first use, shown non-modal, kept in step with the
// diary through the main window's diaryChanged signal, and a day clicked in it is selected in
// the calendar.
class ProgressWindow : public QObject
{
    Q_OBJECT

public:
    ProgressWindow(CRepbookDlg &window, const DiaryDatabase &database);

    // Shows the window (creating it first) and brings it to the front.
    void Open();
    // The window once opened, else null.
    CProgressDlg *Dialog() const { return m_dialog; }

private:
    void PassCalendarRange();

    CRepbookDlg &m_window;
    const DiaryDatabase &m_database;
    CProgressDlg *m_dialog = nullptr; // a child of the main window, hidden when closed
};
