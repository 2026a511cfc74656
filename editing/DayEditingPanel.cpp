#include "editing/DayEditingPanel.h"

#include "editing/CDayTabCtrl.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/DayDlgIds.h"
#include "images/ImageIds.h"
#include "images/StatusImageSet.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

namespace Id = DayDlgIds;

// Sizes of the buttons, in pixels.
constexpr int WideButtonWidth = 132;
constexpr int SideButtonWidth = 78;
constexpr int SideButtonHeight = 78;

} // namespace

DayEditingPanel::DayEditingPanel(QWidget *window)
    : QWidget(window)
    , m_tabCtrl(new CDayTabCtrl(this))
    , m_dayEditing(*window, m_tabCtrl)
{
    m_tabCtrl->setObjectName(QStringLiteral("tabCtrl"));

    MapCommands();
    DefineCommands();
    BuildButtons();
    BuildButtonMenus();
    BuildLayout();
    BuildAccelerators();

    CGridCtrl *grid = m_tabCtrl->GetGrid();
    connect(grid, &CGridCtrl::editBegun, this, &DayEditingPanel::OnEditBegun);
    connect(grid, &CGridCtrl::editEnded, this, &DayEditingPanel::OnEditEnded);
    connect(m_tabCtrl, &CDayTabCtrl::hintDoubleClicked, this, &DayEditingPanel::OnHint);
    connect(m_tabCtrl, &CDayTabCtrl::shownWorkoutStatusChanged, this,
            &DayEditingPanel::UpdateStatusButton);
}

DayEditingPanel::~DayEditingPanel()
{
    // The tab control goes with the panel; its last write-back must not call back in here.
    disconnect(m_tabCtrl, nullptr, this, nullptr);
    disconnect(m_tabCtrl->GetGrid(), nullptr, this, nullptr);
}

// ---- Commands --------------------------------------------------------------------------------

void DayEditingPanel::MapCommands()
{
    DayEditing &editing = m_dayEditing;
    m_commandHandlers = {
        {Id::AddExercise, [&editing] { editing.OnAddExercise(); }},
        {Id::AddWorkout, [&editing] { editing.OnAddWorkout(); }},
        {Id::RemoveSelectedExercises, [&editing] { editing.OnRemoveSelectedExercises(); }},
        {Id::RemoveAllExercises, [&editing] { editing.OnRemoveAllExercises(); }},
        {Id::RemoveWorkout, [&editing] { editing.OnRemoveWorkout(); }},
        {Id::Clear, [&editing] { editing.OnClear(); }},
        {Id::SelectAll, [&editing] { editing.OnSelectAll(); }},
        {Id::MoveExerciseUp, [&editing] { editing.MoveExercise(-1); }},
        {Id::MoveExerciseDown, [&editing] { editing.MoveExercise(1); }},
        {Id::MoveWorkoutLeft, [&editing] { editing.MoveWorkout(-1); }},
        {Id::MoveWorkoutRight, [&editing] { editing.MoveWorkout(1); }},
        {Id::MarkDone, [this] { OnMarkWorkout(ProgressStatus::Done); }},
        {Id::MarkFailed, [this] { OnMarkWorkout(ProgressStatus::Failed); }},
        {Id::MarkNotYet, [this] { OnMarkWorkout(ProgressStatus::NotYet); }},
        {Id::RenameWorkout, [&editing] { editing.OnRenameWorkout(); }},
    };
}

void DayEditingPanel::RunCommand(int commandId)
{
    if (const auto handler = m_windowHandlers.value(commandId)) {
        handler();
        return;
    }
    if (const auto handler = m_commandHandlers.value(commandId))
        handler();
    if (m_afterDayCommand)
        m_afterDayCommand();
}

void DayEditingPanel::SetCommand(int commandId, std::function<void()> handler)
{
    m_windowHandlers.insert(commandId, std::move(handler));
}

QAction *DayEditingPanel::DefineCommand(int commandId, const QString &text)
{
    if (QAction *existing = m_commands.value(commandId))
        return existing;
    auto *action = new QAction(text, this);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
    m_commands.insert(commandId, action);
    return action;
}

