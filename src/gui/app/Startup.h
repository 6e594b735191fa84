#pragma once

class MainWindow;

/// The start-up sequence, run before the window is shown. Returns false
/// when the program is to end instead (another copy runs on the program
/// folder, or a successful manual Becky set-up).
bool runStartup(MainWindow &w);

/// Selects the stored account, sending address and account-change mode
/// without running their handlers (restoring is not the user's choice);
/// exactly one entry of each list is chosen, entry 0 for a stored index out
/// of range.
void restoreAccountChoice(MainWindow &w);
