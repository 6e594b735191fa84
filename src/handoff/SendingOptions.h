#pragma once

class MainWindow;

/// The i-mode menu's single choices and the edit menu's copy commands.
namespace sendingoptions {

/// Chooses account-change mode `mode` (0 to 2): stores it and leaves the
/// check mark on that entry alone. Choosing the current mode changes nothing.
void chooseAccountChangeMode(MainWindow &w, int mode);

/// `Outadr_Click`: offers to switch the sending address to entry `index`
/// ("変更"); Yes stores it. Asks nothing when `index` is already chosen or
/// has no entry. Afterwards exactly the chosen entry carries the check mark.
void chooseSendingAddress(MainWindow &w, int index);

/// Makes entry `index` the sending address without a question and moves
/// the check mark there. An index without an entry changes nothing.
void selectSendingAddress(MainWindow &w, int index);

/// `Combo2_Click`: stores the selected account index; once the window is
/// shown, switches the sending address as the account-change mode says
/// (mode 1 at once, mode 2 through chooseSendingAddress()).
void accountChosen(MainWindow &w);

/// Puts the To text (`entry` 0), the subject (1) or the body (2) on the
/// clipboard; an empty text leaves the clipboard as it is.
void copyShownText(MainWindow &w, int entry);

} // namespace sendingoptions
