#include "editing/CDayDlg.h"

#include "editing/CDayTabCtrl.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/DayDlgIds.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "images/StatusImageSet.h"
#include "model/StatusCheck.h"
#include "model/TrainingDay.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

namespace Id = DayDlgIds;

// Sizes of the buttons, in pixels.
constexpr int WideButtonWidth = 132;
constexpr int SideButtonWidth = 78;
constexpr int SideButtonHeight = 78;
constexpr QSize DesignedDialogSize(760, 500);

} // namespace

CDayDlg::CDayDlg(QWidget *parent)
    : CDayDlg(DayDlgIds::DialogId, parent)
{
}

CDayDlg::CDayDlg(int dialogId, QWidget *parent)
    : CResizingDialog(dialogId, parent)
    , m_tabCtrl(new CDayTabCtrl(this))
    , m_menuBar(new QMenuBar(this))
    , m_dayEditing(*this, m_tabCtrl)
{
    setWindowTitle(tr("Workout planning"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::AppIcon));
    m_tabCtrl->setObjectName(QStringLiteral("tabCtrl"));
    m_menuBar->setObjectName(QStringLiteral("menuBar"));

    BuildCommands();
    BuildButtons();
    BuildMenus();
    BuildLayout();
    BuildAccelerators();
    SetDesignedSize(DesignedDialogSize);

    CGridCtrl *grid = m_tabCtrl->GetGrid();
    connect(grid, &CGridCtrl::editBegun, this, &CDayDlg::OnEditBegun);
    connect(grid, &CGridCtrl::editEnded, this, &CDayDlg::OnEditEnded);
    connect(m_tabCtrl, &CDayTabCtrl::hintDoubleClicked, this, &CDayDlg::OnHint);
    connect(m_tabCtrl, &CDayTabCtrl::shownWorkoutStatusChanged, this, &CDayDlg::UpdateStatusButton);
}

CDayDlg::~CDayDlg()
{
    // The tab control goes with the dialog; its last write-back must not call back in here.
    disconnect(m_tabCtrl, nullptr, this, nullptr);
    disconnect(m_tabCtrl->GetGrid(), nullptr, this, nullptr);
}

// ---- Building --------------------------------------------------------------------------------

QAction *CDayDlg::DefineCommand(int commandId, const QString &text)
{
    if (QAction *existing = m_commands.value(commandId))
        return existing;
    auto *action = new QAction(text, this);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
    m_commands.insert(commandId, action);
    return action;
}

QAction *CDayDlg::CommandAction(int commandId) const
{
    return m_commands.value(commandId);
}

void CDayDlg::BuildCommands()
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

void CDayDlg::BuildButtons()
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
    connect(m_buttons.value(Id::OkButton), &QToolButton::clicked, this, [this] { OnOK(); });
    connect(m_buttons.value(Id::CancelButton), &QToolButton::clicked, this, [this] { OnCancel(); });
    // The status button shows a picture or nothing: without a workout it stays blank.
    CPictureButton *status = m_buttons.value(Id::StatusButton);
    status->setText(QString());
    status->setToolTip(tr("Workout status"));
    status->setAccessibleName(tr("Workout status"));
    status->ClearImage();
}

void CDayDlg::AddCommands(QMenu *menu, std::initializer_list<int> commandIds) const
{
    for (const int id : commandIds) {
        if (id == MenuSeparator)
            menu->addSeparator();
        else
            menu->addAction(CommandAction(id));
    }
}

