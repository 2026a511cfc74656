#pragma once

#include "model/DateValue.h"

#include <QList>
#include <QString>

#include <functional>

class CalendarView;
class DayOperations;
class DayPreview;
class DiaryDatabase;
class DiaryHistory;
class MainMenu;
class QWidget;

// The main window's side of the history: a DiaryHistory wired to the window's Undo and Redo
// commands and its workout area, and the steps of the window's commands, named after what they
// do and the date they do it on ("Notes 12 March", "Remove 3 days").
namespace WindowHistory {

// The history is a child of window, bound to the Undo and Redo commands; undo and redo let go
// of the preview's day and of a pending move first. isBusy holds undo and redo back; showDays
// makes everything that shows days look them up again.
DiaryHistory *Create(QWidget &window, const MainMenu &commands, const DayPreview &preview,
                     DayOperations &operations, DiaryDatabase &database,
                     const std::function<bool()> &isBusy, const std::function<void()> &showDays);

// Records change as a step on the focused cell's date, or on the dates of the selected days.
void OnFocus(DiaryHistory &history, const CalendarView &calendar, const QString &verb,
             const std::function<void()> &change);
void OnSelection(DiaryHistory &history, const CalendarView &calendar, const QString &verb,
                 const std::function<void()> &change);

// The dates start .. start + days.
QList<DateValue> RangeDates(const DateValue &start, int days);

} // namespace WindowHistory
