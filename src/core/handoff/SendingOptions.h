#pragma once

#include <QObject>

/// What choosing an account does to the sending address, in the order of
/// the menu's entries (and of the number "Horo.ini" stores).
enum class AccountChangeMode {
    Keep,   ///< the sending address stays
    Follow, ///< the sending address becomes the account's
    Ask,    ///< the user is asked whether to switch
};

/// The sending options of the i-mode menu.
class SendingOptions : public QObject {
    Q_OBJECT
public:
    /// The on/off options, in the menu's order.
    enum class Option {
        NoConfirmation,   ///< send without the confirmation box
        NewMailAfterSend, ///< start a new mail after sending, without asking
        EndAfterSend,     ///< offer to end the program after sending
        BccToAccount,     ///< send a blind copy to the account's own address
    };

    using QObject::QObject;

    bool isOn(Option option) const { return on_[static_cast<int>(option)]; }
    void set(Option option, bool on);

    AccountChangeMode accountChangeMode() const { return accountChangeMode_; }
    void setAccountChangeMode(AccountChangeMode mode);

signals:
    void optionChanged(SendingOptions::Option option, bool on);
    void accountChangeModeChanged(AccountChangeMode mode);

private:
    bool on_[4] = {};
    AccountChangeMode accountChangeMode_ = AccountChangeMode::Keep;
};
