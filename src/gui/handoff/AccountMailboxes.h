#pragma once

#include <QString>

struct HandoffContext;

/// Where mails go: the selected account's mailboxes and the chosen sending
/// address.
namespace accountmailboxes {

/// Which of the account's mailboxes.
enum class Mailbox { Outbox, Drafts };

/// The selected account's mail folder in Becky's Windows form (data folder
/// + "User" + the item data of the selected account); empty while Becky is
/// not found.
QString accountFolder(const HandoffContext &h);

/// The selected account's outbox or draft mailbox as a host path; empty
/// while Becky is not found.
QString mailboxPath(const HandoffContext &h, Mailbox which);

/// The caption of sending-address entry `index`; empty when there is none.
QString sendingAddress(const HandoffContext &h, int index);

} // namespace accountmailboxes
