#pragma once

#include <QString>

#include <optional>

class MainWindow;

/// Finds Becky at start-up from the program's Becky record or by discovery,
/// with the questions for a changed or missing set-up; switches the i-mode
/// features off for the run when Becky is not found. Returns false when the
/// program is to end (after a successful manual set-up).
bool findBecky(MainWindow &w);

/// Runs Becky discovery and takes what it found as the accounts (as after a
/// reset, or when the send command has lost Becky's mail folder). When the
/// user cancels the own-address question, the own address becomes
/// `addressOnCancel` (by default, none).
void runBeckyDiscovery(MainWindow &w, const std::optional<QString> &addressOnCancel = std::nullopt);
