#pragma once

#include <QList>
#include <QString>

#include <optional>

class Dialogs;
class HostPaths;
class Registry;

/// One Becky account.
struct BeckyAccount {
    QString name;      ///< Becky's "Account"; the entry of the account list
    int mailDirNo = 0; ///< number of the account's mail folder ("User" + number)
    QString address;   ///< the account's own address; caption of the sending-address entry
};

/// Where Becky keeps its data and who sends through it.
///
/// The window holds this in its controls; to apply it, fill the account
/// list from `accounts` (name, item data `mailDirNo`), set the caption of
/// sending-address entry 0 to `ownAddress`, and for k = 0 .. accounts.size()
/// - 1 set the caption of entry k + 1 to accounts[k].address, creating the
/// entry when missing. Entries beyond accounts.size() are left as they are
/// (after a discovery that found fewer accounts they keep their old captions).
struct BeckyEnvironment {
    /// Becky accounts numbered 0 to 20 are taken; later ones are ignored.
    static constexpr int maxAccounts = 21;

    /// The own address before one is set: "なし".
    static QString noAddress();

    /// Becky's data folder in Windows form, ending with its separator, as
    /// Becky's HomeDir holds it (or a folder chosen by the manual set-up);
    /// nothing while Becky is not found.
    std::optional<QString> dataFolder;
    /// The user's own i-mode address (sending-address entry 0).
    QString ownAddress = noAddress();
    /// Becky's accounts in Becky's order, at most maxAccounts.
    QList<BeckyAccount> accounts;

    /// True when Becky's data folder is known.
    bool found() const { return dataFolder.has_value(); }
};

/// The path of the program's Becky record "Becky.mil".
QString beckyRecordPath(const QString &programFolder);

/// Reads "Becky.mil": line 1 the data folder ("NO Becky" when Becky was not
/// found), line 2 the own address, then
/// pairs of lines "name,number" and the account's address. The accounts end
/// at the end of the file or at a line without ","; the number is the
/// decimal number at the start of the text after the last "," (0 when there
/// is none). Missing lines read as empty (a missing own address as
/// noAddress()). Nothing when the file does not exist (a first run).
std::optional<BeckyEnvironment> readBeckyRecord(const QString &programFolder);

/// Replaces "Becky.mil" with the environment, each text cut at its first
/// line break so that it stays on its line. The old file stays when the
/// write fails; returns false then.
bool writeBeckyRecord(const QString &programFolder, const BeckyEnvironment &env);

/// The start-up check of a stored set-up: true when something (file or
/// folder) exists at the mail folder of the first account, or at data
/// folder + "User2000" when there is no account.
bool firstAccountFolderExists(const BeckyEnvironment &env, const HostPaths &paths);

/// Becky discovery from Becky's registry keys. Sets the data folder from
/// HomeDir; when that is empty, or Becky has no account 0, sets it to
/// nothing and changes nothing else (the address question may have been
/// asked already). Otherwise proposes Becky's first address as the own
/// address when none is set yet (asking for one on "No": a typed address
/// replaces the proposal, an empty answer keeps it, a cancel gives
/// `addressOnCancel`), replaces the accounts with Becky's accounts 0 .. 20
/// up to the first without a name, and rewrites "Becky.mil". Texts read
/// from the registry are cut at their first line break. When "Becky.mil"
/// cannot be written, says so in a message box; the environment is still
/// set for this run. Returns env.found().
bool discoverBecky(BeckyEnvironment &env, const Registry &registry, Dialogs &dialogs,
                   const QString &programFolder,
                   const QString &addressOnCancel = BeckyEnvironment::noAddress());

/// How the manual set-up ended.
enum class ManualSetupResult {
    /// "Becky.mil" was written and the user told to restart: end the program
    /// at once, without the close sequence and without writing the settings.
    EndProgram,
    /// Nothing was changed; the program goes on.
    Unchanged,
};

/// The manual set-up: asks for the data folder (a Windows path, or a host
/// path beginning with "/"), or for Becky's program folder (one holding
/// "Rebecca.EXE" in any case) and then which of its sub-folders is the data
/// folder; asks for the own i-mode address and the usual provider address;
/// writes the four-line "Becky.mil" and sets `env` to it. When no sub-folder
/// is confirmed, or "Becky.mil" cannot be written, says so and leaves `env`
/// and the file unchanged; a cancelled question leaves them unchanged
/// without a word.
ManualSetupResult manualBeckySetup(BeckyEnvironment &env, Dialogs &dialogs,
                                   const HostPaths &paths, const QString &programFolder);