QAction *DayEditingPanel::CommandAction(int commandId) const
{
    return m_commands.value(commandId);
}

void DayEditingPanel::DefineCommands()
{
    // A tab in a menu text separates the shortcut shown on the right.
    DefineCommand(Id::AddExercise, tr("Exercise...\tIns"));
    DefineCommand(Id::AddWorkout, tr("Workout..."));
    DefineCommand(Id::MoveExerciseUp, tr("Up\tCtrl + Up"));
    DefineCommand(Id::MoveExerciseDown, tr("Down\tCtrl + Down"));
    DefineCommand(Id::MoveWorkoutLeft, tr("Left\tCtrl + Left"));
    DefineCommand(Id::MoveWorkoutRight, tr("Right\tCtrl + Right"));
    DefineCommand(Id::RenameWorkout, tr("Rename workout..."));
    DefineCommand(Id::RemoveSelectedExercises, tr("Selected exercise(s)\tDel"));
    DefineCommand(Id::RemoveAllExercises, tr("All exercises"));
    DefineCommand(Id::RemoveWorkout, tr("Workout"));
    DefineCommand(Id::Clear, tr("Clear"));
    DefineCommand(Id::SelectAll, tr("Select all"));
    DefineCommand(Id::MarkDone, tr("Mark workout as 'Done'"));
    DefineCommand(Id::MarkFailed, tr("Mark workout as 'Failed'"));
    DefineCommand(Id::MarkNotYet, tr("Mark workout as 'Not yet'"));
}

void DayEditingPanel::AddCommands(QMenu *menu, std::initializer_list<int> commandIds) const
{
    for (const int id : commandIds) {
        if (id == MenuSeparator)
            menu->addSeparator();
        else
            menu->addAction(CommandAction(id));
    }
}

QMenu *DayEditingPanel::AddEditMenu(QMenuBar *bar, const QString &extraMoves,
                                    std::initializer_list<int> extraCommands) const
{
    QMenu *edit = bar->addMenu(tr("&Edit"));
    AddCommands(edit->addMenu(tr("Move exercise(s)")), {Id::MoveExerciseUp, Id::MoveExerciseDown});
    AddCommands(edit->addMenu(tr("Move workout")), {Id::MoveWorkoutLeft, Id::MoveWorkoutRight});
    if (!extraMoves.isEmpty())
        AddCommands(edit->addMenu(extraMoves), extraCommands);
    edit->addSeparator();
    edit->addAction(CommandAction(Id::RenameWorkout));
    return edit;
}

void DayEditingPanel::OnHint(int hintId)
{
    if (hintId == Id::HintNoWorkouts)
        RunCommand(Id::AddWorkout);
    else if (hintId == Id::HintNoExercises)
        RunCommand(Id::AddExercise);
}

// ---- Building --------------------------------------------------------------------------------

