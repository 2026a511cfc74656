#include "editing/CEditorDlg.h"

#include "editing/CDayTabCtrl.h"
#include "editing/DayDlgIds.h"
#include "editing/EditorIds.h"
#include "editing/IDayCellOwner.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

namespace Id = DayDlgIds;
namespace Ed = EditorIds;

constexpr QSize DesignedDialogSize(920, 500);
constexpr int DayGridWidth = 150;
constexpr int OpenButtonWidth = 132;
// A program day's row is three quarters as high as the list is wide.
constexpr double DayRowAspect = 0.75;

} // namespace

CEditorDlg::CEditorDlg(QWidget *parent, const IDayCellOwner *cellOwner)
    : CDayDlg(Ed::DialogId, parent)
    , m_dayGrid(new CGridCtrl(this))
    , m_days(m_dayGrid, *this, cellOwner)
    , m_files(*this, m_program, [this] {
        CommitEdit();
        GetTabCtrl()->WriteBack();
    })
{
    setWindowTitle(tr("Workout programs editor"));
    GetTabCtrl()->SetProgramMode(true);
    // The tabs and the exercise grid use the image set of the day list, the one chosen.
    SetImageSet(m_days.CellOwner().DayCellImages().shields());

    BuildDayGrid();
    BuildEditorCommands();
    BuildEditorMenus();
    BuildEditorButtons();
    BuildEditorAccelerators();
    SetDesignedSize(DesignedDialogSize);
}

CEditorDlg::~CEditorDlg()
{
    disconnect(m_dayGrid, nullptr, this, nullptr);
    // The tab control goes after the program: it must not write back into a deleted day.
    GetTabCtrl()->SetDay(nullptr);
    SetCurrentDay(nullptr);
}

// ---- Building --------------------------------------------------------------------------------

void CEditorDlg::BuildDayGrid()
{
    LeftPane()->addWidget(m_dayGrid);
    connect(m_dayGrid, &CGridCtrl::selectionChangedTo, this, &CEditorDlg::OnDaySelected);
    connect(m_dayGrid, &CGridCtrl::cellDoubleClicked, this, [this] { RunCommand(Id::AddWorkout); });
}

void CEditorDlg::BuildEditorCommands()
{
    DefineCommand(Ed::New, tr("New...\tCtrl + N"));
    DefineCommand(Ed::Open, tr("Open...\tCtrl + O"));
    DefineCommand(Ed::Close, tr("Close\tCtrl + W"));
    DefineCommand(Ed::Save, tr("Save\tCtrl + S"));
    DefineCommand(Ed::SaveAs, tr("Save as..."));
    DefineCommand(Ed::Exit, tr("Exit\tCtrl + X"));
    DefineCommand(Ed::AddDay, tr("Day"));
    DefineCommand(Ed::MoveDayUp, tr("Up"));
    DefineCommand(Ed::MoveDayDown, tr("Down"));
    DefineCommand(Ed::RemoveSelectedExercises, tr("Selected exercise(s)\tDel"));
    DefineCommand(Ed::RemoveDay, tr("Day"));
    DefineCommand(Ed::ClearProgram, tr("Clear"));
}

void CEditorDlg::BuildEditorMenus()
{
    QMenuBar *bar = MenuBar();
    const QList<QMenu *> dayMenus = bar->findChildren<QMenu *>(Qt::FindDirectChildrenOnly);
    bar->clear();
    qDeleteAll(dayMenus);

    AddCommands(bar->addMenu(tr("&File")),
                {Ed::New, Ed::Open, Ed::Close, MenuSeparator, Ed::Save, Ed::SaveAs, MenuSeparator,
                 Ed::Exit});

    const std::initializer_list<int> adding {Id::AddExercise, Id::AddWorkout, Ed::AddDay};
    AddCommands(bar->addMenu(tr("&Add")), adding);
    AddEditMenu(bar, tr("Move day"), {Ed::MoveDayUp, Ed::MoveDayDown});

    const std::initializer_list<int> removing {Ed::RemoveSelectedExercises,
                                               Id::RemoveAllExercises,
                                               MenuSeparator,
                                               Id::RemoveWorkout,
                                               MenuSeparator,
                                               Ed::RemoveDay,
                                               MenuSeparator,
                                               Ed::ClearProgram};
    AddCommands(bar->addMenu(tr("&Remove")), removing);

    auto *addMenu = new QMenu(this);
    addMenu->setObjectName(QStringLiteral("editorAddMenu"));
    AddCommands(addMenu, adding);
    Button(Id::AddButton)->SetDropDownMenu(addMenu);

    auto *removeMenu = new QMenu(this);
    removeMenu->setObjectName(QStringLiteral("editorRemoveMenu"));
    AddCommands(removeMenu, removing);
    // The button's menu names its workout entry "Workout...", unlike the menu bar.
    QAction *removeWorkout = CommandAction(Id::RemoveWorkout);
    auto *removeWorkoutEntry = new QAction(tr("Workout..."), removeMenu);
    connect(removeWorkoutEntry, &QAction::triggered, this,
            [this] { RunCommand(Id::RemoveWorkout); });
    removeMenu->insertAction(removeWorkout, removeWorkoutEntry);
    removeMenu->removeAction(removeWorkout);
    Button(Id::RemoveButton)->SetDropDownMenu(removeMenu);
}

