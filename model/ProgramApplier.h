#pragma once

#include "model/DateValue.h"
#include "model/TrainingProgram.h"

#include <functional>

class IProgramApplyTarget;

// Lays the days of a training program onto a date range of the diary. The walk goes through the
// calendar's cells week by week from the Monday on or before the range start; every date in the
// range whose weekday is chosen and whose cell holds no day yet takes a copy of the next program
// day, and the program starts again after its last day. A program day without workouts is a rest
// day: it uses up a chosen date and leaves it free.
//
// Before each cell the walk lets the caller process pending events, so the window stays alive;
// setting the stop flag meanwhile ends the walk before the next cell, keeping the days already
// written. With the delay on, the walk pauses before each day it writes, so the user can watch.
class ProgramApplier
{
public:
    using DayFilter = std::function<bool(const DateValue &date)>;
    using Callback = std::function<void()>;

    static constexpr int DelayMs = 150;
    static constexpr int WeekdayCount = 7;

    ProgramApplier(const TrainingProgram &program, DiaryDatabase &diary,
                   IProgramApplyTarget &target);

    // The range: start .. start + days, both included.
    void SetRange(const DateValue &start, int days);
    // Which dates may take a day; without a filter every date may.
    void SetDayFilter(DayFilter filter) { m_filter = std::move(filter); }
    void SetDelay(bool delay) { m_delay = delay; }
    // The flag that ends the walk. It is cleared when the walk starts and set when it ends.
    void SetStopFlag(bool *stop) { m_stop = stop; }
    void SetProcessEvents(Callback processEvents) { m_processEvents = std::move(processEvents); }

    // Walks the range; returns the number of days written to the diary.
    int Apply();

private:
    void ProcessEvents() const;
    bool Stopped() const { return m_stop != nullptr && *m_stop; }
    void SetStopped(bool stop) const;
    void Pause() const;
    void WriteDay(const TrainingDay &programDay, const DateValue &date, int row, int col);

    const TrainingProgram &m_program;
    DiaryDatabase &m_diary;
    IProgramApplyTarget &m_target;
    DateValue m_start = DateValue::MakeInvalid();
    int m_days = -1;
    DayFilter m_filter;
    bool m_delay = false;
    bool *m_stop = nullptr;
    Callback m_processEvents;
};
