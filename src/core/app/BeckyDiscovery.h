#pragma once

#include "core/handoff/AccountModel.h"

#include <QString>

#include <optional>

class Dialogs;
class HostPaths;
class Registry;

/// The start-up check of a stored set-up: true when something (file or
/// folder) exists at the mail folder of the first account, or at data
/// folder + "User2000" when there is no account.
bool firstAccountFolderExists(const BeckyEnvironment &env, const HostPaths &paths);

/// Becky discovery from Becky's registry keys. Sets the data folder from
/// HomeDir; when that is empty, or Becky has no account 0, sets it to
/// nothing and changes nothing else (the address question may have been
/// asked already). Otherwise proposes Becky's first address as the own
/// address when none is set yet (asking for one on "No": a typed address
/// replaces the proposal, an empty answer keeps it, a cancel gives
/// `addressOnCancel`, which may be none), replaces the accounts with Becky's accounts 0 .. 20
/// up to the first without a name, and rewrites "Becky.mil". Texts read
/// from the registry are cut at their first line break. When "Becky.mil"
/// cannot be written, says so in a message box; the environment is still
/// set for this run. Returns env.found().
bool discoverBecky(BeckyEnvironment &env, const Registry &registry, Dialogs &dialogs,
                   const QString &programFolder,
                   const std::optional<QString> &addressOnCancel = std::nullopt);

/// How the manual set-up ended.
enum class ManualSetupResult {
    /// "Becky.mil" was written and the user told to restart: end the program
    /// at once, without the close sequence and without writing the settings.
    EndProgram,
    /// Nothing was changed; the program goes on.
    Unchanged,
};

/// The manual set-up: asks for the data folder (a Windows path, or a host
/// path beginning with "/"), or for Becky's program folder (one holding
/// "Rebecca.EXE" in any case) and then which of its sub-folders is the data
/// folder; asks for the own i-mode address and the usual provider address;
/// writes the four-line "Becky.mil" and sets `env` to it. When no sub-folder
/// is confirmed, or "Becky.mil" cannot be written, says so and leaves `env`
/// and the file unchanged; a cancelled question leaves them unchanged
/// without a word.
ManualSetupResult manualBeckySetup(BeckyEnvironment &env, Dialogs &dialogs,
                                   const HostPaths &paths, const QString &programFolder);
