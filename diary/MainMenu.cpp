#include "diary/MainMenu.h"

#include "diary/CalendarRange.h"
#include "diary/CommandIds.h"
#include "images/ImageIds.h"
#include "widgets/CPictureButton.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <array>

namespace {

struct ButtonDefinition
{
    int commandId;
    int imageId;
    const char *text;
};

constexpr std::array<ButtonDefinition, 10> Buttons {{
    {CommandId::View, ImageId::ButtonView, "View"},
    {CommandId::AddWorkout, ImageId::ButtonAdd, "Add"},
    {CommandId::RemoveSelected, ImageId::ButtonRemove, "Remove"},
    {CommandId::MoveSelected, ImageId::ButtonMove, "Move"},
    {CommandId::FirstDay, ImageId::ButtonFirst, "First"},
    {CommandId::PreviousDay, ImageId::ButtonPrevious, "Previous"},
    {CommandId::NextDay, ImageId::ButtonNext, "Next"},
    {CommandId::LastDay, ImageId::ButtonLast, "Last"},
    {CommandId::Editor, ImageId::ButtonEditor, "Editor"},
    {CommandId::Notes, ImageId::ButtonNotes, "Notes"},
}};

QKeySequence Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return QKeySequence(QKeyCombination(modifiers, key));
}

// Return and the keypad's Enter act alike, with or without Ctrl.
QList<QKeySequence> ReturnKeys(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return {Key(Qt::Key_Return, modifiers), Key(Qt::Key_Enter, modifiers)};
}

} // namespace

MainMenu::MainMenu(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    BuildMenus();
    BuildColumnMenu();
}

QAction *MainMenu::Action(int commandId) const
{
    return m_actions.value(commandId, nullptr);
}

void MainMenu::SetCommandEnabled(int commandId, bool enabled)
{
    if (QAction *action = Action(commandId))
        action->setEnabled(enabled);
}

QAction *MainMenu::ColumnAction(int weekdayIndex) const
{
    return m_columnActions.value(weekdayIndex, nullptr);
}

