#include "diary/MainMenu.h"

#include "diary/CalendarRange.h"
#include "diary/CommandIds.h"
#include "images/ImageIds.h"
#include "widgets/CPictureButton.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>
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
    {CommandId::View, ImageId::ButtonView, QT_TRANSLATE_NOOP("MainMenu", "View")},
    {CommandId::AddWorkout, ImageId::ButtonAdd, QT_TRANSLATE_NOOP("MainMenu", "Add")},
    {CommandId::RemoveSelected, ImageId::ButtonRemove, QT_TRANSLATE_NOOP("MainMenu", "Remove")},
    {CommandId::MoveSelected, ImageId::ButtonMove, QT_TRANSLATE_NOOP("MainMenu", "Move")},
    {CommandId::FirstDay, ImageId::ButtonFirst, QT_TRANSLATE_NOOP("MainMenu", "First")},
    {CommandId::PreviousDay, ImageId::ButtonPrevious, QT_TRANSLATE_NOOP("MainMenu", "Previous")},
    {CommandId::NextDay, ImageId::ButtonNext, QT_TRANSLATE_NOOP("MainMenu", "Next")},
    {CommandId::LastDay, ImageId::ButtonLast, QT_TRANSLATE_NOOP("MainMenu", "Last")},
    {CommandId::Editor, ImageId::ButtonEditor, QT_TRANSLATE_NOOP("MainMenu", "Editor")},
    {CommandId::Notes, ImageId::ButtonNotes, QT_TRANSLATE_NOOP("MainMenu", "Notes")},
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

// A menu text as read aloud: without mnemonic marks, a trailing "..." and the keys after the tab
// ("&Add workout...\tIns" gives "Add workout").
QString SpokenText(const QString &text)
{
    QString spoken = text.section(QLatin1Char('\t'), 0, 0).trimmed();
    if (spoken.endsWith(QStringLiteral("...")))
        spoken.chop(3);
    return spoken.remove(QLatin1Char('&'));
}

// Widgets that take typed keys themselves: fields, lists that drop down, the mini calendar.
bool TakesTypedKeys(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QCalendarWidget *>(w))
            return true;
        if (w->isWindow())
            break;
    }
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(widget))
        return !edit->isReadOnly();
    if (const auto *edit = qobject_cast<const QTextEdit *>(widget))
        return !edit->isReadOnly();
    return qobject_cast<const QLineEdit *>(widget) ||
        qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget);
}

// The keys a field or the mini calendar acts on itself, which the window's commands share.
bool IsEditingKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_A:
    case Qt::Key_Z:
    case Qt::Key_Y:
        return modifiers == Qt::ControlModifier;
    default:
        return false;
    }
}

} // namespace

MainMenu::MainMenu(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    BuildMenus();
    BuildColumnMenu();
    // A key that a field, the range box or the mini calendar has asked for arrives at the window
    // as a shortcut override nobody took; it stays with the widget instead of running a command.
    m_window->installEventFilter(this);
}

