#include "handoff/HandOff.h"
#include "handoff/MailRecord.h"
#include "SampleMailbox.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using Answer = Dialogs::Answer;

const QString retryTitle = u"再送信確認"_qs;

QString retryText(int attempt)
{
    return u"BECKYが送受信処理中です。送信できません。%1度目の送信を試みますか？。"_qs.arg(attempt);
}

// An account whose outbox lives in <folder>/<account>/OutBox; the
// rediscovery moves the account to "User2".
class HandOffLoop : public ::testing::Test {
protected:
    HandOffTarget target()
    {
        return {[this] { return dir.file(account + u"/OutBox/Draft.mbx"_qs); },
                [this] { return dir.file(account); },
                [this] {
                    ++discoveries;
                    account = u"User2"_qs;
                }};
    }
    void makeFolder(const QString &name) { ASSERT_TRUE(QDir(dir.path()).mkpath(name)); }

    TestFolder dir;
    QString account = u"User1"_qs;
    int discoveries = 0;
    const MailRecord record = mailrecord::build(sampleMail(1));
    ScriptedDialogs dialogs;
};

TEST_F(HandOffLoop, WritesAtOnceWithoutQuestions)
{
    makeFolder(u"User1/OutBox"_qs);
    EXPECT_TRUE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(dir.readBytes(u"User1/OutBox/Draft.mbx"_qs), mailrecord::bytes(record));
}

TEST_F(HandOffLoop, RetriesWhileTheUserSaysYes)
{
    makeFolder(u"User1"_qs); // the account is there, its OutBox folder not yet
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, retryText(3), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .whileShown([this] { makeFolder(u"User1/OutBox"_qs); });
    EXPECT_TRUE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(dir.readBytes(u"User1/OutBox/Draft.mbx"_qs), mailrecord::bytes(record));
}

TEST_F(HandOffLoop, GivingUpReportsFailure)
{
    makeFolder(u"User1"_qs);
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No);
    EXPECT_FALSE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(discoveries, 0);
}

TEST_F(HandOffLoop, LostAccountFolderOffersANewDiscovery)
{
    const QString lost = u"BECKYの位置がつかめません、再設定を試みます。"_qs;
    makeFolder(u"User2/OutBox"_qs);
    // Declining the discovery retries the same path, counting on.
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, lost, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No)
        .expectMessage(retryTitle, retryText(3), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, lost, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, u"設定を変更しました。再送信なさいますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(u"HORONAMI"_qs, u"送信が完了した後は、念の為、Horonamiを再起動してください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    EXPECT_TRUE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(discoveries, 1);
    EXPECT_EQ(dir.readBytes(u"User2/OutBox/Draft.mbx"_qs), mailrecord::bytes(record));
}

TEST_F(HandOffLoop, DraftModeRetriesAtOnceAfterDiscovery)
{
    makeFolder(u"User2"_qs); // found again, but still without its OutBox folder
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, u"BECKYの位置がつかめません、再設定を試みます。"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No);
    EXPECT_FALSE(handOff(record, true, target(), dialogs));
    EXPECT_EQ(discoveries, 1);
}

} // namespace
