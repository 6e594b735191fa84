#pragma once

#include "core/handoff/AccountChoice.h"

struct HandoffContext;

/// The i-mode menu's single choices and the edit menu's copy commands.
namespace sendingoptions {

/// Chooses what choosing an account does: stores it and leaves the check
/// mark on that entry alone. Choosing the current mode changes nothing.
void chooseAccountChangeMode(HandoffContext &h, AccountChangeMode mode);

/// Offers to switch the sending address to entry `index` ("変更"); Yes
/// stores it. Asks nothing when `index` is already chosen or has no entry.
/// Afterwards exactly the chosen entry carries the check mark.
void chooseSendingAddress(HandoffContext &h, int index);

/// Makes entry `index` the sending address without a question and moves
/// the check mark there. An index without an entry changes nothing.
void selectSendingAddress(HandoffContext &h, int index);

/// An account was selected: stores its index; once the window is shown,
/// switches the sending address as the account-change mode says (Follow at
/// once, Ask through chooseSendingAddress()).
void accountChosen(HandoffContext &h);

/// The fields the edit menu copies, in the menu's order.
enum class ShownText { To, Subject, Body };

/// Puts the shown text of a field on the clipboard; an empty text leaves
/// the clipboard as it is.
void copyShownText(HandoffContext &h, ShownText field);

} // namespace sendingoptions
