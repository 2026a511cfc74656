#include "editing/CEditorDlg.h"

#include "editing/CDayTabCtrl.h"
#include "editing/DayDlgIds.h"
#include "editing/DayEditingPanel.h"
#include "editing/EditorControls.h"
#include "editing/EditorIds.h"
#include "editing/IDayCellOwner.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"
#include "widgets/MessageBox.h"

#include <QBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShowEvent>

#include <functional>

namespace {

namespace Id = DayDlgIds;
namespace Ed = EditorIds;

constexpr QSize DesignedDialogSize(920, 500);

} // namespace

CEditorDlg::CEditorDlg(QWidget *parent, const IDayCellOwner *cellOwner)
    : CResizingDialog(Ed::DialogId, parent)
    , m_panel(new DayEditingPanel(this))
    , m_menuBar(new QMenuBar(this))
    , m_dayGrid(new CGridCtrl(this))
    , m_days(m_dayGrid, *this, cellOwner)
    , m_files(*this, m_program, [this] { m_panel->TakeEdits(); })
{
    setWindowTitle(tr("Workout programs editor"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::AppIcon));
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    GetTabCtrl()->SetProgramMode(true);
    // The tabs and the exercise grid use the image set of the day list, the one chosen.
    m_panel->SetImageSet(m_days.CellOwner().DayCellImages().shields());

    MapCommands();
    BuildLayout();
    EditorControls::Build(*m_panel, *m_menuBar, *this);
    SetDesignedSize(DesignedDialogSize);

    connect(m_dayGrid, &CGridCtrl::selectionChangedTo, this, &CEditorDlg::OnDaySelected);
    connect(m_dayGrid, &CGridCtrl::cellDoubleClicked, this, [this] { RunCommand(Id::AddWorkout); });
    connect(GetTabCtrl(), &CDayTabCtrl::hintDoubleClicked, this, &CEditorDlg::OnHint);
}

CEditorDlg::~CEditorDlg()
{
    disconnect(m_dayGrid, nullptr, this, nullptr);
    disconnect(GetTabCtrl(), nullptr, this, nullptr);
    // The tab control goes after the program: it must not write back into a deleted day.
    GetTabCtrl()->SetDay(nullptr);
    m_panel->SetDay(nullptr);
}

// ---- Building --------------------------------------------------------------------------------

void CEditorDlg::MapCommands()
{
    const QHash<int, std::function<void()>> handlers = {
        {Ed::New, [this] { OnNew(); }},
        {Ed::Close, [this] { OnNew(); }},
        {Ed::Open, [this] { OnOpenFile(); }},
        {Ed::Save, [this] { OnSave(); }},
        {Ed::SaveAs, [this] { OnSaveAs(); }},
        {Ed::Exit, [this] { OnExit(); }},
        {Ed::AddDay, [this] { OnAddDay(); }},
        {Ed::MoveDayUp, [this] { OnMoveDay(-1); }},
        {Ed::MoveDayDown, [this] { OnMoveDay(1); }},
        {Ed::RemoveDay, [this] { OnRemoveDays(); }},
        {Ed::Remove, [this] { OnRemove(); }},
        {Ed::RemoveSelectedExercises, [this] { OnRemove(); }},
        {Id::RemoveSelectedExercises, [this] { OnRemove(); }}, // Del and the "Remove" button
        {Ed::ClearProgram, [this] { OnClear(); }},
        // The day commands done the editor's way.
        {Id::AddWorkout, [this] { OnAddWorkout(); }},
        {Id::AddExercise, [this] { OnAddExercise(); }},
        {Id::MoveExerciseUp, [this] { MoveExerciseUp(); }},
        {Id::MoveExerciseDown, [this] { MoveExerciseDown(); }},
        {Id::Clear, [this] { OnClear(); }},
    };
    for (auto it = handlers.cbegin(); it != handlers.cend(); ++it)
        m_panel->SetCommand(it.key(), it.value());
    // The other day commands change the current day, whose cell shows its workouts.
    m_panel->SetAfterDayCommand([this] { m_days.Repaint(); });
}

