#pragma once

struct HandoffContext;

/// Where the send command puts the mail.
enum class SendTarget {
    /// The account's outbox, after the warnings and the confirmation, with
    /// the signature or the vertical layout; logged afterwards.
    Outbox,
    /// The account's draft mailbox: the body as typed, without warnings,
    /// signature, vertical layout, confirmation or log ("草稿に保存").
    Drafts,
};

/// The send command. The record is built from the values of the fields and
/// the outgoing body; the body field keeps the text the user typed.
void sendCommand(HandoffContext &h, SendTarget target);
