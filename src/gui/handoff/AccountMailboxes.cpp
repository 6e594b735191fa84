#include "gui/handoff/AccountMailboxes.h"

#include "core/handoff/AccountChoice.h"
#include "gui/handoff/HandoffContext.h"
#include "core/handoff/Mailbox.h"
#include "core/platform/Registry.h"

#include <QAction>
#include <QComboBox>

namespace accountmailboxes {

QString accountFolder(const HandoffContext &h)
{
    if (!h.account.beckyDataFolder)
        return {};
    return mailbox::accountFolder(*h.account.beckyDataFolder, h.ui.accountList->currentData().toInt());
}

QString mailboxPath(const HandoffContext &h, Mailbox which)
{
    const QString folder = accountFolder(h);
    if (folder.isEmpty())
        return {};
    return h.hostPaths.toHost(which == Mailbox::Drafts ? mailbox::draftPath(folder) : mailbox::outboxPath(folder));
}

QString sendingAddress(const HandoffContext &h, int index)
{
    const QList<QAction *> &entries = *h.ui.sendingAddressEntries;
    return index >= 0 && index < entries.size() ? entries[index]->text() : QString();
}

} // namespace accountmailboxes
