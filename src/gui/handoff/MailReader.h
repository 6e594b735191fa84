#pragma once

#include "core/handoff/MailboxReader.h"

class MailListModel;
struct HandoffContext;

/// The draft and log list and loading a listed mail back into the editor.
namespace mailreader {

/// Gives the list its model, which holds the header row, the records and
/// the draft and log counts; the counts label shows the counts from then on.
MailListModel &attachModel(HandoffContext &h);

/// The list's model, as attached by attachModel().
MailListModel &model(const HandoffContext &h);

/// Lists the selected account's drafts or the log, newest first under the
/// header row; updates that source's count and shows the list. A missing
/// or empty mailbox is reported and leaves the header row.
void listMails(HandoffContext &h, MailSource source);

/// Loads the mail of list row `row`: the header row starts a new mail; a
/// record row, after the question about an edited body, sets the sending
/// address to the one matching its "From:", leaves vertical mode (offering
/// to turn a vertical layout back into horizontal text and to send it
/// vertically again) and fills the body, subject and To fields.
void loadMail(HandoffContext &h, int row);

/// Hides the list and lays the window out again.
void hideMailList(HandoffContext &h);

} // namespace mailreader
