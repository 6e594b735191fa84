#pragma once

#include <QString>

#include <functional>

struct MailRecord;

/// The mailbox files a record goes to, and the append itself.
namespace mailbox {

/// An account's mail folder in Becky's Windows form: data folder + "User" +
/// number (no separator inserted; the data folder ends with one).
QString accountFolder(const QString &dataFolder, int mailDirNo);

/// The account's outbox, in Becky's Windows form: accountFolder + "\OutBox.mbx".
/// The caller maps it to a host path.
QString outboxPath(const QString &accountFolder);

/// The account's draft mailbox: accountFolder + "\OutBox\Draft.mbx".
QString draftPath(const QString &accountFolder);

/// The program's log mailbox: programFolder + "/OutPutLog.mbx".
QString logPath(const QString &programFolder);

/// Appends the record (header + tail + CR LF, code page 932) to the mailbox
/// at the host path `path`, creating the file when missing. Returns false
/// when the record could not be written whole (a folder or a read-only file
/// at the path, a missing folder, a full disk, another program such as
/// Becky holding the file for about three seconds); the file then keeps
/// exactly its previous bytes, so the attempt can simply be repeated.
/// `whileWaiting` runs again and again while the file is held.
bool append(const QString &path, const MailRecord &record, const std::function<void()> &whileWaiting = {});

} // namespace mailbox
