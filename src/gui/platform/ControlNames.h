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

/// Gives a label the name the program's handlers know it by. Its accessible
/// name stays unset, so a screen reader reads the label's current text, and
/// Qt tells it whenever the text changes.
template <typename L>
L *namedLabel(L *label, const QString &name)
{
    label->setObjectName(name);
    return label;
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
