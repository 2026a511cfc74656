#include "editing/CDayDlg.h"

#include "editing/CDayTabCtrl.h"
#include "editing/DayDlgIds.h"
#include "editing/DayEditingPanel.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "model/StatusCheck.h"
#include "model/TrainingDay.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>

namespace {

namespace Id = DayDlgIds;

constexpr QSize DesignedDialogSize(760, 500);

} // namespace

CDayDlg::CDayDlg(QWidget *parent)
    : CResizingDialog(Id::DialogId, parent)
    , m_panel(new DayEditingPanel(this))
    , m_menuBar(new QMenuBar(this))
{
    setWindowTitle(tr("Workout planning"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::AppIcon));
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    BuildMenus();

    auto *outer = new QHBoxLayout(this);
    outer->setMenuBar(m_menuBar);
    outer->addWidget(m_panel, 1);
    SetDesignedSize(DesignedDialogSize);

    connect(m_panel->Button(Id::OkButton), &QToolButton::clicked, this, &CDayDlg::OnOK);
    connect(m_panel->Button(Id::CancelButton), &QToolButton::clicked, this, &CDayDlg::reject);
}

CDayDlg::~CDayDlg() = default;

void CDayDlg::BuildMenus()
{
    m_panel->AddCommands(m_menuBar->addMenu(tr("&Add")), {Id::AddExercise, Id::AddWorkout});
    m_panel->AddEditMenu(m_menuBar);
    m_panel->AddCommands(m_menuBar->addMenu(tr("&Remove")),
                         {Id::RemoveSelectedExercises, Id::RemoveAllExercises,
                          DayEditingPanel::MenuSeparator, Id::RemoveWorkout,
                          DayEditingPanel::MenuSeparator, Id::Clear});
}

// ---- The day ---------------------------------------------------------------------------------

bool CDayDlg::SetDay(TrainingDay *day)
{
    if (day == nullptr)
        return false;
    m_panel->SetDay(day);
    return true;
}

TrainingDay *CDayDlg::GetDay() const
{
    return m_panel->GetDay();
}

void CDayDlg::SetImageSet(bool shields)
{
    m_panel->SetImageSet(shields);
}

CDayTabCtrl *CDayDlg::GetTabCtrl() const
{
    return m_panel->GetTabCtrl();
}

bool CDayDlg::IsEditing() const
{
    return m_panel->IsEditing();
}

void CDayDlg::RunCommand(int commandId)
{
    m_panel->RunCommand(commandId);
}

QAction *CDayDlg::CommandAction(int commandId) const
{
    return m_panel->CommandAction(commandId);
}

int CDayDlg::AddWorkout()
{
    return m_panel->Editing().AddWorkout();
}

int CDayDlg::AddExercise()
{
    return m_panel->Editing().AddExercise();
}

int CDayDlg::RemoveWorkout()
{
    return m_panel->Editing().RemoveWorkout();
}

void CDayDlg::MoveExerciseUp()
{
    RunCommand(Id::MoveExerciseUp);
}

void CDayDlg::MoveExerciseDown()
{
    RunCommand(Id::MoveExerciseDown);
}

void CDayDlg::OnAddWorkout()
{
    RunCommand(Id::AddWorkout);
}

void CDayDlg::OnAddExercise()
{
    RunCommand(Id::AddExercise);
}

void CDayDlg::OnClear()
{
    RunCommand(Id::Clear);
}

// ---- Opening and closing ---------------------------------------------------------------------

void CDayDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        m_panel->Open();
    CResizingDialog::showEvent(event);
}

void CDayDlg::OnOK()
{
    m_panel->TakeEdits();
    if (TrainingDay *day = m_panel->GetDay()) {
        for (int i = 0; i < day->GetWorkoutCount(); ++i) {
            Workout *workout = day->GetWorkout(i);
            const auto question = StatusCheck::QuestionFor(*workout);
            if (question && MessageBox::Question(this, question->text) == QMessageBox::Yes)
                workout->SetStatus(question->answerYes, false);
        }
    }
    accept();
}

void CDayDlg::done(int result)
{
    // Pending grid edits go into the day, whichever way the dialog closes.
    m_panel->TakeEdits();
    CResizingDialog::done(result);
}

void CDayDlg::TakeOpenEdits()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible())
            continue;
        const auto panels = window->findChildren<DayEditingPanel *>(Qt::FindDirectChildrenOnly);
        for (DayEditingPanel *panel : panels)
            panel->TakeEdits();
    }
}
