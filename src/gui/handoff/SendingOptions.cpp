#include "gui/handoff/SendingOptions.h"

#include "gui/compose/BodyEdit.h"
#include "gui/handoff/AccountMailboxes.h"
#include "gui/handoff/HandoffContext.h"
#include "core/platform/Desktop.h"
#include "core/platform/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

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

bool hasSendingAddress(const HandoffContext &h, int index)
{
    return index >= 0 && index < h.ui.sendingAddressEntries->size();
}

} // namespace

namespace sendingoptions {

void chooseAccountChangeMode(HandoffContext &h, AccountChangeMode mode)
{
    h.account.accountChangeMode = mode;
    markOnly(h.ui.accountChangeModeEntries, static_cast<int>(mode));
}

void chooseSendingAddress(HandoffContext &h, int index)
{
    AccountChoice &a = h.account;
    const int current = a.sendingAddressIndex;
    if (index != current && hasSendingAddress(h, index)
        && h.dialogs.askYesNo(u"使用する自分のi-mode用アドレス("_qs
                                  + accountmailboxes::sendingAddress(h, current) + u")を\r\n"_qs
                                  + accountmailboxes::sendingAddress(h, index) + u"に変更しますか？"_qs,
                              u"変更"_qs))
        a.sendingAddressIndex = index;
    markOnly(*h.ui.sendingAddressEntries, a.sendingAddressIndex);
}

void selectSendingAddress(HandoffContext &h, int index)
{
    if (!hasSendingAddress(h, index))
        return;
    h.account.sendingAddressIndex = index;
    markOnly(*h.ui.sendingAddressEntries, index);
}

void accountChosen(HandoffContext &h)
{
    const int account = h.ui.accountList->currentIndex();
    if (account < 0)
        return;
    h.account.accountIndex = account;
    // The start-up restores the stored account before the window shows;
    // that must not move the sending address.
    if (!h.ui.accountList->window()->isVisible())
        return;
    switch (h.account.accountChangeMode) {
    case AccountChangeMode::Keep:
        break;
    case AccountChangeMode::Follow:
        selectSendingAddress(h, account + 1);
        break;
    case AccountChangeMode::Ask:
        chooseSendingAddress(h, account + 1);
        break;
    }
}

void copyShownText(HandoffContext &h, ShownText field)
{
    const HandoffControls &c = h.ui;
    const QString text = field == ShownText::To        ? c.toField->currentText()
                         : field == ShownText::Subject ? c.subjectField->text()
                                                       : c.bodyField->bodyText();
    if (!text.isEmpty())
        h.clipboard.setText(text);
}

} // namespace sendingoptions