void CEditorDlg::BuildEditorButtons()
{
    // Program days have no status worth marking.
    Button(Id::StatusButton)->hide();

    CPictureButton *save = Button(Id::OkButton);
    save->setText(tr("Save"));
    save->SetImage(ResourceImages::Pixmap(ImageId::ButtonSave));
    Button(Id::CancelButton)->setText(tr("Exit"));
    Button(Id::RemoveButton)->setToolTip(tr("Remove selected exercise(s) or day(s)"));

    // "Open" stands with the other file buttons, "Save" and "Exit", and moves with them.
    auto *open = new CPictureButton(ImageId::ButtonOpen, tr("Open"), this);
    open->setObjectName(QStringLiteral("openButton"));
    open->SetImagePlacement(CPictureButton::Placement::Left);
    open->setMinimumWidth(OpenButtonWidth);
    connect(open, &QToolButton::clicked, this, [this] { RunCommand(Ed::Open); });
    QBoxLayout *row = BottomRow();
    row->insertWidget(row->indexOf(save), open);
    setTabOrder(GetTabCtrl()->GetGrid(), open);
    setTabOrder(open, save);
}

void CEditorDlg::BuildEditorAccelerators()
{
    // The editing keys rest while a cell editor is open, so that Del and Ins act inside it.
    RemoveAccelerators();
    AddAccelerator(QKeySequence(Qt::Key_Insert), Id::AddExercise);
    AddAccelerator(QKeySequence(Qt::Key_Delete), Ed::Remove);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_A), Id::SelectAll);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Up), Id::MoveExerciseUp);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Down), Id::MoveExerciseDown);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Left), Id::MoveWorkoutLeft);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Right), Id::MoveWorkoutRight);

    // The file keys act always; an open cell edit is committed first.
    const QList<std::pair<QKeySequence, int>> fileKeys = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), Ed::New},
        {QKeySequence(Qt::CTRL | Qt::Key_O), Ed::Open},
        {QKeySequence(Qt::CTRL | Qt::Key_W), Ed::Close},
        {QKeySequence(Qt::CTRL | Qt::Key_S), Ed::Save},
        {QKeySequence(Qt::CTRL | Qt::Key_X), Ed::Exit},
    };
    for (const auto &[keys, commandId] : fileKeys) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, id = commandId] { RunCommand(id); });
        addAction(action);
    }
}

// ---- Opening and the list of days ------------------------------------------------------------

void CEditorDlg::OnOpen()
{
    CDayDlg::OnOpen();
    RefreshDays();
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
    SetCurrentDay(day);
    GetTabCtrl()->SetDay(day);
    UpdateStatusButton(-1);
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
    CommitEdit();
    ShowDay(day);
}

void CEditorDlg::resizeEvent(QResizeEvent *event)
{
    CDayDlg::resizeEvent(event);
    m_days.FitRows();
}

// ---- Commands --------------------------------------------------------------------------------

void CEditorDlg::RunCommand(int commandId)
{
    switch (commandId) {
    case Ed::New:
    case Ed::Close:
        OnNew();
        break;
    case Ed::Open:
        OnOpenFile();
        break;
    case Ed::Save:
        OnSave();
        break;
    case Ed::SaveAs:
        OnSaveAs();
        break;
    case Ed::Exit:
        OnExit();
        break;
    case Ed::AddDay:
        OnAddDay();
        break;
    case Ed::MoveDayUp:
        OnMoveDay(-1);
        break;
    case Ed::MoveDayDown:
        OnMoveDay(1);
        break;
    case Ed::RemoveDay:
        OnRemoveDays();
        break;
    case Ed::Remove:
    case Ed::RemoveSelectedExercises:
    case Id::RemoveSelectedExercises: // the "Remove" button
        OnRemove();
        break;
    case Ed::ClearProgram:
        OnClear();
        break;
    default:
        // The day dialog's commands on the current day; its cell shows the workouts.
        CDayDlg::RunCommand(commandId);
        m_days.Repaint();
        break;
    }
}

void CEditorDlg::OnHint(int hintId)
{
    if (hintId == Id::HintEmptyProgram)
        RunCommand(Ed::Open);
    else
        CDayDlg::OnHint(hintId);
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
    CDayDlg::keyPressEvent(event);
}

void CEditorDlg::OnAddDay()
{
    CommitEdit();
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
    CommitEdit();
    if (m_program.GetDayCount() == 0)
        OnAddDay();
    if (GetDay() != nullptr)
        CDayDlg::OnAddWorkout();
    m_days.Repaint();
}

void CEditorDlg::OnAddExercise()
{
    CommitEdit();
    if (GetDay() == nullptr || GetDay()->IsEmpty())
        OnAddWorkout();
    if (GetDay() != nullptr && !GetDay()->IsEmpty())
        CDayDlg::OnAddExercise();
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
    CommitEdit();
    const Workout *workout = GetTabCtrl()->SelectedWorkout();
    if (workout != nullptr && workout->GetExerciseCount() < 2) {
        OnMoveDay(step);
        return;
    }
    if (step < 0)
        CDayDlg::MoveExerciseUp();
    else
        CDayDlg::MoveExerciseDown();
}

void CEditorDlg::OnMoveDay(int step)
{
    CommitEdit();
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
    CommitEdit();
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
    CommitEdit();
    const TrainingDay *day = GetDay();
    if (day != nullptr && day->IsEmpty()) {
        OnRemoveDays();
        return;
    }
    OnRemoveSelectedExercises();
    RefreshDays();
    // The list takes the focus at its first day, which the tabs then show.
    m_days.SelectRow(0);
    OnDaySelected(0, 0);
    m_dayGrid->setFocus(Qt::OtherFocusReason);
}

void CEditorDlg::OnClear()
{
    CommitEdit();
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
        CDayDlg::OnCancel();
}

void CEditorDlg::OnOK()
{
    OnSave();
}

void CEditorDlg::OnCancel()
{
    OnExit();
}