void DayEditingPanel::BuildButtons()
{
    struct ButtonSpec
    {
        int id;
        int image;
        QString text;
        CPictureButton::Placement placement;
        const char *name;
    };
    using P = CPictureButton::Placement;
    const QList<ButtonSpec> specs = {
        {Id::AddButton, ImageId::ButtonAdd, tr("Add exercise"), P::Only, "addButton"},
        {Id::RemoveButton, ImageId::ButtonRemove, tr("Remove selected exercise(s)"), P::Only,
         "removeButton"},
        {Id::MoveLeftButton, ImageId::ButtonMoveLeft, tr("Move left"), P::Left, "moveLeftButton"},
        {Id::MoveRightButton, ImageId::ButtonMoveRight, tr("Move right"), P::Right,
         "moveRightButton"},
        {Id::StatusButton, ImageId::StatusShieldNotYet32, tr("Workout status"), P::Only,
         "statusButton"},
        {Id::MoveUpButton, ImageId::ButtonMoveUp, tr("Move up"), P::Above, "moveUpButton"},
        {Id::MoveDownButton, ImageId::ButtonMoveDown, tr("Move down"), P::Below, "moveDownButton"},
        {Id::ClearButton, ImageId::ButtonClear, tr("Clear"), P::Left, "clearButton"},
        {Id::OkButton, ImageId::ButtonOk, tr("OK"), P::Left, "okButton"},
        {Id::CancelButton, ImageId::ButtonCancel, tr("Cancel"), P::Left, "cancelButton"},
    };
    for (const ButtonSpec &wanted : specs) {
        auto *button = new CPictureButton(wanted.image, wanted.text, this);
        button->setObjectName(QLatin1String(wanted.name));
        button->SetImagePlacement(wanted.placement);
        m_buttons.insert(wanted.id, button);
    }

    const QList<std::pair<int, int>> clicks = {
        {Id::AddButton, Id::AddExercise},
        {Id::RemoveButton, Id::RemoveSelectedExercises},
        {Id::MoveLeftButton, Id::MoveWorkoutLeft},
        {Id::MoveRightButton, Id::MoveWorkoutRight},
        {Id::MoveUpButton, Id::MoveExerciseUp},
        {Id::MoveDownButton, Id::MoveExerciseDown},
        {Id::ClearButton, Id::Clear},
    };
    for (const auto &[buttonId, commandId] : clicks) {
        connect(m_buttons.value(buttonId), &QToolButton::clicked, this,
                [this, commandId = commandId] { RunCommand(commandId); });
    }
    // The status button shows a picture or nothing: without a workout it stays blank.
    CPictureButton *status = m_buttons.value(Id::StatusButton);
    status->setText(QString());
    status->setToolTip(tr("Workout status"));
    status->setAccessibleName(tr("Workout status"));
    status->ClearImage();
}

void DayEditingPanel::BuildButtonMenus()
{
    auto *addMenu = new QMenu(this);
    addMenu->setObjectName(QStringLiteral("addMenu"));
    AddCommands(addMenu, {Id::AddExercise, Id::AddWorkout});
    Button(Id::AddButton)->SetDropDownMenu(addMenu);

    auto *removeMenu = new QMenu(this);
    removeMenu->setObjectName(QStringLiteral("removeMenu"));
    AddCommands(
        removeMenu,
        {Id::RemoveSelectedExercises, Id::RemoveAllExercises, MenuSeparator, Id::RemoveWorkout});
    Button(Id::RemoveButton)->SetDropDownMenu(removeMenu);

    auto *statusMenu = new QMenu(this);
    statusMenu->setObjectName(QStringLiteral("statusMenu"));
    AddCommands(statusMenu, {Id::MarkDone, Id::MarkFailed, Id::MarkNotYet});
    Button(Id::StatusButton)->SetWholeButtonMenu(statusMenu);
}

void DayEditingPanel::BuildLayout()
{
    for (const int id : {Id::AddButton, Id::RemoveButton, Id::MoveLeftButton, Id::MoveRightButton,
                         Id::ClearButton, Id::OkButton, Id::CancelButton})
        Button(id)->setMinimumWidth(WideButtonWidth);
    for (const int id : {Id::StatusButton, Id::MoveUpButton, Id::MoveDownButton})
        Button(id)->setFixedWidth(SideButtonWidth);
    Button(Id::MoveUpButton)->setFixedHeight(SideButtonHeight);
    Button(Id::MoveDownButton)->setFixedHeight(SideButtonHeight);
    // The status button stands as high as the buttons of its row.
    Button(Id::StatusButton)->setFixedHeight(Button(Id::MoveLeftButton)->sizeHint().height());

    auto *topRow = new QHBoxLayout;
    for (const int id : {Id::AddButton, Id::RemoveButton, Id::MoveLeftButton, Id::MoveRightButton})
        topRow->addWidget(Button(id));
    topRow->addStretch(1);

    auto *side = new QVBoxLayout;
    // "Move up" starts level with the grid, below the tab row.
    side->addSpacing(m_tabCtrl->GetTabBar()->sizeHint().height() + 6);
    side->addWidget(Button(Id::MoveUpButton));
    side->addStretch(1);
    side->addWidget(Button(Id::MoveDownButton));

    m_bottomRow = new QHBoxLayout;
    m_bottomRow->addWidget(Button(Id::ClearButton));
    m_bottomRow->addStretch(1);
    m_bottomRow->addWidget(Button(Id::OkButton));
    m_bottomRow->addWidget(Button(Id::CancelButton));

    auto *main = new QGridLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->addLayout(topRow, 0, 0);
    main->addWidget(Button(Id::StatusButton), 0, 1);
    main->addWidget(m_tabCtrl, 1, 0);
    main->addLayout(side, 1, 1);
    main->addLayout(m_bottomRow, 2, 0);
    main->setColumnStretch(0, 1);
    main->setRowStretch(1, 1);

    setTabOrder(m_tabCtrl->GetGrid(), Button(Id::OkButton));
    setTabOrder(Button(Id::OkButton), Button(Id::CancelButton));
}