void CEditorDlg::BuildLayout()
{
    auto *outer = new QHBoxLayout(this);
    outer->setMenuBar(m_menuBar);
    auto *leftPane = new QVBoxLayout;
    leftPane->setContentsMargins(0, 0, 0, 0);
    leftPane->addWidget(m_dayGrid);
    outer->addLayout(leftPane);
    outer->addWidget(m_panel, 1);
}

// ---- Opening and the list of days ------------------------------------------------------------

void CEditorDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_panel->Open();
        RefreshDays();
    }
    CResizingDialog::showEvent(event);
}

CDayTabCtrl *CEditorDlg::GetTabCtrl() const
{
    return m_panel->GetTabCtrl();
}

TrainingDay *CEditorDlg::GetDay() const
{
    return m_panel->GetDay();
}

int CEditorDlg::CurrentDayIndex() const
{
    const TrainingDay *current = GetDay();
    for (int i = 0; current != nullptr && i < m_program.GetDayCount(); ++i) {
        if (m_program.GetDay(i) == current)
            return i;
    }
    return -1;
}

void CEditorDlg::ShowDay(TrainingDay *day)
{
    m_panel->SetDay(day);
    GetTabCtrl()->SetDay(day);
    m_panel->UpdateStatusButton(-1);
}

void CEditorDlg::RefreshDays()
{
    TrainingDay *current = CurrentDayIndex() >= 0 ? GetDay() : nullptr;
    m_days.Fill(m_program);
    if (m_program.GetDayCount() == 0) {
        ShowDay(nullptr);
        GetTabCtrl()->SetHint(Id::HintEmptyProgram);
        m_days.Repaint();
        return;
    }

    if (current == nullptr)
        current = m_program.GetDay(0);
    if (current != GetDay() || GetTabCtrl()->GetDay() != current)
        ShowDay(current);
    m_days.SelectRow(CurrentDayIndex());
    m_days.Repaint();
}

void CEditorDlg::OnDaySelected(int row, int col)
{
    if (!m_dayGrid->IsValid(row, col) || row >= m_program.GetDayCount())
        return;
    TrainingDay *day = m_program.GetDay(row);
    if (day == GetDay())
        return;
    m_panel->CommitEdit();
    ShowDay(day);
}

void CEditorDlg::resizeEvent(QResizeEvent *event)
{
    CResizingDialog::resizeEvent(event);
    m_days.FitRows();
}

// ---- Commands --------------------------------------------------------------------------------

void CEditorDlg::RunCommand(int commandId)
{
    m_panel->RunCommand(commandId);
}

void CEditorDlg::OnHint(int hintId)
{
    // The panel answers the hints of a day; the one of an empty program is the editor's.
    if (hintId == Id::HintEmptyProgram)
        RunCommand(Ed::Open);
}

void CEditorDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter saves: "Save" is the default button.
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        RunCommand(Ed::Save);
        return;
    }
    CResizingDialog::keyPressEvent(event);
}

void CEditorDlg::OnAddDay()
{
    m_panel->CommitEdit();
    const int count = m_program.GetDayCount();
    if (count > 0 && m_program.GetDay(count - 1)->IsEmpty()) {
        MessageBox::Information(this, tr("You need to fill the current day first."));
        return;
    }
    const int index = m_program.AddDay(std::make_unique<TrainingDay>());
    ShowDay(m_program.GetDay(index));
    RefreshDays();
    m_dayGrid->setFocus(Qt::OtherFocusReason);
}

void CEditorDlg::OnAddWorkout()
{
    m_panel->CommitEdit();
    if (m_program.GetDayCount() == 0)
        OnAddDay();
    if (GetDay() != nullptr)
        m_panel->Editing().OnAddWorkout();
    m_days.Repaint();
}

void CEditorDlg::OnAddExercise()
{
    m_panel->CommitEdit();
    if (GetDay() == nullptr || GetDay()->IsEmpty())
        OnAddWorkout();
    if (GetDay() != nullptr && !GetDay()->IsEmpty())
        m_panel->Editing().OnAddExercise();
    m_days.Repaint();
}

