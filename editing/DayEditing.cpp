#include "editing/DayEditing.h"

#include "editing/CDayTabCtrl.h"
#include "editing/CExerciseDlg.h"
#include "editing/CTrainingDlg.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/DayDlgIds.h"
#include "model/ExerciseColumns.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>

#include <memory>

namespace {

namespace Id = DayDlgIds;

constexpr int LastColumn = ExerciseColumns::Count - 1;

} // namespace

DayEditing::DayEditing(QWidget &parent, CDayTabCtrl *tabs)
    : m_parent(parent)
    , m_tabs(tabs)
{
}

int DayEditing::AddWorkout()
{
    if (m_day == nullptr)
        return -1;
    CTrainingDlg dialog(&m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    auto workout = std::make_unique<Workout>();
    workout->SetName(dialog.GetName());
    return m_day->AddWorkout(std::move(workout));
}

void DayEditing::OnAddWorkout()
{
    m_tabs->EndEditing();
    const int index = AddWorkout();
    if (index < 0)
        return;
    m_tabs->RebuildTabs();
    m_tabs->SelectWorkout(index);
}

int DayEditing::AddExercise()
{
    Workout *workout = m_tabs->SelectedWorkout();
    if (m_day == nullptr || m_day->IsEmpty() || workout == nullptr)
        return -1;
    CExerciseDlg dialog(&m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    auto exercise = std::make_unique<ExerciseEntry>();
    exercise->SetName(dialog.GetName());
    return workout->AddExercise(std::move(exercise));
}

void DayEditing::OnAddExercise()
{
    m_tabs->EndEditing();
    if (m_day == nullptr)
        return;
    if (m_day->IsEmpty()) {
        const int workout = AddWorkout();
        if (workout >= 0) {
            m_tabs->RebuildTabs();
            m_tabs->SelectWorkout(workout);
        }
    }
    if (m_day->IsEmpty())
        return;
    const int index = AddExercise();
    if (index < 0)
        return;
    m_tabs->ShowWorkout(m_tabs->GetCurSel());
    SelectRow(index + 1);
}

int DayEditing::RemoveWorkout()
{
    const int index = m_tabs->GetCurSel();
    if (m_day == nullptr)
        return 0;
    if (index >= 0 && index < m_day->GetWorkoutCount()) {
        m_day->RemoveWorkout(index);
        m_tabs->RebuildTabs();
        if (m_day->GetWorkoutCount() > 0)
            m_tabs->SelectWorkout(qMin(index, m_day->GetWorkoutCount() - 1));
    }
    return m_day->GetWorkoutCount();
}

void DayEditing::OnRemoveWorkout()
{
    m_tabs->EndEditing();
    const int left = RemoveWorkout();
    m_tabs->RebuildTabs();
    if (left > 0)
        m_tabs->SelectWorkout(left - 1);
}

void DayEditing::OnRemoveSelectedExercises()
{
    m_tabs->EndEditing();
    if (m_day == nullptr || m_day->IsEmpty())
        return;
    Workout *workout = m_tabs->SelectedWorkout();
    if (workout == nullptr)
        return;
    if (workout->IsEmpty()) {
        RemoveWorkout();
        return;
    }
    const CGridCtrl *grid = m_tabs->GetGrid();
    QList<int> rows;
    const int lastRow = qMin(grid->GetRowCount() - 1, workout->GetExerciseCount());
    for (int row = 1; row <= lastRow; ++row) {
        if (grid->IsCellSelected(row, ExerciseColumns::Status))
            rows.append(row);
    }
    if (rows.isEmpty())
        return;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        workout->RemoveExercise(*it - 1);
    m_tabs->SetInSync(true);
    m_tabs->ShowWorkout(m_tabs->GetCurSel());
    SelectRow(rows.first() - 1);
}

void DayEditing::OnRemoveAllExercises()
{
    m_tabs->EndEditing();
    Workout *workout = m_tabs->SelectedWorkout();
    if (workout == nullptr)
        return;
    workout->RemoveAllExercises();
    m_tabs->SetInSync(true);
    m_tabs->ShowWorkout(m_tabs->GetCurSel());
}

void DayEditing::OnClear()
{
    m_tabs->EndEditing();
    if (m_day == nullptr)
        return;
    m_day->RemoveAllWorkouts();
    m_tabs->RebuildTabs();
    m_tabs->SetHint(Id::HintNoWorkouts);
}

void DayEditing::OnSelectAll()
{
    const Workout *workout = m_tabs->SelectedWorkout();
    if (workout == nullptr || workout->IsEmpty() || m_tabs->GetGrid()->IsEditing())
        return;
    CGridCtrl *grid = m_tabs->GetGrid();
    grid->SetSelectedRange(1, 0, grid->GetRowCount() - 1, LastColumn);
    grid->SetFocusCell(1, ExerciseColumns::Exercise);
}

void DayEditing::SelectRow(int row)
{
    // Row 0 is the heading row: it takes the selection while the focus goes to the first
    // exercise.
    CGridCtrl *grid = m_tabs->GetGrid();
    if (row >= 0 && row < grid->GetRowCount()) {
        grid->SetSelectedRange(row, 0, row, LastColumn);
    } else {
        grid->ClearSelection();
    }
    row = qMax(row, 1);
    grid->SetFocusCell(row, ExerciseColumns::Exercise);
    grid->EnsureVisible(row, ExerciseColumns::Exercise);
}

void DayEditing::MoveExercise(int step)
{
    m_tabs->EndEditing();
    Workout *workout = m_tabs->SelectedWorkout();
    if (workout == nullptr)
        return;
    const int index = m_tabs->GetGrid()->GetFocusCell().row - 1;
    const int target = index + step;
    if (index < 0 || index >= workout->GetExerciseCount() || target < 0 ||
        target >= workout->GetExerciseCount())
        return;
    workout->InsertExercise(target, workout->TakeExercise(index));
    m_tabs->SetInSync(true);
    m_tabs->ShowWorkout(m_tabs->GetCurSel());
    SelectRow(target + 1);
}

void DayEditing::MoveWorkout(int step)
{
    m_tabs->EndEditing();
    if (m_day == nullptr)
        return;
    const int index = m_tabs->GetCurSel();
    const int target = index + step;
    if (index < 0 || index >= m_day->GetWorkoutCount() || target < 0 ||
        target >= m_day->GetWorkoutCount())
        return;
    m_day->InsertWorkout(target, m_day->TakeWorkout(index));
    m_tabs->RebuildTabs();
    m_tabs->SelectWorkout(target);
}

bool DayEditing::OnMarkWorkout(ProgressStatus status)
{
    m_tabs->EndEditing();
    if (m_day == nullptr || m_day->IsEmpty())
        return false;
    Workout *workout = m_tabs->SelectedWorkout();
    if (workout == nullptr)
        return false;
    workout->SetStatus(status, true);
    m_tabs->ShowWorkout(m_tabs->GetCurSel());
    return true;
}

void DayEditing::OnRenameWorkout()
{
    m_tabs->EndEditing();
    Workout *workout = m_tabs->SelectedWorkout();
    if (m_day == nullptr || workout == nullptr) {
        MessageBox::Information(&m_parent, tr("Select workout first."));
        return;
    }
    const int index = m_tabs->GetCurSel();
    CTrainingDlg dialog(&m_parent);
    dialog.SetTitle(tr("Rename workout"));
    dialog.SetName(workout->GetName());
    if (dialog.exec() == QDialog::Accepted)
        workout->SetName(dialog.GetName()); // an empty name is refused: the old one stays
    m_tabs->RebuildTabs();
    m_tabs->SelectWorkout(index);
    m_tabs->GetTabBar()->repaint();
}
