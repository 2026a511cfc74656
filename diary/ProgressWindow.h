#pragma once

#include <QObject>

class CProgressDlg;
class CalendarRange;
class DiaryDatabase;
class QDate;
class QWidget;

// The main window's Progress window: created on first use, shown non-modal, kept in step with the
// diary (DiaryChanged, which passes the calendar's range too), and a day clicked in it is handed
// out (dateChosen) for the calendar to select.
class ProgressWindow : public QObject
{
    Q_OBJECT

public:
    // range is the calendar's display range, read whenever the diary changed.
    ProgressWindow(QWidget &window, const CalendarRange &range, const DiaryDatabase &database);

    // Shows the window (creating it first) and brings it to the front.
    void Open();
    // The window once opened, else null.
    CProgressDlg *Dialog() const { return m_dialog; }

    // The diary, the range or the selection may have changed.
    void DiaryChanged();

signals:
    void dateChosen(const QDate &date);

private:
    void PassCalendarRange();

    QWidget &m_window;
    const CalendarRange &m_range;
    const DiaryDatabase &m_database;
    CProgressDlg *m_dialog = nullptr; // a child of the main window, hidden when closed
};
