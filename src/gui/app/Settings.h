#pragma once

#include <QStringList>

class MainWindow;

/// Reads "Horo.ini" into the program's models, line by line in file order,
/// then gives the window its stored size, body font and preview panel.
void readSettings(MainWindow &w);

/// The lines "Horo.ini" is to hold for the program as it is now, the
/// window's size, body font and preview panel included. The close sequence
/// takes them before it switches the i-mode setting off.
QStringList settingsSnapshot(MainWindow &w);

/// Writes "Horo.ini". Returns false when the file could not be written (the
/// old one then stays as it was).
bool writeSettings(MainWindow &w, const QStringList &lines);

/// Appends the models of "Keitai.pre" to the phone models.
void readPresets(MainWindow &w);
