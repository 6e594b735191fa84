#pragma once

#include <optional>

/// Limit flags CharacterLimit and Classify as they were when the i-mode
/// setting was switched on; switching it off puts them back.
struct SavedLimitFlags {
    bool characterLimit = false;
    bool classify = false;
};

/// What the commands in progress keep between the events they handle.
struct CommandProgress {
    /// The send command is running.
    bool sending = false;
    /// Enter was pressed with automatic substitution on: the key's release
    /// substitutes the keywords.
    bool substituteOnKeyUp = false;
    /// The preview box holds an exact copy of the body, kept in step edit by
    /// edit; false once anything else was written there or while the hidden
    /// panel lets the copy fall behind.
    bool previewIsBodyCopy = false;
    /// A limit the CharacterLimit flag takes without asking when it is next
    /// switched on (from "Horo.ini", or the i-mode setting's 250).
    std::optional<int> pendingLimit;
    /// Set while the i-mode setting is on.
    std::optional<SavedLimitFlags> savedLimitFlags;
};
