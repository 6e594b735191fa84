#include "gui/handoff/AccountMailboxes.h"

#include "core/handoff/AccountModel.h"
#include "gui/handoff/HandoffContext.h"
#include "core/handoff/Mailbox.h"
#include "core/platform/Registry.h"

#include <QComboBox>

namespace accountmailboxes {

QString accountFolder(const HandoffContext &h)
{
    const AccountModel &a = h.accounts;
    if (!a.beckyDataFolder)
        return {};
    const BeckyAccount chosen = a.accounts().value(h.ui.accountList->currentIndex());
    return mailbox::accountFolder(*a.beckyDataFolder, chosen.mailDirNo);
}

QString mailboxPath(const HandoffContext &h, Mailbox which)
{
    const QString folder = accountFolder(h);
    if (folder.isEmpty())
        return {};
    return h.hostPaths.toHost(which == Mailbox::Drafts ? mailbox::draftPath(folder) : mailbox::outboxPath(folder));
}


} // namespace accountmailboxes
