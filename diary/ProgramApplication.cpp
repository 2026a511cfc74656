#include "diary/ProgramApplication.h"

#include "diary/ApplyingLock.h"
#include "diary/CalendarRange.h"
#include "diary/DiaryHistory.h"
#include "diary/WindowHistory.h"
#include "editing/ApplyProgramFlow.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <utility>

ProgramApplication::ProgramApplication(QWidget *window, DiaryDatabase &database,
                                       IProgramApplyTarget &calendar, MainMenu &commands,
                                       const QList<QWidget *> &rangeControls)
    : m_window(window)
    , m_database(database)
    , m_calendar(calendar)
    , m_commands(commands)
    , m_rangeControls(rangeControls)
{
}

void ProgramApplication::Run(const QString &fileName, const CalendarRange &range, bool delay,
                             DiaryHistory &history)
{
    if (m_applying)
        return;
    ApplyProgramFlow::Request request;
    request.fileName = fileName;
    request.start = range.Start();
    request.days = range.Days();
    request.delay = delay;
    {
        const QScopedValueRollback<bool> applying(m_applying, true);
        const ApplyingLock lock(m_commands, m_rangeControls);
        const QList<DateValue> dates = WindowHistory::RangeDates(request.start, request.days);
        history.Record(QCoreApplication::translate("ProgramApplication", "Apply program"), dates,
                       [&] {
                           ApplyProgramFlow::Run(m_window, request, m_database, m_calendar, m_stop,
                                                 [] { QCoreApplication::processEvents(); });
                       });
    }
    m_stop = true;
}

bool ProgramApplication::DeferClose()
{
    if (!m_applying)
        return false;
    // The walk stops first; the question comes once it has ended.
    m_stop = true;
    m_closeAfterApplying = true;
    return true;
}

bool ProgramApplication::TakeCloseRequest()
{
    return std::exchange(m_closeAfterApplying, false);
}
