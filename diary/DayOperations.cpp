#include "diary/DayOperations.h"

#include "diary/CalendarView.h"
#include "diary/DayPreview.h"
#include "editing/CDayDlg.h"
#include "editing/CDayTabCtrl.h"
#include "editing/CTrainingDlg.h"
#include "model/DiaryDatabase.h"
#include "model/TrainingDay.h"
#include "model/Workout.h"
#include "widgets/CGridCtrl.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>

#include <memory>

namespace {

const char RemoveQuestion[] =
    QT_TRANSLATE_NOOP("DayOperations", "Do you really want to remove selected day(s)?");
const QString SwapOrMergeQuestion = QCoreApplication::translate(
    "DayOperations",
    "There are some trainings dated to this day.\nIf you want to swap days press "
    "'Yes'.\nIf you want to merge training days press 'No'.\nPress 'Cancel' to do "
    "nothing.");
const QString MoveOrCopyQuestion = QCoreApplication::translate(
    "DayOperations",
    "You have selected an empty day.\nIf you want to move trainings here press "
    "'Yes'.\nIf you want to make a copy of this day press 'No'.\nPress 'Cancel' to "
    "do nothing.");

constexpr QMessageBox::StandardButtons YesNoCancel =
    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

} // namespace

DayOperations::DayOperations(QWidget &window, CalendarView &calendar, DayPreview &preview,
                             DiaryDatabase &database)
    : m_window(window)
    , m_calendar(calendar)
    , m_preview(preview)
    , m_database(database)
{
}

// ---- Cells -----------------------------------------------------------------------------------

void DayOperations::SetDateCellDay(const TrainingDay &day, TrainingDay *shown)
{
    // The day's date may lie outside the range shown now (the range changed during a move).
    const CalendarCell cell = m_calendar.CellOf(day.GetDate());
    if (cell.IsValid())
        m_calendar.SetCellDay(cell.row, cell.col, shown);
}

void DayOperations::ShowDayOfDate(const DateValue &date)
{
    // A diary may hold a second record of a date; the cell then shows that one.
    const CalendarCell cell = m_calendar.CellOf(date);
    if (cell.IsValid())
        m_calendar.SetCellDay(cell.row, cell.col, m_database.FindDay(date));
}

void DayOperations::RemoveDayOf(const TrainingDay *day)
{
    // Nothing may keep referring to a day once it is deleted.
    if (m_preview.WorkoutArea()->GetDay() == day)
        m_preview.WorkoutArea()->SetDay(nullptr);
    if (m_pendingMoveSource == day)
        m_pendingMoveSource = nullptr;
    for (int index = 0; index < m_database.GetDayCount(); ++index) {
        if (m_database.GetDay(index) == day) {
            m_database.RemoveDay(index);
            return;
        }
    }
}

// ---- Add workout and the day dialog ----------------------------------------------------------

void DayOperations::AddWorkoutToDay()
{
    const CCellID focus = m_calendar.Grid()->GetFocusCell();
    if (m_calendar.IsInRange(focus.row, focus.col) && !m_calendar.DayAt(focus.row, focus.col)) {
        auto created = std::make_unique<TrainingDay>();
        created->SetDate(m_calendar.DateAt(focus.row, focus.col));
        TrainingDay *day = created.get();
        m_database.AddDay(std::move(created));

        CTrainingDlg dialog(&m_window);
        if (dialog.exec() == QDialog::Accepted) {
            auto workout = std::make_unique<Workout>();
            workout->SetName(dialog.GetName());
            day->AddWorkout(std::move(workout));
            m_calendar.SetCellDay(focus.row, focus.col, day);
            CDayTabCtrl *tabs = m_preview.WorkoutArea();
            tabs->SetDay(day);
            if (tabs->GetTabCount() > 0)
                tabs->SelectWorkout(tabs->GetTabCount() - 1);
        } else {
            // The cell does not refer to the day yet: only the database holds it.
            RemoveDayOf(day);
        }
    }
    m_calendar.SelectDay(focus.row, focus.col);
}

void DayOperations::ViewDay()
{
    const CCellID focus = m_calendar.Grid()->GetFocusCell();
    if (!m_calendar.IsInRange(focus.row, focus.col))
        return;
    if (!m_calendar.Grid()->IsValid(focus.row, focus.col)) {
        MessageBox::Error(&m_window,
                          QCoreApplication::translate(
                              "DayOperations", "Error! Training could not be dated to this day."));
        return;
    }
    if (!m_calendar.DayAt(focus.row, focus.col))
        AddWorkoutToDay();
    TrainingDay *day = m_database.FindDay(m_calendar.DateAt(focus.row, focus.col));
    if (!day)
        return; // "Add workout" was cancelled

    TrainingDay backup;
    backup.CopyExactFrom(*day);
    // The dialog may delete workouts the area below the calendar shows; it lets go of them first.
    m_preview.WorkoutArea()->SetDay(nullptr);

    CDayDlg dialog(&m_window);
    dialog.SetImageSet(m_calendar.UsesShields());
    dialog.SetDay(day);
    if (dialog.exec() == QDialog::Accepted) {
        if (day->IsEmpty()) {
            RemoveFocusedDay();
            day = nullptr;
        } else {
            m_calendar.SetCellDay(focus.row, focus.col, day);
        }
    } else {
        // The dialog edited the day in place: put back every field, statuses and notes included.
        // The day stays the same object, so the cell and the database list stay as they were.
        day->CopyExactFrom(backup);
    }
    ShowDayAfterDialog(day);
}

