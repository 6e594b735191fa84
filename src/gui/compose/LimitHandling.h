#pragma once

#include "core/compose/LimitFlag.h"

#include <QString>

struct ComposeContext;

/// Every change of the body: the limit warning or check, the modified
/// flag, the preview and the count label.
void onBodyChanged(ComposeContext &c);

/// The limit check with its offer to cut the excess; writes the count label
/// in its shortest form.
void checkBodyLimit(ComposeContext &c);

/// A limit flag changed its value; switching CharacterLimit on takes the
/// pending limit or asks for one.
void onLimitFlagChanged(ComposeContext &c, LimitFlag flag);

/// The i-mode setting changed its value.
void onImodeSettingChanged(ComposeContext &c);

/// Enables the compose controls that work only with the i-mode setting on
/// (the other subsystems follow the setting on their own).
void setImodeControlsEnabled(ComposeContext &c, bool on);

/// The limit applied to a text about to be sent (the body with its signature
/// or in its vertical layout): with the character limit and the
/// classification on and the text over the limit, offers to cut the excess
/// as the limit check does while typing. Returns the text to send.
QString withinSendingLimit(ComposeContext &c, QString outgoing);
