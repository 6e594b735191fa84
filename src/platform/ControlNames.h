#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

/// Gives a control the name the program's handlers know it by and the name
/// a screen reader says for it.
template <typename W>
W *named(W *widget, const QString &name, const QString &accessibleName)
{
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName);
    return widget;
}

/// Appends a menu entry under its program name.
inline QAction *menuEntry(QMenu *menu, const QString &name, const QString &caption,
                          const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}
