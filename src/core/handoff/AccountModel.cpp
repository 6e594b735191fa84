#include "core/handoff/AccountModel.h"

void AccountModel::setOwnAddress(const std::optional<QString> &address)
{
    if (ownAddress_ == address)
        return;
    ownAddress_ = address;
    emit addressesChanged();
}

std::optional<QString> AccountModel::sendingAddress(int index) const
{
    if (index == 0)
        return ownAddress_;
    if (index < 0 || index > accountAddresses_.size())
        return std::nullopt;
    return accountAddresses_[index - 1];
}

void AccountModel::setSendingAddressIndex(int index)
{
    if (index == sendingAddressIndex_)
        return;
    sendingAddressIndex_ = index;
    emit sendingAddressIndexChanged(index);
}

void AccountModel::setEnvironment(const BeckyEnvironment &env)
{
    beckyDataFolder = env.dataFolder;
    ownAddress_ = env.ownAddress;
    accounts_ = env.accounts;
    for (qsizetype k = 0; k < accounts_.size(); ++k) {
        if (k < accountAddresses_.size())
            accountAddresses_[k] = accounts_[k].address;
        else
            accountAddresses_.append(accounts_[k].address);
    }
    emit addressesChanged();
}

BeckyEnvironment AccountModel::environment() const { return {beckyDataFolder, ownAddress_, accounts_}; }