bool MainMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::ShortcutOverride &&
        IsEditingKey(*static_cast<QKeyEvent *>(event))) {
        const QWidget *focus = QApplication::focusWidget();
        if (focus && focus != m_window && m_window->isAncestorOf(focus) && TakesTypedKeys(focus)) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
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

    QMenu *file = m_menuBar->addMenu(tr("&File"));
    AddCommand(file, CommandId::ImportFile, tr("&Import..."));
    AddCommand(file, CommandId::ExportFile, tr("&Export..."));
    file->addSeparator();
    AddCommand(file, CommandId::PrintPreview, tr("P&rint preview"));
    AddCommand(file, CommandId::Print, tr("&Print\tCtrl + P"),
               {Key(Qt::Key_P, Qt::ControlModifier)});
    file->addSeparator();
    AddCommand(file, CommandId::RestoreBackup, tr("Restore from &backup..."));
    file->addSeparator();
    AddCommand(file, CommandId::Exit, tr("E&xit"));

    QMenu *edit = m_menuBar->addMenu(tr("&Edit"));
    AddCommand(edit, CommandId::Undo, tr("&Undo\tCtrl + Z"), {QKeySequence::Undo});
    AddCommand(edit, CommandId::Redo, tr("&Redo\tCtrl + Y"),
               {Key(Qt::Key_Y, Qt::ControlModifier),
                Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier)});
    edit->addSeparator();
    AddCommand(edit, CommandId::View, tr("View...\tReturn"), ReturnKeys());
    AddCommand(edit, CommandId::Notes, tr("Notes...\tCtrl + N"),
               {Key(Qt::Key_N, Qt::ControlModifier)});
    AddCommand(edit, CommandId::AddWorkout, tr("&Add workout...\tIns"), {Key(Qt::Key_Insert)});
    AddCommand(edit, CommandId::MoveSelected, tr("&Move selected"));
    AddCommand(edit, CommandId::RemoveSelected, tr("&Remove selected\tDel"), {Key(Qt::Key_Delete)});
    edit->addSeparator();
    AddCommand(edit, CommandId::Find, tr("&Find...\tCtrl + F"),
               {Key(Qt::Key_F, Qt::ControlModifier)});
    AddCommand(edit, CommandId::Conflicts, tr("&Conflicts..."));

    QMenu *view = m_menuBar->addMenu(tr("&View"));
    QMenu *goTo = view->addMenu(tr("Go to"));
    AddCommand(goTo, CommandId::Today, tr("Today\tCtrl + Return"), ReturnKeys(Qt::ControlModifier));
    AddCommand(goTo, CommandId::FirstDay, tr("First day\tCtrl + Home"),
               {Key(Qt::Key_Home, Qt::ControlModifier)});
    AddCommand(goTo, CommandId::PreviousDay, tr("Previous day\tCtrl + Left"),
               {Key(Qt::Key_Left, Qt::ControlModifier)});
    AddCommand(goTo, CommandId::NextDay, tr("Next day\tCtrl + Right"),
               {Key(Qt::Key_Right, Qt::ControlModifier)});
    AddCommand(goTo, CommandId::LastDay, tr("Last day\tCtrl + End"),
               {Key(Qt::Key_End, Qt::ControlModifier)});
    AddCommand(view, CommandId::Refresh, tr("&Refresh\tF5"), {Key(Qt::Key_F5)});
    view->addSeparator();
    AddCommand(view, CommandId::SetRange, tr("Set range..."));
    AddCommand(view, CommandId::SelectionToRange, tr("&Selection to range\tCtrl + R"),
               {Key(Qt::Key_R, Qt::ControlModifier)});

    QMenu *tools = m_menuBar->addMenu(tr("&Tools"));
    AddCommand(tools, CommandId::Editor, tr("&Editor...\tCtrl + E"),
               {Key(Qt::Key_E, Qt::ControlModifier)});
    AddCommand(tools, CommandId::ApplyProgram, tr("Apply program...\tCtrl + Space"),
               {Key(Qt::Key_Space, Qt::ControlModifier)});
    AddCommand(tools, CommandId::Progress, tr("&Progress...\tCtrl + G"),
               {Key(Qt::Key_G, Qt::ControlModifier)});
    tools->addSeparator();
    AddCommand(tools, CommandId::User, tr("User..."));
    AddCommand(tools, CommandId::Options, tr("Options..."));

    QMenu *help = m_menuBar->addMenu(tr("&Help"));
    AddCommand(help, CommandId::About, tr("&About Repbook..."));

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
        auto *button = new CPictureButton(definition.imageId, tr(definition.text), parent);
        button->SetImagePlacement(CPictureButton::Placement::Above);
        // The tooltip, also read as the button's description, names the command and its keys.
        const QString keys = action->text().section(QLatin1Char('\t'), 1);
        const QString command = SpokenText(action->text());
        button->setToolTip(keys.isEmpty() ? command : QStringLiteral("%1 (%2)").arg(command, keys));
        button->setEnabled(action->isEnabled());
        // The button follows its command's state and sends it, without taking its menu text.
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        connect(button, &CPictureButton::clicked, action, &QAction::trigger);
        buttons.append(button);
    }
    return buttons;
}
