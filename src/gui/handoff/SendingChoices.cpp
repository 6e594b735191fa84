#include "gui/handoff/SendingChoices.h"

#include "core/handoff/AccountModel.h"
#include "core/handoff/BeckyRecord.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeContext.h"
#include "gui/handoff/HandoffContext.h"
#include "core/platform/Desktop.h"
#include "core/platform/Dialogs.h"
#include "gui/platform/ControlNames.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>

namespace {

// Leaves the check mark on entry `chosen` alone, also undoing the toggle Qt
// applied to a checkable entry the user just clicked.
template <typename Entries>
void markOnly(const Entries &entries, int chosen)
{
    int i = 0;
    for (QAction *entry : entries)
        entry->setChecked(i++ == chosen);
}

// How a sending address reads in the menu and in the questions about it.
QString shownAddress(const HandoffContext &h, int index)
{
    return h.accounts.sendingAddress(index).value_or(beckyrecord::noOwnAddressText());
}

// The account list and the sending-address entries show the accounts and
// their addresses. Filling the list selects nothing and reports no choice:
// the start-up, or the command that found Becky again, restores the stored
// choice afterwards.
void showAccounts(HandoffContext &h, QObject *owner)
{
    QComboBox *list = h.ui.accountList;
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const BeckyAccount &account : h.accounts.accounts())
            list->addItem(account.name);
        list->setCurrentIndex(-1);
    }
    QList<QAction *> &entries = h.ui.sendingAddressEntries;
    for (int k = 0; k < h.accounts.sendingAddressCount(); ++k) {
        if (k == entries.size()) {
            QAction *entry = menuEntry(h.ui.sendingAddressMenu, u"OutAdr(%1)"_qs.arg(k), QString());
            entry->setCheckable(true);
            QObject::connect(entry, &QAction::triggered, owner,
                             [&h, k] { sendingchoices::chooseSendingAddress(h, k); });
            entries.append(entry);
        }
        entries[k]->setText(shownAddress(h, k));
    }
    markOnly(entries, h.accounts.sendingAddressIndex());
}

void showOption(HandoffContext &h, QObject *owner, QAction *entry, SendingOptions::Option option)
{
    entry->setChecked(h.sending.isOn(option));
    QObject::connect(entry, &QAction::toggled, owner, [&h, option](bool on) { h.sending.set(option, on); });
    QObject::connect(&h.sending, &SendingOptions::optionChanged, entry,
                     [entry, option](SendingOptions::Option changed, bool on) {
                         if (changed == option)
                             entry->setChecked(on);
                     });
}

} // namespace

namespace sendingchoices {

void showChoices(HandoffContext &h, QObject *owner)
{
    const HandoffControls &c = h.ui;
    using Option = SendingOptions::Option;
    showOption(h, owner, c.noConfirmationEntry, Option::NoConfirmation);
    showOption(h, owner, c.newMailAfterSendEntry, Option::NewMailAfterSend);
    showOption(h, owner, c.endAfterSendEntry, Option::EndAfterSend);
    showOption(h, owner, c.bccToAccountEntry, Option::BccToAccount);

    for (const AccountChangeMode mode : {AccountChangeMode::Keep, AccountChangeMode::Follow, AccountChangeMode::Ask}) {
        QObject::connect(c.accountChangeModeEntries[static_cast<std::size_t>(mode)], &QAction::triggered, owner,
                         [&h, mode] {
                             h.sending.setAccountChangeMode(mode);
                             // Choosing the current mode again keeps its mark.
                             markOnly(h.ui.accountChangeModeEntries, static_cast<int>(mode));
                         });
    }
    markOnly(c.accountChangeModeEntries, static_cast<int>(h.sending.accountChangeMode()));
    QObject::connect(&h.sending, &SendingOptions::accountChangeModeChanged, owner,
                     [&h](AccountChangeMode mode) { markOnly(h.ui.accountChangeModeEntries, static_cast<int>(mode)); });

    showAccounts(h, owner);
    QObject::connect(&h.accounts, &AccountModel::addressesChanged, owner, [&h, owner] { showAccounts(h, owner); });
    QObject::connect(&h.accounts, &AccountModel::sendingAddressIndexChanged, owner,
                     [&h](int index) { markOnly(h.ui.sendingAddressEntries, index); });
    QObject::connect(c.accountList, &QComboBox::currentIndexChanged, owner, [&h] { accountChosen(h); });
}

void chooseSendingAddress(HandoffContext &h, int index)
{
    AccountModel &a = h.accounts;
    const int current = a.sendingAddressIndex();
    if (index != current && index >= 0 && index < a.sendingAddressCount()
        && h.dialogs.askYesNo(u"使用する自分のi-mode用アドレス("_qs + shownAddress(h, current) + u")を\r\n"_qs
                                  + shownAddress(h, index) + u"に変更しますか？"_qs,
                              u"変更"_qs))
        a.setSendingAddressIndex(index);
    markOnly(h.ui.sendingAddressEntries, a.sendingAddressIndex());
}

void accountChosen(HandoffContext &h)
{
    const int account = h.ui.accountList->currentIndex();
    if (account < 0)
        return;
    h.accounts.accountIndex = account;
    // The start-up restores the stored account before the window shows;
    // that must not move the sending address.
    if (!h.ui.accountList->window()->isVisible())
        return;
    switch (h.sending.accountChangeMode()) {
    case AccountChangeMode::Keep:
        break;
    case AccountChangeMode::Follow:
        if (account + 1 < h.accounts.sendingAddressCount())
            h.accounts.setSendingAddressIndex(account + 1);
        break;
    case AccountChangeMode::Ask:
        chooseSendingAddress(h, account + 1);
        break;
    }
}

void restoreChoices(HandoffContext &h)
{
    AccountModel &a = h.accounts;
    const auto storedOrFirst = [](int stored, qsizetype count) { return stored >= 0 && stored < count ? stored : 0; };
    if (!a.accounts().isEmpty()) {
        a.accountIndex = storedOrFirst(a.accountIndex, a.accounts().size());
        const QSignalBlocker quiet(h.ui.accountList);
        h.ui.accountList->setCurrentIndex(a.accountIndex);
    }
    a.setSendingAddressIndex(storedOrFirst(a.sendingAddressIndex(), a.sendingAddressCount()));
    markOnly(h.ui.sendingAddressEntries, a.sendingAddressIndex());
}

void copyShownText(HandoffContext &h, ShownText field)
{
    const QString text = field == ShownText::To        ? h.ui.toField->currentText()
                         : field == ShownText::Subject ? h.compose.ui.subjectField->text()
                                                       : h.compose.ui.bodyField->bodyText();
    if (!text.isEmpty())
        h.clipboard.setText(text);
}

} // namespace sendingchoices
