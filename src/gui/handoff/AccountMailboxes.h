#pragma once

#include <QString>

struct HandoffContext;

/// Where mails go: the selected account's mailboxes.
namespace accountmailboxes {

/// Which of the account's mailboxes.
enum class Mailbox { Outbox, Drafts };

/// The selected account's mail folder in Becky's Windows form (data folder
/// + "User" + the account's mail folder number); empty while Becky is not
/// found.
QString accountFolder(const HandoffContext &h);

/// The selected account's outbox or draft mailbox as a host path; empty
/// while Becky is not found.
QString mailboxPath(const HandoffContext &h, Mailbox which);

} // namespace accountmailboxes
