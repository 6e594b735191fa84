#pragma once

class MainWindow;

/// Applies "Horo.ini" line by line, in file order, to the window's controls.
void readSettings(MainWindow &w);

/// Writes "Horo.ini" from the controls; `imode` and `look` are the i-mode
/// setting and the preview panel's visibility as the close sequence found
/// them. Returns false when the file could not be written (the old one
/// then stays as it was).
bool writeSettings(MainWindow &w, bool imode, bool look);

/// Appends the models of "Keitai.pre" to the phone model list.
void readPresets(MainWindow &w);
