#pragma once

#include "core/compose/PhoneModel.h"

struct ComposeContext;

/// The phone model selected in the model list, or the first built-in model
/// (P501i) when none is selected.
PhoneModel selectedPhoneModel(const ComposeContext &c);

/// Choosing a model: sizes the preview box to the model's screen, moves the
/// panel's controls below it, lays the window out and, with the vertical
/// preview on, lays the body out again. Does nothing when no model is
/// selected.
void choosePhoneModel(ComposeContext &c);

/// Renders the body into the preview box as the phone wraps it, with the
/// signature when it is on.
void showSendImage(ComposeContext &c);

/// Shows or hides the preview panel, then lays the window out.
void togglePreviewPanel(ComposeContext &c);

/// Folds or unfolds the limit panel.
void toggleLimitPanel(ComposeContext &c);

/// The panel commands of the window menu, in the menu's order.
enum class PanelCommand {
    TogglePreviewPanel,
    ToggleMailList,
    FoldLimitPanel,
};

/// Runs a panel command of the window menu; inert while the preview button
/// is disabled (the i-mode setting is off).
void runPanelCommand(ComposeContext &c, PanelCommand command);
