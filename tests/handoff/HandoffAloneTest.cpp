// The hand-off commands built on their own widgets and a fake host, linked
// without the main window's library.
#include "gui/compose/BodyEdit.h"
#include "core/compose/CommandProgress.h"
#include "gui/compose/ComposeContext.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "core/handoff/AccountModel.h"
#include "core/handoff/MailCounts.h"
#include "core/handoff/SendingOptions.h"
#include "gui/handoff/HandoffCommands.h"
#include "gui/handoff/HandoffContext.h"
#include "gui/handoff/HandoffHost.h"
#include "core/handoff/MailRecord.h"
#include "support/ScriptedDialogs.h"
#include "support/Fakes.h"
#include "support/RecordingHosts.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class HandoffAlone : public ::testing::Test {
protected:
    HandoffAlone()
        : compose{ComposeControls::create(&window), mail, phones, command, dialogs, clipboard, composeHost},
          handoff{HandoffControls::create(&window), compose, accounts, sending, counts, dialogs, clipboard,
                  paths, folder.path(), host}
    {
        QDir(folder.path()).mkpath(u"becky/User0/OutBox"_qs);
        handoff.ui.sendingAddressMenu = new QMenu(&window);
        connectHandoffCommands(handoff, &window);
        accounts.setEnvironment({folder.file(u"becky/"_qs), u"me@docomo.ne.jp"_qs, {{u"メイン"_qs, 0, QString()}}});
        handoff.ui.accountList->setCurrentIndex(0);
    }

    QWidget window;
    TestFolder folder;
    EditedMail mail;
    PhoneModelList phones;
    CommandProgress command;
    AccountModel accounts;
    SendingOptions sending;
    MailCountsModel counts;
    ScriptedDialogs dialogs;
    MemoryClipboard clipboard;
    PlainPaths paths;
    RecordingHost composeHost;
    RecordingHandoffHost host;
    ComposeContext compose;
    HandoffContext handoff;
};

TEST_F(HandoffAlone, DraftGoesToTheAccountsDraftMailboxAndTheHostClosesOnYes)
{
    mail.setSignatureOn(true); // a draft carries no signature
    mail.signatureText = u"署名"_qs;
    handoff.ui.toField->setEditText(u"friend@docomo.ne.jp"_qs);
    compose.ui.subjectField->setText(u"件名"_qs);
    compose.ui.bodyField->setBodyText(u"本文"_qs);
    for (const Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Yes}) {
        dialogs.expectMessage(u"終了？"_qs,
                              u"メインアカウントの草稿に保存しました。編集を終了し、Horonamiを閉じますか？ \r\n"
                              u"※BECKYを起動していた場合は、BECKYを再起動してください。"_qs,
                              Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, answer);
        handoff.ui.saveDraftEntry->trigger();
        dialogs.verifyAllShown();
    }
    MailFields fields;
    fields.from = u"me@docomo.ne.jp"_qs;
    fields.to = u"friend@docomo.ne.jp"_qs;
    fields.subject = u"件名"_qs;
    fields.body = u"本文"_qs;
    const QByteArray record = mailrecord::bytes(mailrecord::build(fields));
    EXPECT_EQ(folder.readBytes(u"becky/User0/OutBox/Draft.mbx"_qs), record + record);
    EXPECT_EQ(host.closes, 1);
    EXPECT_FALSE(command.sending);
}

// Without a data folder there is no mailbox to write: the retry finds no
// account folder and asks the host to find Becky again.
TEST_F(HandoffAlone, WithoutBeckyTheDraftIsNotWrittenAndTheHostIsAskedToFindBecky)
{
    accounts.beckyDataFolder.reset();
    const QString retry = u"BECKYが送受信処理中です。送信できません。2度目の送信を試みますか？。"_qs;
    dialogs.expectMessage(u"再送信確認"_qs, retry, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再送信確認"_qs, u"BECKYの位置がつかめません、再設定を試みます。"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"再送信確認"_qs, retry, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No)
        .expectMessage(Dialogs::defaultTitle(),
                       u"書き込みエラーです。草稿に保存することができませんでした。再度挑戦してみてください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    handoff.ui.saveDraftEntry->trigger();
    dialogs.verifyAllShown();
    EXPECT_EQ(host.rediscoveries, 1);
    EXPECT_EQ(host.closes, 0);
    EXPECT_TRUE(QDir(folder.file(u"becky/User0/OutBox"_qs)).isEmpty());
}

// A mail from an own address that was never set would go out "From:" the
// menu's placeholder: it is refused, with the way to set one.
TEST_F(HandoffAlone, WithoutAnOwnAddressNothingIsSent)
{
    mail.setImode(true); // enables the send button
    accounts.setOwnAddress(std::nullopt);
    EXPECT_EQ(handoff.ui.sendingAddressEntries[0]->text(), u"なし"_qs);
    for (QAction *draft : {static_cast<QAction *>(nullptr), handoff.ui.saveDraftEntry}) {
        dialogs.expectMessage(Dialogs::defaultTitle(),
                              u"送信元のi-mode用アドレスが設定されていません。"
                              u"「ヘルプ」の「再設定」で自分のアドレスを設定してください。"_qs,
                              Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        if (draft)
            draft->trigger();
        else
            handoff.ui.sendButton->click();
        dialogs.verifyAllShown();
    }
    EXPECT_TRUE(QDir(folder.file(u"becky/User0/OutBox"_qs)).isEmpty());
}

} // namespace
