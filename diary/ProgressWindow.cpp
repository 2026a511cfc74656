#include "diary/ProgressWindow.h"

#include "diary/CRepbookDlg.h"
#include "progress/CProgressDlg.h"

ProgressWindow::ProgressWindow(CRepbookDlg &window, const DiaryDatabase &database)
    : QObject(&window)
    , m_window(window)
    , m_database(database)
{
}

void ProgressWindow::Open()
{
    if (!m_dialog) {
        m_dialog = new CProgressDlg(m_database, &m_window);
        connect(&m_window, &CRepbookDlg::diaryChanged, m_dialog, [this] {
            PassCalendarRange();
            m_dialog->DiaryChanged();
        });
        connect(m_dialog, &CProgressDlg::dateChosen, &m_window, &CRepbookDlg::ShowDate);
        PassCalendarRange();
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void ProgressWindow::PassCalendarRange()
{
    const CalendarRange &range = m_window.Range();
    m_dialog->SetCalendarSpan(
        range.IsValid() ? DateSpan {range.Start().ToQDate(), range.End().ToQDate()} : DateSpan {});
}
