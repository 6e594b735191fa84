#pragma once

#include <QWidget>

/// True when the widget shows once its window does: neither it nor a parent
/// below the window is hidden.
inline bool isShownInWindow(const QWidget *widget) { return widget->isVisibleTo(widget->window()); }
