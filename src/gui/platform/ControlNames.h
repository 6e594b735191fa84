#pragma once

#include "gui/platform/SquareButton.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

#include <array>

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

/// A menu entry under its program name, for the window that composes the
/// menus to put in its place.
inline QAction *namedAction(QObject *parent, const QString &name, const QString &caption,
                            const QKeySequence &shortcut = {})
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

/// A numbered row of menu entries, named `namePattern` with %1 the index,
/// one per caption.
template <std::size_t N>
std::array<QAction *, N> numberedActions(QObject *parent, const QString &namePattern, const QString (&captions)[N])
{
    std::array<QAction *, N> actions{};
    for (std::size_t i = 0; i < N; ++i)
        actions[i] = namedAction(parent, namePattern.arg(i), captions[i]);
    return actions;
}

/// A tool bar button of the main window: a face (a short caption in place of
/// a picture), a tool tip, reached by Tab, square and sized by its font.
inline QPushButton *pictureButton(QWidget *parent, const QString &name, const QString &face,
                                  const QString &toolTip)
{
    auto *button = named(new SquareButton(face, parent), name, toolTip);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}
