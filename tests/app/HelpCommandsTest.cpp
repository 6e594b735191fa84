#include "gui/handoff/HandoffContext.h"
#include "gui/app/HelpCommands.h"
#include "gui/app/ReadmeWindow.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

const QString kAskReset = u"設定を初期化し、再設定を行いますか？"_qs;
const QString kAskFull = u"完全初期状態からの再設定を行いますか？\r\n※調子がおかしいときは、YESにしてください。"_qs;
const QString kProposalTitle = u"***@docomo.ne.jpがいいよ。"_qs;

// Becky's registry with one account, so that the discovery after a reset finds it.
void withBeckyInRegistry(WindowHarness &h)
{
    const QString users = u"Software\\RIMArts\\Rebecca\\Users\\0"_qs;
    h.registry.set(u"Software\\RIMArts\\Rebecca\\Settings"_qs, u"HomeDir"_qs, h.dataFolder());
    h.registry.set(users, u"Account"_qs, u"メイン"_qs);
    h.registry.set(users, u"Address"_qs, u"me@isp.example.jp"_qs);
}

void expectProposal(WindowHarness &h)
{
    h.dialogs.expectMessage(kProposalTitle, u"使用するi-mode用のメールアドレスは、[me@isp.example.jp]でよろしいですか？"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
}

TEST(HelpCommands, AboutShowsTheVersion)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"ご利用ありがとうございます。\r\nHoronami！ バージョン5.4.11"_qs,
                            Dialogs::Buttons::Ok, Dialogs::Icon::Information);
    h.ui().aboutEntry->trigger();
}

// The readme opens in the program's own read-only window, in its own
// encoding (UTF-8 as installed), never through the desktop's handler of text
// files, which may be this program.
TEST(HelpCommands, ReadmeOpensInAReadOnlyWindowOfTheProgram)
{
    WindowHarness h;
    h.folder.writeBytes(u"readme.txt"_qs, hexBytes("e4bdbfe38184e696b9 0a")); // "使い方" in UTF-8
    ASSERT_TRUE(h.start());
    h.ui().readmeEntry->trigger();
    h.ui().readmeEntry->trigger();
    const QList<ReadmeWindow *> windows = h.window().findChildren<ReadmeWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    const auto *view = windows[0]->findChild<QPlainTextEdit *>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->toPlainText(), u"使い方\n"_qs);

    // A readme removed while the program runs shows nothing new.
    windows[0]->close();
    QFile::remove(h.folder.file(u"readme.txt"_qs));
    h.ui().readmeEntry->trigger();
    EXPECT_FALSE(windows[0]->isVisible());
}

TEST(HelpCommands, DecliningTheResetChangesNothing)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.dialogs.expectMessage(u"再設定"_qs, kAskReset, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().resetEntry->trigger();
    EXPECT_EQ(h.ui().sendingAddressEntries()[0]->text(), u"me@docomo.ne.jp"_qs);
    EXPECT_TRUE(h.folder.exists(u"Becky.mil"_qs));
}

