#include "handoff/SendingOptions.h"

#include "app/MainWindow.h"
#include "compose/BodyEdit.h"
#include "handoff/WindowMailboxes.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"

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

bool hasSendingAddress(MainWindow &w, int index)
{
    return index >= 0 && index < w.ui().OutAdr.size();
}

} // namespace

namespace sendingoptions {

void chooseAccountChangeMode(MainWindow &w, int mode)
{
    w.state().accountChangeMode = mode;
    markOnly(w.ui().OutAdrChg, mode);
}

void chooseSendingAddress(MainWindow &w, int index)
{
    ComposeState &s = w.state();
    const int current = s.sendingAddressIndex;
    if (index != current && hasSendingAddress(w, index)
        && w.dialogs().askYesNo(u"使用する自分のi-mode用アドレス("_qs
                                    + windowmailboxes::sendingAddress(w, current) + u")を\r\n"_qs
                                    + windowmailboxes::sendingAddress(w, index)
                                    + u"に変更しますか？"_qs,
                                u"変更"_qs))
        s.sendingAddressIndex = index;
    markOnly(w.ui().OutAdr, s.sendingAddressIndex);
}

void selectSendingAddress(MainWindow &w, int index)
{
    if (!hasSendingAddress(w, index))
        return;
    w.state().sendingAddressIndex = index;
    markOnly(w.ui().OutAdr, index);
}

void accountChosen(MainWindow &w)
{
    MainControls &c = w.ui();
    ComposeState &s = w.state();
    const int account = c.Combo2->currentIndex();
    if (account < 0)
        return;
    s.accountIndex = account;
    // The start-up restores the stored account before the window shows;
    // that must not move the sending address.
    if (!w.isVisible() || s.accountChangeMode <= 0)
        return;
    if (c.OutAdrChg[2]->isChecked())
        chooseSendingAddress(w, account + 1);
    else if (c.OutAdrChg[1]->isChecked())
        selectSendingAddress(w, account + 1);
}

void copyShownText(MainWindow &w, int entry)
{
    const MainControls &c = w.ui();
    const QString text = entry == 0   ? c.Combo1->currentText()
                         : entry == 1 ? c.Text2->text()
                                      : c.Text1->bodyText();
    if (!text.isEmpty())
        w.services().clipboard.setText(text);
}

} // namespace sendingoptions
