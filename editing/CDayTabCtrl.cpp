#include "editing/CDayTabCtrl.h"

#include "editing/CEmptyDlg.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/DayDlgIds.h"
#include "images/RepbookColours.h"
#include "model/ExerciseColumns.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"

#include <QEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace {

namespace Col = ExerciseColumns;

} // namespace

CDayTabCtrl::CDayTabCtrl(QWidget *parent)
    : QWidget(parent)
    , m_tabs(new CWorkoutTabBar(this))
    , m_grid(new CGridCtrl(this))
    , m_placeholder(new CEmptyDlg(this))
    , m_columns(m_grid, this)
    , m_statusMenu(m_grid, this,
                   {.commitEdits =
                        [this] {
                            EndEditing();
                            WriteBack();
                        },
                    .exerciseAt = [this](int row) { return ExerciseAt(row); },
                    .showAgain = [this] { ShowWorkout(m_shownWorkout); }})
    , m_rows(m_grid)
    , m_pane(*this, *m_tabs, *m_grid, *m_placeholder)
{
    m_tabs->setObjectName(QStringLiteral("workoutTabs"));
    m_tabs->setAccessibleName(tr("Workouts"));
    m_tabs->SetImageProvider([this](int index) { return TabImage(index); });
    m_tabs->hide();
    connect(m_tabs, &QTabBar::currentChanged, this, &CDayTabCtrl::OnTabChanged);

    m_boldFont = font();
    m_boldFont.setBold(true);

    m_grid->setObjectName(QStringLiteral("exerciseGrid"));
    m_grid->setAccessibleName(tr("Exercises"));
    m_grid->SetEditable(false);
    m_grid->SetGridBkColour(palette().color(QPalette::Light));
    m_grid->SetEnterEdits(true);
    m_columns.RegisterCellClasses(font(), m_boldFont, m_unit);
    connect(m_grid, &CGridCtrl::cellDoubleClicked, this, &CDayTabCtrl::OnCellDoubleClicked);
    connect(m_grid, &CGridCtrl::cellRightClicked, this, &CDayTabCtrl::OnCellRightClicked);
    // An edit that ended is not in the model yet: nothing written in the grid is lost, whatever
    // the host does with the edit.
    connect(m_grid, &CGridCtrl::editEnded, this, [this] { m_gridInSync = false; });

    m_placeholder->setObjectName(QStringLiteral("placeholder"));
    connect(m_placeholder, &CEmptyDlg::hintDoubleClicked, this, &CDayTabCtrl::hintDoubleClicked);

    // Keyboard: the next and previous workout from anywhere inside the control.
    m_tabs->AddSwitchKeys(this);

    ShowGrid(false);
    SetHint(DayDlgIds::HintNoWorkouts);
}

CDayTabCtrl::~CDayTabCtrl()
{
    // The host may be going away too: an open edit is taken into the grid without telling it.
    {
        const QSignalBlocker quiet(m_grid);
        if (EndEditing())
            m_gridInSync = false;
    }
    WriteBack();
}

void CDayTabCtrl::FollowWeightUnit()
{
    if (m_shownWorkout >= 0 && WeightUnitSetting::Read() != m_unit)
        ShowWorkout(m_shownWorkout);
}

void CDayTabCtrl::TakeWeightUnit()
{
    // Only between a write-back and a new fill, so the grid's texts never mix two units.
    const WeightUnit unit = WeightUnitSetting::Read();
    if (unit == m_unit)
        return;
    m_unit = unit;
    m_columns.RegisterCellClasses(font(), m_boldFont, m_unit);
}

// ---- Binding and showing ---------------------------------------------------------------------

bool CDayTabCtrl::SetDay(TrainingDay *day)
{
    if (day != m_day) {
        EndEditing();
        WriteBack();
        m_day = day;
    }
    RebuildTabs();
    return true;
}

