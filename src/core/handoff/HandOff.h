#pragma once

#include <QString>

#include <functional>

class Dialogs;
struct MailRecord;

/// What the hand-off needs from the main window. Paths are host paths.
struct HandOffTarget {
    /// The mailbox to write to (the draft mailbox in draft mode, otherwise
    /// the outbox), worked out from the account selected now.
    std::function<QString()> mailboxPath;
    /// The selected account's mail folder.
    std::function<QString()> accountFolder;
    /// Finds Becky again and selects the same account index as before.
    std::function<void()> rediscover;
    /// Runs again and again while another program holds the mailbox, until
    /// the append gives up (to keep the window painted); may be empty.
    std::function<void()> whileWaiting;
};

/// Appends the record to the target mailbox, asking the user whether to
/// try again after each failure ("再送信確認"), a mailbox another program
/// holds for a few seconds included: while the account folder
/// exists it simply retries; when it is gone it offers a new discovery of
/// Becky, after which the mailbox path is worked out again (the record is
/// not rebuilt). There is no limit on the attempts; only the user's No ends
/// a failing loop. Returns true once the record was written, false when the
/// user gave up.
bool handOff(const MailRecord &record, bool draftMode, const HandOffTarget &target,
             Dialogs &dialogs);
