#pragma once

/// What the hand-off commands ask of the window that holds them.
class HandoffHost {
public:
    virtual ~HandoffHost() = default;
    /// Finds Becky again and refills the account and sending-address lists
    /// (when a send finds the account's mail folder gone).
    virtual void rediscoverBecky() = 0;
    /// Closes the window through its close sequence and ends the program
    /// when it closed.
    virtual void closeProgram() = 0;
    /// A recipient was added to the own address book file: the book can be
    /// opened now.
    virtual void recipientRegistered() = 0;
    /// Before a send or draft: offers replacements for the characters of the
    /// To field, the subject, the body and, with `withSignature`, the
    /// signature that code page 932 cannot hold. False when the user goes
    /// back to editing rather than send them as "?".
    virtual bool offerSendableText(bool withSignature) = 0;
};
