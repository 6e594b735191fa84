#pragma once

#include <QString>

#include <optional>

/// The group name of an export to Becky: the file name (without ".Adr") of a
/// group file in Becky's address book folder, on a Windows file system.
namespace addressbook {

/// True when the name can only name a file inside the folder: not empty,
/// without leading or trailing spaces, without "..", control characters or
/// any of \ / : * ? " < > |.
bool isValidGroupName(const QString &name);

/// The message for a name isValidGroupName refuses.
QString invalidGroupNameMessage();

/// The group file of `folder` that Windows would open for the group `name`:
/// the file named `name` + ".adr", compared case-blind; nothing when there is
/// none.
std::optional<QString> existingGroupFile(const QString &folder, const QString &name);

} // namespace addressbook
