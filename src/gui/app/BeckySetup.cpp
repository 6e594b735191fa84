#include "gui/app/BeckySetup.h"

#include "core/app/BeckyDiscovery.h"
#include "core/app/ProgramState.h"
#include "core/handoff/BeckyRecord.h"
#include "gui/app/MainWindow.h"
#include "core/platform/Dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

bool beckyFound(MainWindow &w) { return w.state().accounts.beckyDataFolder.has_value(); }

// The manual set-up question (asked on a first run without Becky and once
// more before the features are switched off); Yes runs the set-up. Returns
// true when the set-up succeeded and has ended the program.
bool offerManualSetup(MainWindow &w)
{
    const bool yes = w.dialogs().askYesNo(
        u"このパソコンには、becky1.26がインストールされていない可能性があります。Beckyを認識できませんでした。"
        u"もしBeckyをインストールされている環境であれば手動設定でもHoronamiの設定を行うことができますが設定しますか？"
        u"\r\nBeckyがインストールされていない場合は、Horonamiは正しい動作を保証できません。"_qs,
        u"Beckyインストールされてますか？"_qs, Dialogs::Icon::Critical);
    if (!yes)
        return false;
    BeckyEnvironment env;
    const Services &s = w.services();
    if (manualBeckySetup(env, w.dialogs(), s.hostPaths, s.programFolder) != ManualSetupResult::EndProgram)
        return false;
    w.endProgram();
    return true;
}

// Switches the Becky features off for the rest of the run. The i-mode
// setting is locked off, hidden and disabled, so that nothing can bring the
// features back.
void switchBeckyFeaturesOff(MainWindow &w)
{
    MainControls &c = w.ui();
    w.state().mail.lockImodeOff();
    c.imodeSetting->hide();
    c.imodeSetting->setEnabled(false);
    c.previewPanel->hide();
    c.accountList->hide();
    c.beckyAddressBookButton->setEnabled(false);
    c.imodeMenu->menuAction()->setEnabled(false);
    c.verticalModeButton->setEnabled(false);
    c.windowMenu->menuAction()->setEnabled(false);
}

// A stored set-up whose first mail folder is gone: offers to look for Becky
// again, or marks Becky as not found.
void confirmStoredSetup(MainWindow &w, const BeckyEnvironment &stored)
{
    if (firstAccountFolderExists(stored, w.services().hostPaths))
        return;
    if (w.dialogs().askYesNo(u"beckyの設定が変更されている可能性があります。修正しますか？"
                             u"\r\n※修正しないと送信処理が行えません。"_qs,
                             u"べっきー"_qs))
        runBeckyDiscovery(w);
    else
        w.state().accounts.beckyDataFolder.reset();
}

} // namespace

bool findBecky(MainWindow &w)
{
    if (const std::optional<BeckyEnvironment> stored = beckyrecord::read(w.services().programFolder)) {
        w.state().accounts.setEnvironment(*stored);
        confirmStoredSetup(w, *stored);
    } else {
        runBeckyDiscovery(w);
        if (beckyFound(w))
            w.state().mail.setImode(true);
        else if (offerManualSetup(w))
            return false;
    }
    if (beckyFound(w))
        return true;
    w.dialogs().inform(u"このパソコンには、becky1.26がインストールされていない可能性がありますので"
                       u"\r\nHoronamiのi-mode送信機能は、使えません。"_qs,
                       u"Horonamiは、brcky v1.26対応です。"_qs);
    if (offerManualSetup(w))
        return false;
    switchBeckyFeaturesOff(w);
    return true;
}

void runBeckyDiscovery(MainWindow &w, const std::optional<QString> &addressOnCancel)
{
    AccountModel &accounts = w.state().accounts;
    BeckyEnvironment env = accounts.environment();
    const Services &s = w.services();
    if (discoverBecky(env, s.registry, w.dialogs(), s.programFolder, addressOnCancel))
        accounts.setEnvironment(env);
    else
        accounts.beckyDataFolder = env.dataFolder;
}
