#pragma once

#include <QString>

#include <optional>

/// What choosing an account does to the sending address, in the order of
/// the menu's entries (and of the number "Horo.ini" stores).
enum class AccountChangeMode {
    Keep,   ///< the sending address stays
    Follow, ///< the sending address becomes the account's
    Ask,    ///< the user is asked whether to switch
};

/// The Becky account the mail goes through and the address it is sent from.
struct AccountChoice {
    /// Becky's data folder in Windows form, ending with its separator;
    /// nothing while Becky is not found.
    std::optional<QString> beckyDataFolder;
    /// The last chosen entry of the account list.
    int accountIndex = 0;
    AccountChangeMode accountChangeMode = AccountChangeMode::Keep;
    /// The chosen entry of the sending-address list.
    int sendingAddressIndex = 0;
};
