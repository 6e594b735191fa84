#include "handoff/WindowMailboxes.h"

#include "app/BeckyEnvironment.h"
#include "app/MainWindow.h"
#include "handoff/Mailbox.h"
#include "platform/Registry.h"

#include <QAction>
#include <QComboBox>

namespace windowmailboxes {

QString accountFolder(MainWindow &w)
{
    return accountMailFolder(w.state().dataFolder, w.ui().Combo2->currentData().toInt());
}

QString mailboxPath(MainWindow &w, bool draft)
{
    const QString folder = accountFolder(w);
    return w.services().hostPaths.toHost(draft ? mailbox::draftPath(folder)
                                               : mailbox::outboxPath(folder));
}

QString sendingAddress(MainWindow &w, int index)
{
    const QList<QAction *> &entries = w.ui().OutAdr;
    return index >= 0 && index < entries.size() ? entries[index]->text() : QString();
}

} // namespace windowmailboxes
