#pragma once

#include <QString>

class MainWindow;

/// Connects the window's own commands: exit, font size, new mail, open,
/// the limit panel and the preview toggle.
void connectWindowCommands(MainWindow &w);

/// The close sequence. Returns false when the user keeps the window open.
bool runCloseSequence(MainWindow &w);

/// Sets the body font to 9 + 3 × index points.
void setBodyFontSize(MainWindow &w, int index);

/// Folds or unfolds the limit panel.
void toggleLimitPanel(MainWindow &w);

/// Shows or hides the preview panel, then lays the window out.
void togglePreviewPanel(MainWindow &w);

/// Shows the count command's progress (a percentage, or -1 when finished).
void showProgress(MainWindow &w);

/// Starts a new mail: empty subject and body; the To field stays.
void newMail(MainWindow &w);

/// Loads a text file of at most 64,000 bytes into the body.
void loadTextFile(MainWindow &w, const QString &path);