QMenu *CDayDlg::AddEditMenu(QMenuBar *bar, const QString &extraMoves,
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

void CDayDlg::BuildMenus()
{
    AddCommands(m_menuBar->addMenu(tr("&Add")), {Id::AddExercise, Id::AddWorkout});
    AddEditMenu(m_menuBar);
    AddCommands(m_menuBar->addMenu(tr("&Remove")),
                {Id::RemoveSelectedExercises, Id::RemoveAllExercises, MenuSeparator,
                 Id::RemoveWorkout, MenuSeparator, Id::Clear});

    m_addMenu = new QMenu(this);
    m_addMenu->setObjectName(QStringLiteral("addMenu"));
    AddCommands(m_addMenu, {Id::AddExercise, Id::AddWorkout});
    Button(Id::AddButton)->SetDropDownMenu(m_addMenu);

    m_removeMenu = new QMenu(this);
    m_removeMenu->setObjectName(QStringLiteral("removeMenu"));
    AddCommands(
        m_removeMenu,
        {Id::RemoveSelectedExercises, Id::RemoveAllExercises, MenuSeparator, Id::RemoveWorkout});
    Button(Id::RemoveButton)->SetDropDownMenu(m_removeMenu);

    m_statusMenu = new QMenu(this);
    m_statusMenu->setObjectName(QStringLiteral("statusMenu"));
    AddCommands(m_statusMenu, {Id::MarkDone, Id::MarkFailed, Id::MarkNotYet});
    Button(Id::StatusButton)->SetWholeButtonMenu(m_statusMenu);
}

void CDayDlg::BuildLayout()
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

    auto *bottomRow = new QHBoxLayout;
    m_bottomRow = bottomRow;
    bottomRow->addWidget(Button(Id::ClearButton));
    bottomRow->addStretch(1);
    bottomRow->addWidget(Button(Id::OkButton));
    bottomRow->addWidget(Button(Id::CancelButton));

    auto *main = new QGridLayout;
    main->addLayout(topRow, 0, 0);
    main->addWidget(Button(Id::StatusButton), 0, 1);
    main->addWidget(m_tabCtrl, 1, 0);
    main->addLayout(side, 1, 1);
    main->addLayout(bottomRow, 2, 0);
    main->setColumnStretch(0, 1);
    main->setRowStretch(1, 1);

    auto *outer = new QHBoxLayout(this);
    outer->setMenuBar(m_menuBar);
    m_leftPane = new QVBoxLayout;
    m_leftPane->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(m_leftPane);
    outer->addLayout(main, 1);

    setTabOrder(m_tabCtrl->GetGrid(), Button(Id::OkButton));
    setTabOrder(Button(Id::OkButton), Button(Id::CancelButton));
}

void CDayDlg::BuildAccelerators()
{
    AddAccelerator(QKeySequence(Qt::Key_Insert), Id::AddExercise);
    AddAccelerator(QKeySequence(Qt::Key_Delete), Id::RemoveSelectedExercises);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_A), Id::SelectAll);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Up), Id::MoveExerciseUp);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Down), Id::MoveExerciseDown);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Left), Id::MoveWorkoutLeft);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Right), Id::MoveWorkoutRight);
}

QAction *CDayDlg::AddAccelerator(const QKeySequence &keys, int commandId)
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

void CDayDlg::RemoveAccelerators()
{
    qDeleteAll(m_accelerators);
    m_accelerators.clear();
}

void CDayDlg::SetAcceleratorsWhileEditing(bool on)
{
    m_acceleratorsWhileEditing = on;
    UpdateAccelerators();
}

void CDayDlg::UpdateAccelerators()
{
    const bool enabled = !m_editing || m_acceleratorsWhileEditing;
    for (QAction *action : std::as_const(m_accelerators))
        action->setEnabled(enabled);
}

CPictureButton *CDayDlg::Button(int controlId) const
{
    return m_buttons.value(controlId);
}

// ---- Opening and closing ---------------------------------------------------------------------

bool CDayDlg::SetDay(TrainingDay *day)
{
    if (day == nullptr)
        return false;
    m_day = day;
    m_dayEditing.SetDay(day);
    return true;
}

void CDayDlg::SetImageSet(bool shields)
{
    m_shields = shields;
}

void CDayDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        OnOpen();
    CResizingDialog::showEvent(event);
}