void DayOperations::ShowDayAfterDialog(TrainingDay *day)
{
    // The day dialog may have changed the exercise columns' widths and ticks.
    CDayTabCtrl *tabs = m_preview.WorkoutArea();
    tabs->ReloadColumnSettings();
    tabs->SetDay(day);
    m_calendar.Grid()->viewport()->update();
}

// ---- Remove ----------------------------------------------------------------------------------

void DayOperations::Remove()
{
    const CCellID focus = m_calendar.Grid()->GetFocusCell();
    if (!m_calendar.DayAt(focus.row, focus.col))
        return;
    if (MessageBox::Question(&m_window,
                             QCoreApplication::translate("DayOperations", RemoveQuestion)) ==
        QMessageBox::Yes)
        RemoveSelectedDays();
}

void DayOperations::RemoveSelectedDays()
{
    CGridCtrl *grid = m_calendar.Grid();
    const CCellRange selected = grid->GetSelectedCellRange();
    if (!selected.IsValid())
        return;
    for (int row = selected.minRow; row <= selected.maxRow; ++row) {
        for (int col = selected.minCol; col <= selected.maxCol; ++col) {
            if (!m_calendar.IsInRange(row, col) || !grid->IsCellSelected(row, col))
                continue;
            const DateValue date = m_calendar.DateAt(row, col);
            if (TrainingDay *day = m_database.FindDay(date)) {
                RemoveDayOf(day);
                ShowDayOfDate(date);
            }
        }
    }
    const CCellID focus = grid->GetFocusCell();
    m_calendar.SelectDay(focus.row, focus.col);
    m_preview.WorkoutArea()->SetDay(nullptr);
}

void DayOperations::RemoveFocusedDay()
{
    const CCellID focus = m_calendar.Grid()->GetFocusCell();
    m_calendar.Grid()->SetSelectedRange(focus.row, focus.col, focus.row, focus.col);
    RemoveSelectedDays();
}

// ---- Move ------------------------------------------------------------------------------------

void DayOperations::StartMove()
{
    const CCellID focus = m_calendar.Grid()->GetFocusCell();
    TrainingDay *day = m_calendar.DayAt(focus.row, focus.col);
    if (day && !day->IsEmpty()) {
        m_pendingMoveSource = day;
        MessageBox::Information(
            &m_window, QCoreApplication::translate("DayOperations", "Choose the target day."));
    } else {
        MessageBox::Information(
            &m_window, QCoreApplication::translate("DayOperations", "Select the day first."));
    }
}

bool DayOperations::MoveTo(int row, int col)
{
    TrainingDay *source = std::exchange(m_pendingMoveSource, nullptr);
    if (!source || !m_calendar.IsInRange(row, col))
        return true;
    TrainingDay *target = m_calendar.DayAt(row, col);
    // The source's own date: swapping a day with itself or merging it into itself is no move.
    if (m_calendar.DateAt(row, col) == source->GetDate())
        return false;

    if (target) {
        switch (MessageBox::Question(&m_window, SwapOrMergeQuestion, YesNoCancel)) {
        case QMessageBox::Yes:
            SwapDays(*source, *target);
            m_lastMoveKind = QCoreApplication::translate("DayOperations", "Swap");
            break;
        case QMessageBox::No:
            MergeDays(*source, *target);
            m_lastMoveKind = QCoreApplication::translate("DayOperations", "Merge");
            break;
        default:
            break;
        }
    } else {
        switch (MessageBox::Question(&m_window, MoveOrCopyQuestion, YesNoCancel)) {
        case QMessageBox::Yes:
            MoveDay(*source, row, col);
            m_lastMoveKind = QCoreApplication::translate("DayOperations", "Move");
            break;
        case QMessageBox::No:
            CopyDay(*source, row, col);
            m_lastMoveKind = QCoreApplication::translate("DayOperations", "Copy");
            break;
        default:
            break;
        }
    }
    return true;
}

void DayOperations::SwapDays(TrainingDay &source, TrainingDay &target)
{
    const DateValue a = source.GetDate();
    const DateValue b = target.GetDate();
    SetDateCellDay(source, &target);
    SetDateCellDay(target, &source);
    source.SetDate(b);
    target.SetDate(a);
}

void DayOperations::MergeDays(TrainingDay &source, TrainingDay &target)
{
    for (int index = 0; index < source.GetWorkoutCount(); ++index) {
        auto copy = std::make_unique<Workout>();
        copy->CopyFrom(*source.GetWorkout(index));
        target.AddWorkout(std::move(copy));
    }
    const DateValue date = source.GetDate();
    RemoveDayOf(&source);
    ShowDayOfDate(date);
}

void DayOperations::MoveDay(TrainingDay &source, int row, int col)
{
    const DateValue oldDate = source.GetDate();
    source.SetDate(m_calendar.DateAt(row, col));
    ShowDayOfDate(oldDate);
    m_calendar.SetCellDay(row, col, &source);
}

void DayOperations::CopyDay(const TrainingDay &source, int row, int col)
{
    auto copy = std::make_unique<TrainingDay>();
    copy->CopyFrom(source);
    copy->SetDate(m_calendar.DateAt(row, col));
    TrainingDay *shown = copy.get();
    m_database.AddDay(std::move(copy));
    m_calendar.SetCellDay(row, col, shown);
}
