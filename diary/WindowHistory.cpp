#include "diary/WindowHistory.h"

#include "diary/CalendarView.h"
#include "diary/CommandIds.h"
#include "diary/DayOperations.h"
#include "diary/DayPreview.h"
#include "diary/DiaryHistory.h"
#include "diary/MainMenu.h"
#include "editing/CDayTabCtrl.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"

#include <QCoreApplication>

namespace WindowHistory {

namespace {

QList<DateValue> FocusDates(const CalendarView &calendar)
{
    const CalendarCell focus = calendar.FocusCell();
    if (!calendar.IsInRange(focus.row, focus.col))
        return {};
    return {calendar.DateAt(focus.row, focus.col)};
}

void RecordOn(DiaryHistory &history, const QString &verb, const QList<DateValue> &dates,
              const std::function<void()> &change)
{
    history.Record(verb + QLatin1Char(' ') + DiaryHistory::DatesText(dates), dates, change);
}

} // namespace

DiaryHistory *Create(QWidget &window, const MainMenu &commands, const DayPreview &preview,
                     DayOperations &operations, DiaryDatabase &database,
                     const std::function<bool()> &isBusy, const std::function<void()> &showDays)
{
    CDayTabCtrl *area = preview.WorkoutArea();
    const auto releaseDays = [&operations, area] {
        area->SetDay(nullptr);
        operations.CancelMove();
    };
    auto *history = new DiaryHistory(
        database, &window,
        {.isBusy = isBusy, .days = {.releaseDays = releaseDays, .daysChanged = showDays}});
    history->BindActions(commands.Action(CommandId::Undo), commands.Action(CommandId::Redo));
    // The workout area's exercise menu marks statuses of the day it shows.
    const auto areaDates = [area] {
        const TrainingDay *day = area->GetDay();
        return day ? QList<DateValue> {day->GetDate()} : QList<DateValue> {};
    };
    history->RecordContextMenus(
        {area->GetGrid(), area->GetGrid()->viewport()},
        [areaDates] {
            return QCoreApplication::translate("WindowHistory", "Mark ") +
                DiaryHistory::DatesText(areaDates());
        },
        areaDates);
    return history;
}

void OnFocus(DiaryHistory &history, const CalendarView &calendar, const QString &verb,
             const std::function<void()> &change)
{
    RecordOn(history, verb, FocusDates(calendar), change);
}

void OnSelection(DiaryHistory &history, const CalendarView &calendar, const QString &verb,
                 const std::function<void()> &change)
{
    QList<DateValue> dates;
    for (const TrainingDay *day : calendar.SelectedDays())
        dates.append(day->GetDate());
    RecordOn(history, verb, dates, change);
}

QList<DateValue> RangeDates(const DateValue &start, int days)
{
    QList<DateValue> dates;
    for (int day = 0; day <= days; ++day)
        dates.append(start.AddDays(day));
    return dates;
}

} // namespace WindowHistory