CPictureButton *DayEditingPanel::Button(int controlId) const
{
    return m_buttons.value(controlId);
}

// ---- Accelerators ----------------------------------------------------------------------------

void DayEditingPanel::BuildAccelerators()
{
    AddAccelerator(QKeySequence(Qt::Key_Insert), Id::AddExercise);
    AddAccelerator(QKeySequence(Qt::Key_Delete), Id::RemoveSelectedExercises);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_A), Id::SelectAll);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Up), Id::MoveExerciseUp);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Down), Id::MoveExerciseDown);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Left), Id::MoveWorkoutLeft);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Right), Id::MoveWorkoutRight);
}

QAction *DayEditingPanel::AddAccelerator(const QKeySequence &keys, int commandId)
{
    // Apart from the menus, so that resting accelerators leave the menu items usable.
    auto *action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
    addAction(action);
    m_accelerators.append(action);
    UpdateAccelerators();
    return action;
}

void DayEditingPanel::UpdateAccelerators()
{
    for (QAction *action : std::as_const(m_accelerators))
        action->setEnabled(!m_editing);
}

// ---- The day and its editing -----------------------------------------------------------------

void DayEditingPanel::SetDay(TrainingDay *day)
{
    m_day = day;
    m_dayEditing.SetDay(day);
}

void DayEditingPanel::Open()
{
    m_editing = false;
    UpdateAccelerators();
    m_tabCtrl->SetImageSet(m_shields);
    m_tabCtrl->SetDay(m_day);
    m_tabCtrl->GetGrid()->SetEditable(true);
    m_tabCtrl->setFocus(Qt::OtherFocusReason);
}

void DayEditingPanel::CommitEdit()
{
    m_tabCtrl->EndEditing();
}

void DayEditingPanel::TakeEdits()
{
    CommitEdit();
    m_tabCtrl->WriteBack();
}

void DayEditingPanel::OnEditBegun()
{
    m_editing = true;
    UpdateAccelerators();
}

void DayEditingPanel::OnEditEnded()
{
    m_editing = false;
    UpdateAccelerators();
    m_tabCtrl->SetInSync(false);
    m_tabCtrl->WriteBack();
    // The write-back may have refused values or made exercises Done: the rows show the day.
    m_tabCtrl->RefreshRows();
}

void DayEditingPanel::OnMarkWorkout(ProgressStatus status)
{
    if (!m_dayEditing.OnMarkWorkout(status))
        return;
    UpdateStatusButton(m_tabCtrl->GetCurSel());
    m_tabCtrl->GetTabBar()->repaint();
}

void DayEditingPanel::UpdateStatusButton(int workoutIndex)
{
    CPictureButton *button = Button(Id::StatusButton);
    if (m_day == nullptr || workoutIndex < 0 || workoutIndex >= m_day->GetWorkoutCount()) {
        button->ClearImage();
        button->setAccessibleDescription(QString());
        return;
    }
    const ProgressStatus status = m_day->GetWorkout(workoutIndex)->GetStatus();
    const StatusImageSet images(m_shields, StatusImageSize::Large32);
    button->SetImage(images.ForStatus(static_cast<int>(status)));
    button->setAccessibleDescription(StatusName(status));
}
