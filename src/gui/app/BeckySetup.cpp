#include "gui/app/BeckySetup.h"

#include "core/app/BeckyDiscovery.h"
#include "core/compose/EditedMail.h"
#include "core/handoff/AccountModel.h"
#include "core/handoff/BeckyRecord.h"
#include "core/platform/Dialogs.h"

bool BeckySetup::found() const { return c_.accounts.beckyDataFolder.has_value(); }

// The manual set-up question (asked on a first run without Becky and once
// more before the features are switched off); Yes runs the set-up. True
// when the set-up succeeded and the program is to end.
bool BeckySetup::offerManualSetup()
{
    const bool yes = c_.dialogs.askYesNo(
        u"このパソコンには、becky1.26がインストールされていない可能性があります。Beckyを認識できませんでした。"
        u"もしBeckyをインストールされている環境であれば手動設定でもHoronamiの設定を行うことができますが設定しますか？"
        u"\r\nBeckyがインストールされていない場合は、Horonamiは正しい動作を保証できません。"_qs,
        u"Beckyインストールされてますか？"_qs, Dialogs::Icon::Critical);
    if (!yes)
        return false;
    BeckyEnvironment env;
    return manualBeckySetup(env, c_.dialogs, c_.hostPaths, c_.programFolder) == ManualSetupResult::EndProgram;
}

// A stored set-up whose first mail folder is gone: offers to look for Becky
// again, or marks Becky as not found.
void BeckySetup::confirmStoredSetup()
{
    if (firstAccountFolderExists(c_.accounts.environment(), c_.hostPaths))
        return;
    if (c_.dialogs.askYesNo(u"beckyの設定が変更されている可能性があります。修正しますか？"
                            u"\r\n※修正しないと送信処理が行えません。"_qs,
                            u"べっきー"_qs))
        rediscover();
    else
        c_.accounts.beckyDataFolder.reset();
}

BeckySetup::Outcome BeckySetup::findAtStartup()
{
    if (const std::optional<BeckyEnvironment> stored = beckyrecord::read(c_.programFolder)) {
        c_.accounts.setEnvironment(*stored);
        confirmStoredSetup();
    } else {
        rediscover();
        if (found())
            c_.mail.setImode(true);
        else if (offerManualSetup())
            return Outcome::EndProgram;
    }
    if (found())
        return Outcome::Found;
    c_.dialogs.inform(u"このパソコンには、becky1.26がインストールされていない可能性がありますので"
                      u"\r\nHoronamiのi-mode送信機能は、使えません。"_qs,
                      u"Horonamiは、brcky v1.26対応です。"_qs);
    if (offerManualSetup())
        return Outcome::EndProgram;
    c_.mail.lockImodeOff();
    return Outcome::NotFound;
}

void BeckySetup::rediscover(const std::optional<QString> &addressOnCancel)
{
    BeckyEnvironment env = c_.accounts.environment();
    if (discoverBecky(env, c_.registry, c_.dialogs, c_.programFolder, addressOnCancel))
        c_.accounts.setEnvironment(env);
    else
        c_.accounts.beckyDataFolder = env.dataFolder;
}
