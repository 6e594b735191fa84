#pragma once

class MainWindow;

/// The start-up sequence, run before the window is shown. Returns false
/// when the program is to end instead (a successful manual Becky set-up).
bool runStartup(MainWindow &w);
