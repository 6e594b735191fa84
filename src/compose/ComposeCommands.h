#pragma once

class MainWindow;

/// Connects the count command, the filters, the vertical conversions and
/// the preview panel's commands.
void connectComposeCommands(MainWindow &w);

/// The count command (silent while limit flag 8 is set).
void countCommand(MainWindow &w);

/// Lays the body out vertically into the preview box.
void layOutVerticalPreview(MainWindow &w);

/// Renders the body into the preview box as the phone wraps it.
void showSendImage(MainWindow &w);