void CDayTabCtrl::RebuildTabs()
{
    EndEditing();
    if (m_day != nullptr) {
        m_statuses.Load();
    }
    // The grid's rows belong to the old list of workouts: nothing of them is written back.
    m_shownWorkout = -1;
    m_gridInSync = true;

    SetTabsSilently(-1);
    if (m_day == nullptr || m_day->IsEmpty()) {
        m_grid->DeleteAllItems();
        ShowGrid(false);
        m_tabs->hide();
        SetHint(DayDlgIds::HintNoWorkouts);
        m_pane.Place();
        emit shownWorkoutStatusChanged(-1);
        return;
    }

    {
        const QSignalBlocker quiet(m_tabs);
        for (int i = 0; i < m_day->GetWorkoutCount(); ++i)
            m_tabs->AddNamedTab(m_day->GetWorkout(i)->GetName());
        m_tabs->setCurrentIndex(0);
    }
    m_tabs->show();
    m_pane.Place();
    ShowWorkout(0);
}

void CDayTabCtrl::ShowWorkout(int index)
{
    EndEditing();
    if (index >= 0 && index == m_shownWorkout)
        WriteBack();
    else
        m_shownWorkout = index;
    UpdateTabSpeech();
    TakeWeightUnit();

    m_grid->DeleteAllItems();
    m_grid->SetFixedRowCount(1);
    for (int col = 0; col < Col::Count; ++col)
        m_grid->InsertColumn(Col::Heading(col, m_unit), Col::Info(col).alignment);
    m_columns.ReadTicks();
    m_grid->SetListMode(true);
    m_grid->SetGridBkColour(RepbookColours::For(palette()).oddRow);

    const Workout *workout = WorkoutAt(index);
    if (workout == nullptr || workout->IsEmpty()) {
        ShowGrid(false);
        if (workout != nullptr)
            SetHint(DayDlgIds::HintNoExercises);
        emit shownWorkoutStatusChanged(workout != nullptr ? index : -1);
        return;
    }
    SetHint(DayDlgIds::NoHint);
    ShowGrid(true);

    for (int i = 0; i < workout->GetExerciseCount(); ++i) {
        const int row = m_grid->InsertRow();
        FillRow(row, *workout->GetExercise(i));
    }
    LayoutColumns();
    m_grid->ClearSelection();
    m_grid->SetFocusCell(1, Col::Exercise);
    emit shownWorkoutStatusChanged(index);
}

int CDayTabCtrl::SelectWorkout(int index)
{
    EndEditing();
    WriteBack();
    if (index >= 0 && index < m_tabs->count()) {
        SetTabsSilently(index);
        ShowWorkout(index);
    }
    return GetCurSel();
}

void CDayTabCtrl::OnTabChanged(int index)
{
    if (m_changingTabs)
        return;
    EndEditing();
    WriteBack();
    ShowWorkout(index);
}

void CDayTabCtrl::SetTabsSilently(int index)
{
    m_changingTabs = true;
    if (index < 0) {
        while (m_tabs->count() > 0)
            m_tabs->removeTab(m_tabs->count() - 1);
    } else {
        m_tabs->setCurrentIndex(index);
    }
    m_changingTabs = false;
}

void CDayTabCtrl::FillRow(int row, const ExerciseEntry &exercise)
{
    m_rows.Fill(row, exercise, m_unit, m_boldFont);
    m_grid->SetItemImage(row, Col::Status, m_statuses.Image(exercise.GetStatus()));
    m_grid->SetItemProperty(row, Col::Status, Qt::AccessibleTextRole,
                            m_statuses.Name(exercise.GetStatus()));
    m_rows.Colour(row);
}

void CDayTabCtrl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange || m_grid->GetColumnCount() != Col::Count)
        return;
    // The rows keep their colours as cell values: they follow a new appearance here.
    m_grid->SetGridBkColour(RepbookColours::For(palette()).oddRow);
    for (int row = 1; row < m_grid->GetRowCount(); ++row)
        m_rows.Colour(row);
}

