#pragma once

#include "core/handoff/SendingOptions.h"

class QObject;
struct HandoffContext;

/// The i-mode menu's choices (the sending options, what choosing an account
/// does, the sending address), the account list and the edit menu's copy
/// commands.
namespace sendingchoices {

/// Lets the option entries, the account-change entries, the account list
/// and the sending-address entries show the accounts and the sending
/// options, and the user's choices change them.
void showChoices(HandoffContext &h, QObject *owner);

/// Offers to switch the sending address to entry `index` ("変更"); Yes
/// stores it. Asks nothing when `index` is already chosen or has no entry.
/// Afterwards exactly the chosen entry carries the check mark.
void chooseSendingAddress(HandoffContext &h, int index);

/// An account was selected: stores its index; once the window is shown,
/// switches the sending address as the account-change mode says (Follow at
/// once, Ask through chooseSendingAddress()).
void accountChosen(HandoffContext &h);

/// Selects the stored account and sending address again after the lists
/// were filled (the start-up, a new discovery): an index the lists do not
/// have selects the first entry. This is not the user's choice: the
/// account-change mode is not applied.
void restoreChoices(HandoffContext &h);

/// The fields the edit menu copies, in the menu's order.
enum class ShownText { To, Subject, Body };

/// Puts the shown text of a field on the clipboard; an empty text leaves
/// the clipboard as it is.
void copyShownText(HandoffContext &h, ShownText field);

} // namespace sendingchoices
