#pragma once

#include <QString>

class MainWindow;

/// The main window's view of where mails go: the selected account's
/// mailboxes and the chosen sending address.
namespace windowmailboxes {

/// The selected account's mail folder in Becky's Windows form (data folder
/// + "User" + the item data of the selected `Combo2` entry).
QString accountFolder(MainWindow &w);

/// The selected account's draft mailbox (`draft`) or outbox, as a host path.
QString mailboxPath(MainWindow &w, bool draft);

/// The caption of sending-address entry `index`; empty when there is none.
QString sendingAddress(MainWindow &w, int index);

} // namespace windowmailboxes
