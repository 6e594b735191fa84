#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

/// One Becky account.
struct BeckyAccount {
    QString name;      ///< Becky's "Account"; the entry of the account list
    int mailDirNo = 0; ///< number of the account's mail folder ("User" + number)
    QString address;   ///< the account's own address; a sending address

    friend bool operator==(const BeckyAccount &, const BeckyAccount &) = default;
};

/// Where Becky keeps its data and who sends through it, as discovery finds
/// it and the program's Becky record stores it.
struct BeckyEnvironment {
    /// Becky accounts numbered 0 to 20 are taken; later ones are ignored.
    static constexpr int maxAccounts = 21;

    /// Becky's data folder in Windows form, ending with its separator, as
    /// Becky's HomeDir holds it (or a folder chosen by the manual set-up);
    /// nothing while Becky is not found.
    std::optional<QString> dataFolder;
    /// The user's own i-mode address; nothing until one is set.
    std::optional<QString> ownAddress;
    /// Becky's accounts in Becky's order, at most maxAccounts.
    QList<BeckyAccount> accounts;

    /// True when Becky's data folder is known.
    bool found() const { return dataFolder.has_value(); }
};

/// The Becky account the mail goes through and the address it is sent from.
class AccountModel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Becky's data folder in Windows form, ending with its separator;
    /// nothing while Becky is not found.
    std::optional<QString> beckyDataFolder;
    /// The last chosen entry of the account list.
    int accountIndex = 0;
    /// Position of the Becky address book chosen last (-1: none).
    int beckyBookIndex = 0;

    /// The accounts of the last environment taken.
    const QList<BeckyAccount> &accounts() const { return accounts_; }
    /// The own i-mode address: sending address 0.
    const std::optional<QString> &ownAddress() const { return ownAddress_; }
    void setOwnAddress(const std::optional<QString> &address);

    /// Sending address 0 is the own address, sending address k the address
    /// of account k - 1. A later environment with fewer accounts leaves the
    /// addresses of the accounts it lacks as they were.
    int sendingAddressCount() const { return static_cast<int>(accountAddresses_.size()) + 1; }
    /// Nothing for an own address not set, or an index without an address.
    std::optional<QString> sendingAddress(int index) const;
    /// The sending address the mail is sent from. The settings file may
    /// name one the accounts read after it do not have; the start-up then
    /// chooses address 0.
    int sendingAddressIndex() const { return sendingAddressIndex_; }
    void setSendingAddressIndex(int index);

    /// Takes an environment: the data folder, the own address and the
    /// accounts with their addresses.
    void setEnvironment(const BeckyEnvironment &env);
    /// The environment as the Becky record stores it.
    BeckyEnvironment environment() const;

signals:
    /// The own address, the accounts or their addresses changed.
    void addressesChanged();
    void sendingAddressIndexChanged(int index);

private:
    std::optional<QString> ownAddress_;
    QList<BeckyAccount> accounts_;
    QStringList accountAddresses_;
    int sendingAddressIndex_ = 0;
};