TEST(HelpCommands, PartialResetRediscoversWithoutDeleting)
{
    WindowHarness h;
    withBeckyInRegistry(h);
    h.folder.writeText(u"Horo.ini"_qs, u"Sei0=1\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.dialogs.expectMessage(u"再設定"_qs, kAskReset, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再設定"_qs, kAskFull, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    expectProposal(h);
    h.ui().resetEntry->trigger();
    EXPECT_TRUE(h.folder.exists(u"Horo.ini"_qs));
    EXPECT_EQ(h.ui().sendingAddressEntries()[0]->text(), u"me@isp.example.jp"_qs);
    EXPECT_EQ(h.ui().accountList->currentIndex(), 0);
}

// Refusing the proposal and cancelling the address question keeps the
// address the user had before the reset.
TEST(HelpCommands, ResetWithTheAddressQuestionCancelledKeepsTheAddress)
{
    WindowHarness h;
    withBeckyInRegistry(h);
    ASSERT_TRUE(h.start());
    h.dialogs.expectMessage(u"再設定"_qs, kAskReset, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再設定"_qs, kAskFull, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectMessage(kProposalTitle, u"使用するi-mode用のメールアドレスは、[me@isp.example.jp]でよろしいですか？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectInput(u"Your MailAdr!"_qs, u"あなたのメールアドレスを教えてください。"_qs, std::nullopt);
    h.ui().resetEntry->trigger();
    EXPECT_EQ(h.ui().sendingAddressEntries()[0]->text(), u"me@docomo.ne.jp"_qs);
    EXPECT_EQ(h.folder.readText(u"Becky.mil"_qs).split(u"\r\n"_qs).value(1), u"me@docomo.ne.jp"_qs);
}

// The reset re-selects the stored account as the start-up does: not as a
// user's choice, so the account-change mode neither moves the sending
// address (mode 1) nor asks about it (mode 2).
TEST(HelpCommands, ResetReselectsTheStoredAccountQuietly)
{
    struct Row {
        int mode;
        int storedAccount;
        int shownAccount;
    };
    for (const Row &row : {Row{1, 1, 1}, Row{2, 1, 1}, Row{1, 7, 0}}) {
        WindowHarness h;
        withBeckyInRegistry(h);
        const QString second = u"Software\\RIMArts\\Rebecca\\Users\\1"_qs;
        h.registry.set(second, u"Account"_qs, u"サブ"_qs);
        h.registry.set(second, u"Address"_qs, u"sub@isp.example.jp"_qs);
        h.folder.writeText(u"Horo.ini"_qs, u"AcOp=%1\r\n"_qs.arg(row.mode));
        ASSERT_TRUE(h.start());
        h.state().accounts.accountIndex = row.storedAccount;
        h.dialogs.expectMessage(u"再設定"_qs, kAskReset, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
            .expectMessage(u"再設定"_qs, kAskFull, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
        expectProposal(h);
        h.ui().resetEntry->trigger();
        h.dialogs.verifyAllShown();
        EXPECT_EQ(h.ui().accountList->count(), 2);
        EXPECT_EQ(h.ui().accountList->currentIndex(), row.shownAccount) << row.storedAccount;
        EXPECT_EQ(h.state().accounts.accountIndex, row.shownAccount);
        EXPECT_EQ(h.state().accounts.sendingAddressIndex(), 0) << row.mode;
    }
}

TEST(HelpCommands, FullResetAsksAboutTheAddressBookAndTheLog)
{
    WindowHarness h;
    withBeckyInRegistry(h);
    h.folder.writeText(u"Horo.ini"_qs, u"Sei0=1\r\n"_qs);
    h.folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\r\n"_qs);
    h.folder.writeText(u"Keitai.pre"_qs, u"X#0809\r\n"_qs);
    h.folder.writeText(u"OutPutLog.mbx"_qs, u"From:a\r\n\r\nb\r\n.\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.dialogs.expectMessage(u"再設定"_qs, kAskReset, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再設定"_qs, kAskFull, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"アドレス帳＋NEW機種情報"_qs, u"アドレス帳関係のデータも削除しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"i-modeメール出力ログファイル"_qs, u"現在まで出力したログデータも削除しますか？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    expectProposal(h);
    h.ui().resetEntry->trigger();
    EXPECT_FALSE(h.folder.exists(u"Horo.ini"_qs));
    EXPECT_FALSE(h.folder.exists(u"addr.adr"_qs));
    EXPECT_FALSE(h.folder.exists(u"Keitai.pre"_qs));
    EXPECT_TRUE(h.folder.exists(u"OutPutLog.mbx"_qs));
    EXPECT_TRUE(h.folder.exists(u"Becky.mil"_qs)); // written again by the discovery
}

TEST(HelpCommands, FullResetWithoutAnAddressBookKeepsThePresets)
{
    WindowHarness h;
    h.folder.writeText(u"Keitai.pre"_qs, u"X#0809\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.dialogs.expectMessage(u"再設定"_qs, kAskReset, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再設定"_qs, kAskFull, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.ui().resetEntry->trigger(); // no Becky in the registry: nothing more is asked
    EXPECT_TRUE(h.folder.exists(u"Keitai.pre"_qs));
    EXPECT_FALSE(h.folder.exists(u"Becky.mil"_qs));
}

} // namespace