QAction *MainMenu::AddCommand(QMenu *menu, int commandId, const QString &text,
                              const QList<QKeySequence> &keys)
{
    // The text after a tab is the key shown in the menu, spelled as the window spells it.
    auto *action = new QAction(text, m_window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setData(commandId);
    connect(action, &QAction::triggered, this,
            [this, commandId] { emit commandTriggered(commandId); });
    if (menu)
        menu->addAction(action);
    // Commands without a menu item still need the window to know their keys.
    m_window->addAction(action);
    m_actions.insert(commandId, action);
    return action;
}

void MainMenu::BuildMenus()
{
    m_menuBar = new QMenuBar(m_window);

    QMenu *file = m_menuBar->addMenu(QStringLiteral("&File"));
    AddCommand(file, CommandId::ImportFile, QStringLiteral("&Import..."));
    AddCommand(file, CommandId::ExportFile, QStringLiteral("&Export..."));
    file->addSeparator();
    AddCommand(file, CommandId::PrintPreview, QStringLiteral("P&rint preview"));
    AddCommand(file, CommandId::Print, QStringLiteral("&Print\tCtrl + P"),
               {Key(Qt::Key_P, Qt::ControlModifier)});
    file->addSeparator();
    AddCommand(file, CommandId::RestoreBackup, QStringLiteral("Restore from &backup..."));
    file->addSeparator();
    AddCommand(file, CommandId::Exit, QStringLiteral("E&xit"));

    QMenu *edit = m_menuBar->addMenu(QStringLiteral("&Edit"));
    AddCommand(edit, CommandId::Undo, QStringLiteral("&Undo\tCtrl + Z"), {QKeySequence::Undo});
    AddCommand(edit, CommandId::Redo, QStringLiteral("&Redo\tCtrl + Y"),
               {Key(Qt::Key_Y, Qt::ControlModifier),
                Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier)});
    edit->addSeparator();
    AddCommand(edit, CommandId::View, QStringLiteral("View...\tReturn"), ReturnKeys());
    AddCommand(edit, CommandId::Notes, QStringLiteral("Notes...\tCtrl + N"),
               {Key(Qt::Key_N, Qt::ControlModifier)});
    AddCommand(edit, CommandId::AddWorkout, QStringLiteral("&Add workout...\tIns"),
               {Key(Qt::Key_Insert)});
    AddCommand(edit, CommandId::MoveSelected, QStringLiteral("&Move selected"));
    AddCommand(edit, CommandId::RemoveSelected, QStringLiteral("&Remove selected\tDel"),
               {Key(Qt::Key_Delete)});
    edit->addSeparator();
    AddCommand(edit, CommandId::Find, QStringLiteral("&Find...\tCtrl + F"),
               {Key(Qt::Key_F, Qt::ControlModifier)});

    QMenu *view = m_menuBar->addMenu(QStringLiteral("&View"));
    QMenu *goTo = view->addMenu(QStringLiteral("Go to"));
    AddCommand(goTo, CommandId::Today, QStringLiteral("Today\tCtrl + Return"),
               ReturnKeys(Qt::ControlModifier));
    AddCommand(goTo, CommandId::FirstDay, QStringLiteral("First day\tCtrl + Home"),
               {Key(Qt::Key_Home, Qt::ControlModifier)});
    AddCommand(goTo, CommandId::PreviousDay, QStringLiteral("Previous day\tCtrl + Left"),
               {Key(Qt::Key_Left, Qt::ControlModifier)});
    AddCommand(goTo, CommandId::NextDay, QStringLiteral("Next day\tCtrl + Right"),
               {Key(Qt::Key_Right, Qt::ControlModifier)});
    AddCommand(goTo, CommandId::LastDay, QStringLiteral("Last day\tCtrl + End"),
               {Key(Qt::Key_End, Qt::ControlModifier)});
    AddCommand(view, CommandId::Refresh, QStringLiteral("&Refresh\tF5"), {Key(Qt::Key_F5)});
    view->addSeparator();
    AddCommand(view, CommandId::SetRange, QStringLiteral("Set range..."));
    AddCommand(view, CommandId::SelectionToRange, QStringLiteral("&Selection to range\tCtrl + R"),
               {Key(Qt::Key_R, Qt::ControlModifier)});

    QMenu *tools = m_menuBar->addMenu(QStringLiteral("&Tools"));
    AddCommand(tools, CommandId::Editor, QStringLiteral("&Editor...\tCtrl + E"),
               {Key(Qt::Key_E, Qt::ControlModifier)});
    AddCommand(tools, CommandId::ApplyProgram, QStringLiteral("Apply program...\tCtrl + Space"),
               {Key(Qt::Key_Space, Qt::ControlModifier)});
    AddCommand(tools, CommandId::Progress, QStringLiteral("&Progress...\tCtrl + G"),
               {Key(Qt::Key_G, Qt::ControlModifier)});
    tools->addSeparator();
    AddCommand(tools, CommandId::User, QStringLiteral("User..."));
    AddCommand(tools, CommandId::Options, QStringLiteral("Options..."));

    QMenu *help = m_menuBar->addMenu(QStringLiteral("&Help"));
    AddCommand(help, CommandId::About, QStringLiteral("&About Repbook..."));

    AddCommand(nullptr, CommandId::SelectAll, QString(), {Key(Qt::Key_A, Qt::ControlModifier)});
    AddCommand(nullptr, CommandId::Escape, QString(), {Key(Qt::Key_Escape)});
}

void MainMenu::BuildColumnMenu()
{
    m_columnMenu = new QMenu(m_window);
    for (int weekday = 0; weekday < CalendarRange::WeekdayCount; ++weekday) {
        QAction *action = m_columnMenu->addAction(CalendarRange::WeekdayName(weekday));
        action->setCheckable(true);
        action->setData(CommandId::ColumnMonday + weekday);
        m_columnActions.append(action);
    }
}

QList<CPictureButton *> MainMenu::CreateButtons(QWidget *parent)
{
    QList<CPictureButton *> buttons;
    for (const ButtonDefinition &definition : Buttons) {
        QAction *action = Action(definition.commandId);
        auto *button =
            new CPictureButton(definition.imageId, QString::fromLatin1(definition.text), parent);
        button->SetImagePlacement(CPictureButton::Placement::Above);
        button->setEnabled(action->isEnabled());
        // The button follows its command's state and sends it, without taking its menu text.
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        connect(button, &CPictureButton::clicked, action, &QAction::trigger);
        buttons.append(button);
    }
    return buttons;
}
