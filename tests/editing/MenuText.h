#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

// A menu bar as text, one line per menu: "&Add: Exercise | Workout", with "-" for a separator and
// submenus in brackets, so a test can compare a dialog's whole menu layout at once.
inline QString MenuText(const QMenu &menu)
{
    QStringList entries;
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            entries.append(QStringLiteral("-"));
        else if (action->menu())
            entries.append(action->text() + QStringLiteral(" [") + MenuText(*action->menu()) +
                           QLatin1Char(']'));
        else
            entries.append(action->text().section(QLatin1Char('\t'), 0, 0));
    }
    return entries.join(QStringLiteral(" | "));
}

inline QStringList MenuBarText(const QMenuBar &bar)
{
    QStringList lines;
    for (QAction *action : bar.actions())
        lines.append(action->text() + QStringLiteral(": ") + MenuText(*action->menu()));
    return lines;
}