void CDayDlg::OnOpen()
{
    m_editing = false;
    UpdateAccelerators();
    m_tabCtrl->SetImageSet(m_shields);
    m_tabCtrl->SetDay(m_day);
    m_tabCtrl->GetGrid()->SetEditable(true);
    m_tabCtrl->setFocus(Qt::OtherFocusReason);
}

void CDayDlg::OnOK()
{
    CommitEdit();
    m_tabCtrl->WriteBack();
    if (m_day != nullptr) {
        for (int i = 0; i < m_day->GetWorkoutCount(); ++i) {
            Workout *workout = m_day->GetWorkout(i);
            const auto question = StatusCheck::QuestionFor(*workout);
            if (question && MessageBox::Question(this, question->text) == QMessageBox::Yes)
                workout->SetStatus(question->answerYes, false);
        }
    }
    accept();
}

void CDayDlg::OnCancel()
{
    CResizingDialog::reject();
}

void CDayDlg::reject()
{
    OnCancel();
}

void CDayDlg::done(int result)
{
    // Pending grid edits go into the day, whichever way the dialog closes.
    CommitEdit();
    m_tabCtrl->WriteBack();
    CResizingDialog::done(result);
}

void CDayDlg::CommitEdit()
{
    m_tabCtrl->EndEditing();
}

void CDayDlg::TakeOpenEdits()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *dialog = qobject_cast<CDayDlg *>(window); dialog && dialog->isVisible()) {
            dialog->CommitEdit();
            dialog->m_tabCtrl->WriteBack();
        }
    }
}

// ---- In-place editing ------------------------------------------------------------------------

void CDayDlg::OnEditBegun()
{
    m_editing = true;
    UpdateAccelerators();
}

void CDayDlg::OnEditEnded()
{
    m_editing = false;
    UpdateAccelerators();
    m_tabCtrl->SetInSync(false);
    m_tabCtrl->WriteBack();
    // The write-back may have refused values or made exercises Done: the rows show the day.
    m_tabCtrl->RefreshRows();
}

// ---- Commands --------------------------------------------------------------------------------

void CDayDlg::RunCommand(int commandId)
{
    switch (commandId) {
    case Id::AddExercise:
        OnAddExercise();
        break;
    case Id::AddWorkout:
        OnAddWorkout();
        break;
    case Id::RemoveSelectedExercises:
        OnRemoveSelectedExercises();
        break;
    case Id::RemoveAllExercises:
        OnRemoveAllExercises();
        break;
    case Id::RemoveWorkout:
        OnRemoveWorkout();
        break;
    case Id::Clear:
        OnClear();
        break;
    case Id::SelectAll:
        OnSelectAll();
        break;
    case Id::MoveExerciseUp:
        MoveExerciseUp();
        break;
    case Id::MoveExerciseDown:
        MoveExerciseDown();
        break;
    case Id::MoveWorkoutLeft:
        OnMoveWorkoutLeft();
        break;
    case Id::MoveWorkoutRight:
        OnMoveWorkoutRight();
        break;
    case Id::MarkDone:
        OnMarkWorkout(ProgressStatus::Done);
        break;
    case Id::MarkFailed:
        OnMarkWorkout(ProgressStatus::Failed);
        break;
    case Id::MarkNotYet:
        OnMarkWorkout(ProgressStatus::NotYet);
        break;
    case Id::RenameWorkout:
        OnRenameWorkout();
        break;
    default:
        break;
    }
}

void CDayDlg::OnHint(int hintId)
{
    if (hintId == Id::HintNoWorkouts)
        RunCommand(Id::AddWorkout);
    else if (hintId == Id::HintNoExercises)
        RunCommand(Id::AddExercise);
}

void CDayDlg::OnMarkWorkout(ProgressStatus status)
{
    if (!m_dayEditing.OnMarkWorkout(status))
        return;
    UpdateStatusButton(m_tabCtrl->GetCurSel());
    m_tabCtrl->GetTabBar()->repaint();
}

void CDayDlg::UpdateStatusButton(int workoutIndex)
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
