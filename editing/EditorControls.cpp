#include "editing/EditorControls.h"

#include "editing/CDayTabCtrl.h"
#include "editing/DayDlgIds.h"
#include "editing/DayEditingPanel.h"
#include "editing/EditorIds.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CPictureButton.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>

namespace {

namespace Id = DayDlgIds;
namespace Ed = EditorIds;

constexpr int OpenButtonWidth = 132;

} // namespace

void EditorControls::Build(DayEditingPanel &panel, QMenuBar &bar, QWidget &editor)
{
    DefineCommands(panel);
    BuildMenus(panel, bar, editor);
    BuildButtons(panel, editor);
    BuildFileKeys(panel, editor);
}

void EditorControls::DefineCommands(DayEditingPanel &panel)
{
    panel.DefineCommand(Ed::New, tr("New...\tCtrl + N"));
    panel.DefineCommand(Ed::Open, tr("Open...\tCtrl + O"));
    panel.DefineCommand(Ed::Close, tr("Close\tCtrl + W"));
    panel.DefineCommand(Ed::Save, tr("Save\tCtrl + S"));
    panel.DefineCommand(Ed::SaveAs, tr("Save as..."));
    panel.DefineCommand(Ed::Exit, tr("Exit\tCtrl + X"));
    panel.DefineCommand(Ed::AddDay, tr("Day"));
    panel.DefineCommand(Ed::MoveDayUp, tr("Up"));
    panel.DefineCommand(Ed::MoveDayDown, tr("Down"));
    panel.DefineCommand(Ed::RemoveSelectedExercises, tr("Selected exercise(s)\tDel"));
    panel.DefineCommand(Ed::RemoveDay, tr("Day"));
    panel.DefineCommand(Ed::ClearProgram, tr("Clear"));
}

void EditorControls::BuildMenus(DayEditingPanel &panel, QMenuBar &bar, QWidget &editor)
{
    const int Separator = DayEditingPanel::MenuSeparator;
    panel.AddCommands(
        bar.addMenu(tr("&File")),
        {Ed::New, Ed::Open, Ed::Close, Separator, Ed::Save, Ed::SaveAs, Separator, Ed::Exit});

    const std::initializer_list<int> adding {Id::AddExercise, Id::AddWorkout, Ed::AddDay};
    panel.AddCommands(bar.addMenu(tr("&Add")), adding);
    panel.AddEditMenu(&bar, tr("Move day"), {Ed::MoveDayUp, Ed::MoveDayDown});

    const std::initializer_list<int> removing {Ed::RemoveSelectedExercises,
                                               Id::RemoveAllExercises,
                                               Separator,
                                               Id::RemoveWorkout,
                                               Separator,
                                               Ed::RemoveDay,
                                               Separator,
                                               Ed::ClearProgram};
    panel.AddCommands(bar.addMenu(tr("&Remove")), removing);

    auto *addMenu = new QMenu(&editor);
    addMenu->setObjectName(QStringLiteral("editorAddMenu"));
    panel.AddCommands(addMenu, adding);
    panel.Button(Id::AddButton)->SetDropDownMenu(addMenu);

    auto *removeMenu = new QMenu(&editor);
    removeMenu->setObjectName(QStringLiteral("editorRemoveMenu"));
    panel.AddCommands(removeMenu, removing);
    // The button's menu names its workout entry "Workout...", unlike the menu bar.
    QAction *removeWorkout = panel.CommandAction(Id::RemoveWorkout);
    auto *removeWorkoutEntry = new QAction(tr("Workout..."), removeMenu);
    QObject::connect(removeWorkoutEntry, &QAction::triggered, &panel,
                     [&panel] { panel.RunCommand(Id::RemoveWorkout); });
    removeMenu->insertAction(removeWorkout, removeWorkoutEntry);
    removeMenu->removeAction(removeWorkout);
    panel.Button(Id::RemoveButton)->SetDropDownMenu(removeMenu);
}

void EditorControls::BuildButtons(DayEditingPanel &panel, QWidget &editor)
{
    // Program days have no status worth marking.
    panel.Button(Id::StatusButton)->hide();

    CPictureButton *save = panel.Button(Id::OkButton);
    save->setText(tr("Save"));
    save->SetImage(ResourceImages::Pixmap(ImageId::ButtonSave));
    panel.Button(Id::CancelButton)->setText(tr("Exit"));
    panel.Button(Id::RemoveButton)->setToolTip(tr("Remove selected exercise(s) or day(s)"));

    // "Open" stands with the other file buttons, "Save" and "Exit", and moves with them.
    auto *open = new CPictureButton(ImageId::ButtonOpen, tr("Open"), &editor);
    open->setObjectName(QStringLiteral("openButton"));
    open->SetImagePlacement(CPictureButton::Placement::Left);
    open->setMinimumWidth(OpenButtonWidth);
    QBoxLayout *row = panel.BottomRow();
    row->insertWidget(row->indexOf(save), open);
    QWidget::setTabOrder(panel.GetTabCtrl()->GetGrid(), open);
    QWidget::setTabOrder(open, save);

    const QList<std::pair<QAbstractButton *, int>> clicks = {
        {open, Ed::Open}, {save, Ed::Save}, {panel.Button(Id::CancelButton), Ed::Exit}};
    for (const auto &[button, commandId] : clicks) {
        QObject::connect(button, &QAbstractButton::clicked, &panel,
                         [&panel, id = commandId] { panel.RunCommand(id); });
    }
}

void EditorControls::BuildFileKeys(DayEditingPanel &panel, QWidget &editor)
{
    // The file keys act always; an open cell edit is committed first.
    const QList<std::pair<QKeySequence, int>> fileKeys = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), Ed::New},
        {QKeySequence(Qt::CTRL | Qt::Key_O), Ed::Open},
        {QKeySequence(Qt::CTRL | Qt::Key_W), Ed::Close},
        {QKeySequence(Qt::CTRL | Qt::Key_S), Ed::Save},
        {QKeySequence(Qt::CTRL | Qt::Key_X), Ed::Exit},
    };
    for (const auto &[keys, commandId] : fileKeys) {
        auto *action = new QAction(&editor);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, &panel,
                         [&panel, id = commandId] { panel.RunCommand(id); });
        editor.addAction(action);
    }
}
