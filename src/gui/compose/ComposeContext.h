#pragma once

#include "gui/compose/ComposeControls.h"

class Clipboard;
struct CommandProgress;
class ComposeHost;
class Dialogs;
class Twips;
struct EditedMail;

/// Everything the compose commands work with: their controls, the mail and
/// command state, the platform seams and the window above them.
struct ComposeContext {
    ComposeControls ui;
    EditedMail &mail;
    CommandProgress &command;
    Dialogs &dialogs;
    Clipboard &clipboard;
    const Twips &twips;
    ComposeHost &host;
};
