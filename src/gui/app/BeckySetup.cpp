#include "gui/app/BeckySetup.h"

#include "core/app/BeckyEnvironment.h"
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

// Puts an environment into the window: the data folder, the own address as
// sending-address entry 0, the accounts into the account list (item data =
// mail folder number) and their addresses into entries 1 .. n. Existing
// entries are reused; entries beyond the accounts keep their captions.
void applyEnvironment(MainWindow &w, const BeckyEnvironment &env)
{
    MainControls &c = w.ui();
    w.state().account.beckyDataFolder = env.dataFolder;
    c.sendingAddressEntries[0]->setText(env.ownAddress);
    {
        // Filling the list selects nothing and reports no choice: the
        // start-up, or the command that re-ran discovery, selects the
        // stored account afterwards.
        const QSignalBlocker quiet(c.accountList);
        c.accountList->clear();
        for (const BeckyAccount &account : env.accounts)
            c.accountList->addItem(account.name, account.mailDirNo);
        c.accountList->setCurrentIndex(-1);
    }
    for (qsizetype k = 0; k < env.accounts.size(); ++k) {
        const QString &address = env.accounts[k].address;
        if (k + 1 < c.sendingAddressEntries.size())
            c.sendingAddressEntries[k + 1]->setText(address);
        else
            w.addSendingAddress(address);
    }
}

bool beckyFound(MainWindow &w) { return w.state().account.beckyDataFolder.has_value(); }

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
// setting is hidden and disabled, and should code switch it on all the same
// it is switched straight off again, so that its handler cannot bring the
// features back.
void switchBeckyFeaturesOff(MainWindow &w)
{
    MainControls &c = w.ui();
    c.imodeSetting->setChecked(false);
    c.imodeSetting->hide();
    c.imodeSetting->setEnabled(false);
    c.previewPanel->hide();
    c.accountList->hide();
    c.beckyAddressBookButton->setEnabled(false);
    c.imodeMenu->menuAction()->setEnabled(false);
    c.verticalModeButton->setEnabled(false);
    c.windowMenu->menuAction()->setEnabled(false);
    QCheckBox *setting = c.imodeSetting;
    QObject::connect(setting, &QCheckBox::toggled, &w, [setting](bool on) {
        if (on)
            setting->setChecked(false);
    });
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
        w.state().account.beckyDataFolder.reset();
}

} // namespace

bool findBecky(MainWindow &w)
{
    if (const std::optional<BeckyEnvironment> stored = readBeckyRecord(w.services().programFolder)) {
        applyEnvironment(w, *stored);
        confirmStoredSetup(w, *stored);
    } else {
        runBeckyDiscovery(w);
        if (beckyFound(w))
            w.ui().imodeSetting->setChecked(true);
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

void runBeckyDiscovery(MainWindow &w) { runBeckyDiscovery(w, BeckyEnvironment::noAddress()); }

void runBeckyDiscovery(MainWindow &w, const QString &addressOnCancel)
{
    BeckyEnvironment env;
    env.ownAddress = w.ui().sendingAddressEntries[0]->text();
    const Services &s = w.services();
    if (discoverBecky(env, s.registry, w.dialogs(), s.programFolder, addressOnCancel))
        applyEnvironment(w, env);
    else
        w.state().account.beckyDataFolder = env.dataFolder;
}
