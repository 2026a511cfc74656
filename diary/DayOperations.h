#pragma once

#include <QString>

class CalendarView;
class DateValue;
class DayPreview;
class DiaryDatabase;
class QWidget;
class TrainingDay;

// The main window's commands that change the diary: creating a day with its first workout,
// opening a day in the day dialog, removing days, and moving, copying, swapping or merging a day
// onto another date. They work on the calendar's cells and the day preview; the window only
// parents their dialogs. Cells only refer to days; the database owns them. After every operation a
// week cell in the range refers to the day of its date, and a cell outside the range to none.
class DayOperations
{
public:
    DayOperations(QWidget &window, CalendarView &calendar, DayPreview &preview,
                  DiaryDatabase &database);

    // Creates the focused day with a first workout chosen in "Add workout"; Cancel there removes
    // the day again. A cell that already holds a day is left as it is.
    void AddWorkoutToDay();
    // Opens the focused day in the day dialog (creating it first when needed). Cancel restores
    // the day exactly as it was; OK on a day without workouts removes it.
    void ViewDay();
    // Asks, then removes every selected day; nothing happens when the focused cell holds no day.
    void Remove();
    void RemoveSelectedDays();
    void RemoveFocusedDay();

    // Move, first step: remembers the focused day as the source.
    void StartMove();
    bool IsMovePending() const { return m_pendingMoveSource != nullptr; }
    TrainingDay *PendingMoveSource() const { return m_pendingMoveSource; }
    void CancelMove() { m_pendingMoveSource = nullptr; }
    // The move step onto the cell the user selected while a move is pending. Returns false when
    // the cell is the source's own cell: that is no move at all, and the caller treats the
    // selection as an ordinary one.
    bool MoveTo(int row, int col);
    // What the last move step did: "Swap", "Merge", "Move" or "Copy".
    const QString &LastMoveKind() const { return m_lastMoveKind; }

private:
    void SetDateCellDay(const TrainingDay &day, TrainingDay *shown);
    void ShowDayOfDate(const DateValue &date);
    void RemoveDayOf(const TrainingDay *day);
    void SwapDays(TrainingDay &source, TrainingDay &target);
    void MergeDays(TrainingDay &source, TrainingDay &target);
    void MoveDay(TrainingDay &source, int row, int col);
    void CopyDay(const TrainingDay &source, int row, int col);
    void ShowDayAfterDialog(TrainingDay *day);

    QWidget &m_window;
    CalendarView &m_calendar;
    DayPreview &m_preview;
    DiaryDatabase &m_database;
    TrainingDay *m_pendingMoveSource = nullptr;
    QString m_lastMoveKind;
};