void CDayTabCtrl::RefreshRows()
{
    const Workout *workout = WorkoutAt(m_shownWorkout);
    if (workout == nullptr || m_grid->GetColumnCount() != Col::Count)
        return;
    const int rows = qMin(workout->GetExerciseCount(), m_grid->GetRowCount() - 1);
    for (int i = 0; i < rows; ++i)
        FillRow(i + 1, *workout->GetExercise(i));
    // An edited text may need more room, or give some back, so the columns are laid out again.
    LayoutColumns();
    m_tabs->update();
}

bool CDayTabCtrl::WriteBack()
{
    if (m_grid->GetColumnCount() == Col::Count)
        m_columns.StoreWidths();
    if (m_gridInSync)
        return false;
    Workout *workout = WorkoutAt(m_shownWorkout);
    if (WorkoutAt(GetCurSel()) != nullptr && workout != nullptr &&
        m_grid->GetColumnCount() == Col::Count) {
        m_rows.CopyBack(*workout, m_unit);
    }
    m_gridInSync = true;
    return true;
}

bool CDayTabCtrl::EndEditing()
{
    return m_grid->EndEditing();
}

// ---- State -----------------------------------------------------------------------------------

void CDayTabCtrl::SetProgramMode(bool programMode)
{
    m_statuses.SetProgramMode(programMode);
    UpdateTabSpeech();
    m_tabs->update();
}

void CDayTabCtrl::SetHint(int hintId)
{
    m_placeholder->SetHint(hintId);
    if (hintId != 0)
        m_placeholder->raise();
    m_pane.Place();
}

Workout *CDayTabCtrl::WorkoutAt(int index) const
{
    if (m_day == nullptr || index < 0 || index >= m_day->GetWorkoutCount())
        return nullptr;
    return m_day->GetWorkout(index);
}

Workout *CDayTabCtrl::SelectedWorkout() const
{
    return WorkoutAt(GetCurSel());
}

ExerciseEntry *CDayTabCtrl::ExerciseAt(int row) const
{
    Workout *workout = WorkoutAt(m_shownWorkout);
    if (workout == nullptr || row < 1 || row > workout->GetExerciseCount())
        return nullptr;
    return workout->GetExercise(row - 1);
}

const QPixmap *CDayTabCtrl::TabImage(int index) const
{
    const Workout *workout = WorkoutAt(index);
    if (workout == nullptr)
        return nullptr;
    return m_statuses.Image(workout->GetStatus());
}

void CDayTabCtrl::UpdateTabSpeech()
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (const Workout *workout = WorkoutAt(i))
            m_tabs->SetTabStatus(i, m_statuses.Name(workout->GetStatus()));
    }
}

// ---- Columns ---------------------------------------------------------------------------------

void CDayTabCtrl::ReloadColumnSettings()
{
    m_columns.ReadTicks();
    m_columns.Layout();
}

void CDayTabCtrl::LayoutColumns()
{
    m_columns.Layout();
}

// ---- Mouse -----------------------------------------------------------------------------------

void CDayTabCtrl::OnCellDoubleClicked(int row, int col)
{
    if (col == Col::Status && row >= 1 && m_grid->IsEditable())
        CycleStatus(row);
}

void CDayTabCtrl::OnCellRightClicked(int row, int col, const QPoint &globalPos)
{
    if (row == 0)
        m_columns.ShowMenu(globalPos);
    else if (row >= 1 && row < m_grid->GetRowCount())
        m_statusMenu.ShowMenu(row, col, globalPos);
}

void CDayTabCtrl::CycleStatus(int row)
{
    m_statusMenu.Cycle(row);
}

// ---- Geometry --------------------------------------------------------------------------------

void CDayTabCtrl::ShowGrid(bool show)
{
    m_grid->setVisible(show);
    setFocusProxy(show ? static_cast<QWidget *>(m_grid) : static_cast<QWidget *>(m_tabs));
}

QSize CDayTabCtrl::sizeHint() const
{
    return QSize(560, 300);
}

QSize CDayTabCtrl::minimumSizeHint() const
{
    return QSize(240, m_tabs->sizeHint().height() + 80);
}

void CDayTabCtrl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_pane.Place();
    if (!m_grid->isHidden())
        LayoutColumns();
}

void CDayTabCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_pane.Paint(painter);
}
