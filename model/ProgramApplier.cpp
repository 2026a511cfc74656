#include "model/ProgramApplier.h"

#include "model/IProgramApplyTarget.h"

#include <QDeadlineTimer>
#include <QThread>

#include <memory>

ProgramApplier::ProgramApplier(const TrainingProgram &program, DiaryDatabase &diary,
                               IProgramApplyTarget &target)
    : m_program(program)
    , m_diary(diary)
    , m_target(target)
{
}

void ProgramApplier::SetRange(const DateValue &start, int days)
{
    m_start = start;
    m_days = days;
}

int ProgramApplier::Apply()
{
    const int programDays = m_program.GetDayCount();
    if (!m_start.IsValid() || m_days < 0 || programDays == 0) {
        SetStopped(true);
        return 0;
    }
    const DateValue end = m_start + (static_cast<qint64>(m_days) + 1); // first date after
    DateValue date = m_start - m_start.GetDayOfWeekIndex(); // row 1, column 1

    int next = 0; // the program day the next chosen date takes
    int written = 0;
    SetStopped(false);
    for (int row = 1; date.IsValid() && date < end && !Stopped(); ++row) {
        for (int col = 1; col <= WeekdayCount; ++col, date = date + 1) {
            ProcessEvents();
            if (Stopped())
                break;
            if (date < m_start || date >= end || (m_filter && !m_filter(date)) ||
                m_target.CellHoldsDay(row, col))
                continue;
            const TrainingDay *programDay = m_program.GetDay(next);
            next = (next + 1) % programDays;
            if (programDay->IsEmpty())
                continue; // a rest day
            WriteDay(*programDay, date, row, col);
            ++written;
        }
    }
    SetStopped(true);
    return written;
}

void ProgramApplier::WriteDay(const TrainingDay &programDay, const DateValue &date, int row,
                              int col)
{
    if (m_delay)
        Pause();
    auto day = std::make_unique<TrainingDay>();
    day->CopyFrom(programDay);
    day->SetDate(date);
    TrainingDay *added = day.get();
    m_diary.AddDay(std::move(day));
    m_target.AttachDay(row, col, added);
}

void ProgramApplier::Pause() const
{
    // The window keeps answering while the walk waits; the day is written after the pause even
    // when the user stops meanwhile, so the walk ends after the current day.
    const QDeadlineTimer deadline(DelayMs);
    while (!deadline.hasExpired()) {
        ProcessEvents();
        QThread::msleep(
            static_cast<unsigned long>(qBound(qint64(0), deadline.remainingTime(), qint64(10))));
    }
}

void ProgramApplier::ProcessEvents() const
{
    if (m_processEvents)
        m_processEvents();
}

void ProgramApplier::SetStopped(bool stop) const
{
    if (m_stop != nullptr)
        *m_stop = stop;
}
