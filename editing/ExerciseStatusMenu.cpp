#include "editing/ExerciseStatusMenu.h"

#include "editing/DayDlgIds.h"
#include "model/ExerciseColumns.h"
#include "model/ExerciseEntry.h"
#include "widgets/CGridCtrl.h"

#include <QCoreApplication>
#include <QMenu>

#include <array>
#include <utility>

namespace Col = ExerciseColumns;

ExerciseStatusMenu::ExerciseStatusMenu(CGridCtrl *grid, QWidget *menuParent, Rows rows)
    : m_grid(grid)
    , m_menu(new QMenu(menuParent))
    , m_rows(std::move(rows))
{
    m_menu->setObjectName(QStringLiteral("exerciseStatusMenu"));
    const std::array<std::pair<ProgressStatus, int>, 3> marks {{
        {ProgressStatus::Done, DayDlgIds::MarkDone},
        {ProgressStatus::Failed, DayDlgIds::MarkFailed},
        {ProgressStatus::NotYet, DayDlgIds::MarkNotYet},
    }};
    for (const auto &[status, command] : marks) {
        QAction *action =
            m_menu->addAction(QCoreApplication::translate("CDayTabCtrl", "Mark exercise(s) as '%1'")
                                  .arg(StatusName(status)));
        action->setData(command);
    }
}

void ExerciseStatusMenu::ShowMenu(int row, int col, const QPoint &globalPos)
{
    const QAction *chosen = m_menu->exec(globalPos);
    if (chosen == nullptr)
        return;
    switch (chosen->data().toInt()) {
    case DayDlgIds::MarkDone:
        MarkSelected(ProgressStatus::Done, row, col);
        break;
    case DayDlgIds::MarkFailed:
        MarkSelected(ProgressStatus::Failed, row, col);
        break;
    case DayDlgIds::MarkNotYet:
        MarkSelected(ProgressStatus::NotYet, row, col);
        break;
    default:
        break;
    }
}

QList<int> ExerciseStatusMenu::SelectedRows(int column) const
{
    QList<int> rows;
    const CCellRange range = m_grid->GetSelectedCellRange();
    if (!range.IsValid())
        return rows;
    for (int row = qMax(1, range.minRow); row <= range.maxRow; ++row) {
        if (m_grid->IsCellSelected(row, column))
            rows.append(row);
    }
    return rows;
}

void ExerciseStatusMenu::SelectRows(const QList<int> &rows)
{
    m_grid->ClearSelection();
    QItemSelection selection;
    for (const int row : rows) {
        if (row < 1 || row >= m_grid->GetRowCount())
            continue;
        const QModelIndex index = m_grid->model()->index(row - 1, 0);
        selection.select(index, index);
    }
    m_grid->selectionModel()->select(selection,
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ExerciseStatusMenu::MarkSelected(ProgressStatus status, int focusRow, int focusCol)
{
    m_rows.commitEdits();
    const QList<int> rows = SelectedRows(Col::Exercise);
    for (const int row : rows) {
        if (ExerciseEntry *exercise = m_rows.exerciseAt(row))
            exercise->SetStatus(status);
    }
    m_rows.showAgain();
    SelectRows(rows);
    m_grid->SetFocusCell(focusRow, focusCol);
}

void ExerciseStatusMenu::Cycle(int row)
{
    m_rows.commitEdits();
    ExerciseEntry *exercise = m_rows.exerciseAt(row);
    if (exercise == nullptr)
        return;
    switch (exercise->GetStatus()) {
    case ProgressStatus::NotYet:
        exercise->SetStatus(ProgressStatus::Done);
        break;
    case ProgressStatus::Done:
        exercise->SetStatus(ProgressStatus::Failed);
        break;
    default:
        exercise->SetStatus(ProgressStatus::NotYet);
        break;
    }
    const QList<int> rows = SelectedRows(Col::Status);
    const CCellID focus = m_grid->GetFocusCell();
    m_rows.showAgain();
    SelectRows(rows);
    m_grid->SetFocusCell(focus);
}
