#pragma once

#include "core/compose/CommandProgress.h"
#include "core/compose/EditedMail.h"
#include "core/handoff/AccountChoice.h"

#include <QString>

/// The state the main window keeps: the mail being edited, the commands in
/// progress and the account choice, each handed to the subsystem that works
/// on it.
struct ComposeState {
    EditedMail mail;
    CommandProgress command;
    AccountChoice account;

    /// Position of the Becky address book chosen last (-1: none).
    int beckyBookIndex = 0;
};
