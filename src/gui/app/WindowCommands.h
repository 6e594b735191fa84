#pragma once

#include <QString>

class MainWindow;

/// Connects the window's own commands: exit, font size, new mail and the
/// limit panel's fold.
void connectWindowCommands(MainWindow &w);

/// The close sequence. Returns false when the user keeps the window open.
bool runCloseSequence(MainWindow &w);

/// Sets the body font to 9 + 3 × index points.
void setBodyFontSize(MainWindow &w, int index);

/// Loads a text file of at most 64,000 bytes into the body, in whichever
/// encoding it comes (textfile::decodeAnyText).
void loadTextFile(MainWindow &w, const QString &path);
