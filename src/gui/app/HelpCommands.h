#pragma once

class MainWindow;

/// Connects the help menu: the about box, the readme and the reset command.
void connectHelpCommands(MainWindow &w);

/// Deletes the stored state to the degree the user chooses, then looks for
/// Becky again.
void resetSettings(MainWindow &w);

/// Shows the thanks line and the program's version.
void showAbout(MainWindow &w);
