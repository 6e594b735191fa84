#pragma once

#include "gui/handoff/HandoffControls.h"

#include <QString>

class Clipboard;
class Dialogs;
class HandoffHost;
class HostPaths;
class AccountModel;
class MailCountsModel;
class SendingOptions;
struct ComposeContext;

/// Everything the hand-off commands work with: their controls, the compose
/// side (the body, the mail's state, the vertical layout), the accounts, the
/// sending options and the mail counts, the platform seams, the program
/// folder and the window above them.
struct HandoffContext {
    HandoffControls ui;
    ComposeContext &compose;
    AccountModel &accounts;
    SendingOptions &sending;
    MailCountsModel &counts;
    Dialogs &dialogs;
    Clipboard &clipboard;
    const HostPaths &hostPaths;
    QString programFolder;
    HandoffHost &host;
};