void CEditorDlg::MoveExerciseUp()
{
    MoveDayOrExercise(-1);
}

void CEditorDlg::MoveExerciseDown()
{
    MoveDayOrExercise(1);
}

void CEditorDlg::MoveDayOrExercise(int step)
{
    // With nothing to reorder in the shown workout, the keys move the whole day.
    m_panel->CommitEdit();
    const Workout *workout = GetTabCtrl()->SelectedWorkout();
    if (workout != nullptr && workout->GetExerciseCount() < 2) {
        OnMoveDay(step);
        return;
    }
    m_panel->Editing().MoveExercise(step);
    m_days.Repaint();
}

void CEditorDlg::OnMoveDay(int step)
{
    m_panel->CommitEdit();
    const int count = m_program.GetDayCount();
    const int index = CurrentDayIndex();
    const int target = index + step;
    if (count < 2 || index < 0 || target < 0 || target >= count)
        return;
    // Swap the two days without deleting either: the current day stays the one shown.
    std::unique_ptr<TrainingDay> moved;
    std::unique_ptr<TrainingDay> displaced;
    m_program.ReplaceDay(index, std::make_unique<TrainingDay>(), false, &moved);
    m_program.ReplaceDay(target, std::move(moved), false, &displaced);
    m_program.ReplaceDay(index, std::move(displaced), true);
    GetTabCtrl()->SetInSync(true);
    RefreshDays();
    m_dayGrid->setFocus(Qt::OtherFocusReason);
}

void CEditorDlg::OnRemoveDays()
{
    m_panel->CommitEdit();
    QList<int> rows;
    for (int row = 0; row < m_dayGrid->GetRowCount() && row < m_program.GetDayCount(); ++row) {
        if (m_dayGrid->IsCellSelected(row, 0))
            rows.append(row);
    }
    if (rows.isEmpty())
        return;
    // The tab control lets go of the shown day before any day is deleted.
    ShowDay(nullptr);
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        m_program.RemoveDay(*it);
    // The first remaining day is shown, and its row is the highlighted one.
    if (m_program.GetDayCount() > 0)
        ShowDay(m_program.GetDay(0));
    RefreshDays();
}

void CEditorDlg::OnRemove()
{
    m_panel->CommitEdit();
    const TrainingDay *day = GetDay();
    if (day != nullptr && day->IsEmpty()) {
        OnRemoveDays();
        return;
    }
    m_panel->Editing().OnRemoveSelectedExercises();
    RefreshDays();
    // The list takes the focus at its first day, which the tabs then show.
    m_days.SelectRow(0);
    OnDaySelected(0, 0);
    m_dayGrid->setFocus(Qt::OtherFocusReason);
}

void CEditorDlg::OnClear()
{
    m_panel->CommitEdit();
    ShowDay(nullptr);
    m_program.RemoveAllDays();
    RefreshDays();
}

// ---- Files -----------------------------------------------------------------------------------

void CEditorDlg::OnNew()
{
    if (!m_files.MaySetAside())
        return;
    ShowDay(nullptr);
    m_program.Open(QString()); // no days, no file
    RefreshDays();
}

void CEditorDlg::OnOpenFile()
{
    if (!m_files.MaySetAside() || !m_files.OpenChosen([this] { ShowDay(nullptr); }))
        return;
    RefreshDays();
    if (m_dayGrid->GetRowCount() > 0) {
        m_days.SelectRow(0);
        m_dayGrid->setFocus(Qt::OtherFocusReason);
    }
}

bool CEditorDlg::OnSave()
{
    return m_files.Save();
}

bool CEditorDlg::OnSaveAs()
{
    return m_files.SaveAs();
}

void CEditorDlg::OnExit()
{
    if (m_files.MaySetAside())
        CResizingDialog::reject();
}

void CEditorDlg::reject()
{
    OnExit();
}

void CEditorDlg::done(int result)
{
    // Pending grid edits go into the program day, whichever way the dialog closes.
    m_panel->TakeEdits();
    CResizingDialog::done(result);
}
