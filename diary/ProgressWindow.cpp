#include "diary/ProgressWindow.h"

#include "diary/CalendarRange.h"
#include "progress/CProgressDlg.h"

ProgressWindow::ProgressWindow(QWidget &window, const CalendarRange &range,
                               const DiaryDatabase &database)
    : QObject(&window)
    , m_window(window)
    , m_range(range)
    , m_database(database)
{
}

void ProgressWindow::Open()
{
    if (!m_dialog) {
        m_dialog = new CProgressDlg(m_database, &m_window);
        connect(m_dialog, &CProgressDlg::dateChosen, this, &ProgressWindow::dateChosen);
        PassCalendarRange();
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void ProgressWindow::DiaryChanged()
{
    if (!m_dialog)
        return;
    PassCalendarRange();
    m_dialog->DiaryChanged();
}

void ProgressWindow::PassCalendarRange()
{
    m_dialog->SetCalendarSpan(m_range.IsValid()
                                  ? DateSpan {m_range.Start().ToQDate(), m_range.End().ToQDate()}
                                  : DateSpan {});
}
