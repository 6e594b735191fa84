#pragma once

#include "gui/compose/ComposeControls.h"

class Clipboard;
struct CommandProgress;
class ComposeHost;
class Dialogs;
class EditedMail;
class PhoneModelList;

/// Everything the compose commands work with: their controls, the mail, the
/// phone models and the command state, the platform seams and the window
/// above them.
struct ComposeContext {
    ComposeControls ui;
    EditedMail &mail;
    PhoneModelList &phones;
    CommandProgress &command;
    Dialogs &dialogs;
    Clipboard &clipboard;
    ComposeHost &host;
};
