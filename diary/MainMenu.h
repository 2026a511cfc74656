#pragma once

#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QObject>

class CPictureButton;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's commands: the menu bar, the keyboard table, the picture buttons and the
// weekday column menu, all mapped onto command ids (CommandIds.h). Every command is one
// QAction; a menu item, its key and its button trigger the same action, and a disabled command
// is disabled everywhere.
//
// The keys are window shortcuts, so they act before the window's own key handling: Return and
// Escape reach their commands instead of closing the window. Keys typed into a field, the range
// box or the mini calendar stay there (Return in the calendar's year field sets the year).
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget *window);

    QMenuBar *MenuBar() const { return m_menuBar; }
    QAction *Action(int commandId) const;
    QList<int> CommandIds() const { return m_actions.keys(); }
    void SetCommandEnabled(int commandId, bool enabled);

    // The ten picture buttons in their row order, each bound to its command.
    QList<CPictureButton *> CreateButtons(QWidget *parent);

    // The weekday column menu: one checkable item per weekday, Monday 0 .. Sunday 6.
    QMenu *ColumnMenu() const { return m_columnMenu; }
    QAction *ColumnAction(int weekdayIndex) const;

signals:
    void commandTriggered(int commandId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *AddCommand(QMenu *menu, int commandId, const QString &text,
                        const QList<QKeySequence> &keys = {});
    void BuildMenus();
    void BuildColumnMenu();

    QWidget *m_window;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_columnMenu = nullptr;
    QMap<int, QAction *> m_actions;
    QList<QAction *> m_columnActions;
};
