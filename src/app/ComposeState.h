#pragma once

#include <QString>

/// The state of the mail being edited and the values the main window keeps
/// for its commands (flags, stored indexes, the Becky data folder).
struct ComposeState {
    bool bodyModified = false;
    /// True while the send command runs.
    bool sending = false;
    /// True while the send command works for "草稿に保存".
    bool draftMode = false;
    bool verticalMode = false;

    bool signatureOn = false;
    /// The stored signature; the two characters backslash and "n" stand for a
    /// line break.
    QString signatureText;
    /// Pictographs put into the body, for the send command's warning.
    QString usedPictographs;

    /// The accepted body limit; 0 means none.
    int bodyLimit = 0;
    /// A limit waiting for limit flag 6 to be switched on ("0" when none).
    QString pendingLimit = QStringLiteral("0");
    /// Limit flags 6 and 7 as they were when the i-mode setting was last
    /// switched on, e.g. "01".
    QString savedFlagPair;
    bool substituteOnKeyUp = false;
    /// True while the preview box holds an exact copy of the body, kept in
    /// step edit by edit; false once anything else was written there or
    /// while the hidden panel lets the copy fall behind.
    bool previewIsBodyCopy = false;
    /// Progress of the count command; -1 means finished.
    int progress = 0;

    /// Becky's data folder, or the marker "NO Becky".
    QString dataFolder;
    /// The last chosen account index.
    int accountIndex = 0;
    /// What choosing an account does to the sending address (0 to 2).
    int accountChangeMode = 0;
    /// The index of the chosen sending address in the `OutAdr` list.
    int sendingAddressIndex = 0;
    /// Position of the Becky address book chosen last (-1: none).
    int beckyBookIndex = 0;
};
