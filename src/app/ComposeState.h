#pragma once

#include "compose/CommandProgress.h"
#include "compose/EditedMail.h"
#include "handoff/AccountChoice.h"

#include <QString>

/// The state the main window keeps: the mail being edited, the commands in
/// progress and the account choice, each handed to the subsystem that works
/// on it.
struct ComposeState {
    EditedMail mail;
    CommandProgress command;
    AccountChoice account;

    /// Position of the Becky address book chosen last.
    QString beckyBookIndex = QStringLiteral("0");
    /// The open command's hand-over with the file-drop panel: "1" while the
    /// panel is open, then the path of the dropped file to load; "0" otherwise.
    QString openFile = QStringLiteral("0");
};
