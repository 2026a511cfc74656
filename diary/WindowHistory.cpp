#include "diary/WindowHistory.h"

#include <QCoreApplication>

#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "diary/DayOperations.h"
#include "diary/DiaryHistory.h"
#include "diary/MainMenu.h"
#include "editing/CDayTabCtrl.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"

namespace WindowHistory {

namespace {

QList<DateValue> FocusDates(const CRepbookDlg &window)
{
    const CCellID focus = window.Grid()->GetFocusCell();
    if (!window.IsInRange(focus.row, focus.col))
        return {};
    return {window.DateAt(focus.row, focus.col)};
}

void RecordOn(DiaryHistory &history, const QString &verb, const QList<DateValue> &dates,
              const std::function<void()> &change)
{
    history.Record(verb + QLatin1Char(' ') + DiaryHistory::DatesText(dates), dates, change);
}

} // namespace

DiaryHistory *Create(CRepbookDlg &window, DiaryDatabase &database,
                     const std::function<bool()> &isBusy, const std::function<void()> &showDays)
{
    CDayTabCtrl *area = window.WorkoutArea();
    const auto releaseDays = [&window, area] {
        area->SetDay(nullptr);
        window.DayCommands().CancelMove();
    };
    auto *history = new DiaryHistory(
        database, &window,
        {.isBusy = isBusy, .days = {.releaseDays = releaseDays, .daysChanged = showDays}});
    history->BindActions(window.Commands()->Action(CommandId::Undo),
                         window.Commands()->Action(CommandId::Redo));
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

void OnFocus(DiaryHistory &history, const CRepbookDlg &window, const QString &verb,
             const std::function<void()> &change)
{
    RecordOn(history, verb, FocusDates(window), change);
}

void OnSelection(DiaryHistory &history, const CRepbookDlg &window, const QString &verb,
                 const std::function<void()> &change)
{
    QList<DateValue> dates;
    for (const TrainingDay *day : window.SelectedDays())
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
