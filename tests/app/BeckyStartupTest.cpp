#include "gui/app/BeckySetup.h"
#include "core/platform/TextFile.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Answer = Dialogs::Answer;
using Icon = Dialogs::Icon;

const QString kSetupTitle = u"Beckyインストールされてますか？"_qs;
const QString kSetupQuestion =
    u"このパソコンには、becky1.26がインストールされていない可能性があります。Beckyを認識できませんでした。"
    u"もしBeckyをインストールされている環境であれば手動設定でもHoronamiの設定を行うことができますが設定しますか？"
    u"\r\nBeckyがインストールされていない場合は、Horonamiは正しい動作を保証できません。"_qs;
const QString kNoticeTitle = u"Horonamiは、brcky v1.26対応です。"_qs;
const QString kNotice = u"このパソコンには、becky1.26がインストールされていない可能性がありますので"
                        u"\r\nHoronamiのi-mode送信機能は、使えません。"_qs;
const QString kChangedTitle = u"べっきー"_qs;
const QString kChangedQuestion =
    u"beckyの設定が変更されている可能性があります。修正しますか？\r\n※修正しないと送信処理が行えません。"_qs;
const QString kProposalTitle = u"***@docomo.ne.jpがいいよ。"_qs;

// An account as Becky keeps it; the mail folder number arrives as the raw
// byte the registry reader decodes.
void setAccount(WindowHarness &h, int k, const QString &name, int mailDirNo, const QString &address)
{
    h.registry.beckyAccount(k, name, mailDirNo ? QString(QChar(mailDirNo)) : QString(), address);
}

QStringList captions(const QList<QAction *> &entries)
{
    QStringList texts;
    for (const QAction *a : entries)
        texts.append(a->text());
    return texts;
}

// The accounts as the list shows them, each with its mail folder number.
QStringList accountNames(WindowHarness &h)
{
    const QComboBox *list = h.ui().accountList;
    const QList<BeckyAccount> &accounts = h.state().accounts.accounts();
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->itemText(i) + u'=' + QString::number(accounts.value(i).mailDirNo));
    return names;
}

// Becky discovery as a reset or a send runs it, on the window's accounts.
void rediscover(WindowHarness &h)
{
    BeckySetup({h.dialogs, h.registry, h.paths, h.folder.path(), h.state().accounts, h.state().mail}).rediscover();
}

// Checks every control the start-up switches off when Becky is missing.
void expectBeckyFeaturesOff(WindowHarness &h)
{
    MainWindowControls &c = h.ui();
    EXPECT_FALSE(h.state().accounts.beckyDataFolder);
    EXPECT_FALSE(c.imodeSetting->isChecked());
    EXPECT_FALSE(c.imodeSetting->isVisibleTo(&h.window()));
    EXPECT_FALSE(c.previewPanel->isVisibleTo(&h.window()));
    EXPECT_FALSE(c.accountList->isVisibleTo(&h.window()));
    EXPECT_FALSE(c.beckyAddressBookButton->isEnabled());
    EXPECT_FALSE(c.imodeMenu->menuAction()->isEnabled());
    EXPECT_FALSE(c.verticalModeButton->isEnabled());
    EXPECT_FALSE(c.windowMenu->menuAction()->isEnabled());
}

// The start-up's answers after Becky was not found: the notice, then No to
// the set-up question asked a second time.
void expectNoticeAndDecline(WindowHarness &h)
{
    h.dialogs.expectMessage(kNoticeTitle, kNotice, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(kSetupTitle, kSetupQuestion, Dialogs::Buttons::YesNo, Icon::Critical, Answer::No);
}

TEST(FindBecky, FirstRunWithBeckyAsksForTheOwnAddressAndSwitchesImodeOn)
{
    WindowHarness h;
    h.withoutBeckyRecord();
    h.registry.beckyHome(h.dataFolder());
    setAccount(h, 0, u"メイン"_qs, 0, u"me@isp.example.jp"_qs);
    setAccount(h, 1, u"サブ"_qs, 3, u"sub@isp.example.jp"_qs);
    h.dialogs
        .expectMessage(kProposalTitle, u"使用するi-mode用のメールアドレスは、[me@isp.example.jp]でよろしいですか？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No)
        .expectInput(u"Your MailAdr!"_qs, u"あなたのメールアドレスを教えてください。"_qs, u"me@docomo.ne.jp"_qs,
                     u"@docomo.ne.jp"_qs);

    ASSERT_TRUE(h.start());

    MainWindowControls &c = h.ui();
    EXPECT_EQ(h.state().accounts.beckyDataFolder, h.dataFolder());
    EXPECT_TRUE(c.imodeSetting->isChecked());
    EXPECT_TRUE(c.accountList->isVisibleTo(&h.window()));
    EXPECT_TRUE(c.imodeMenu->menuAction()->isEnabled());
    EXPECT_EQ(accountNames(h), (QStringList{u"メイン=0"_qs, u"サブ=3"_qs}));
    EXPECT_EQ(c.accountList->currentIndex(), 0); // the stored account, selected by the start-up
    EXPECT_EQ(captions(h.ui().sendingAddressEntries()),
              (QStringList{u"me@docomo.ne.jp"_qs, u"me@isp.example.jp"_qs, u"sub@isp.example.jp"_qs}));
    EXPECT_TRUE(h.ui().sendingAddressEntries()[0]->isChecked());
    EXPECT_EQ(textfile::splitLines(h.folder.readText(u"Becky.mil"_qs)),
              (QStringList{h.dataFolder(), u"me@docomo.ne.jp"_qs, u"メイン,0"_qs, u"me@isp.example.jp"_qs,
                           u"サブ,3"_qs, u"sub@isp.example.jp"_qs}));
}

TEST(FindBecky, FirstRunWithoutBeckyAsksTwiceAndSwitchesTheFeaturesOffForTheRun)
{
    WindowHarness h;
    h.withoutBeckyRecord();
    h.folder.writeText(u"Horo.ini"_qs, u"imde=1\r\n"_qs);
    bool imodeOnDuringNotice = false;
    h.dialogs.expectMessage(kSetupTitle, kSetupQuestion, Dialogs::Buttons::YesNo, Icon::Critical, Answer::No)
        .expectMessage(kNoticeTitle, kNotice, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .whileShown([&] { imodeOnDuringNotice = h.ui().imodeSetting->isChecked(); })
        .expectMessage(kSetupTitle, kSetupQuestion, Dialogs::Buttons::YesNo, Icon::Critical, Answer::No);

    ASSERT_TRUE(h.start());

    EXPECT_TRUE(imodeOnDuringNotice); // switched off only after the questions
    expectBeckyFeaturesOff(h);
    EXPECT_FALSE(h.ui().imodeSetting->isEnabled());
    EXPECT_FALSE(h.ui().limitFlags[LimitFlag::CharacterLimit]->isChecked()); // the switching-off ran
    EXPECT_FALSE(h.folder.exists(u"Becky.mil"_qs));

    // Nothing brings the features back during the run.
    h.ui().imodeSetting->setChecked(true);
    expectBeckyFeaturesOff(h);
}

TEST(FindBecky, ManualSetupAfterEitherQuestionEndsTheProgramWithoutSettings)
{
    // Answering Yes to the first question runs the set-up; when it confirms
    // no data folder the start-up goes on to the notice, and Yes to the
    // second question runs it again.
    WindowHarness h;
    h.withoutBeckyRecord();
    QDir(h.folder.path()).mkpath(u"Rebecca/Data"_qs);
    h.folder.writeText(u"Rebecca/rebecca.exe"_qs, QString());
    const QString programFolder = h.folder.file(u"Rebecca"_qs);
    const QString dataFolder = h.folder.file(u"mail"_qs);
    h.dialogs.expectMessage(kSetupTitle, kSetupQuestion, Dialogs::Buttons::YesNo, Icon::Critical, Answer::Yes)
        .expectInput(u"Becky MailBox Path"_qs, u"データフォルダの位置を記入してください。"_qs, programFolder + u'/')
        .expectMessage(u"データフォルダ特定"_qs, programFolder + u"/Dataは、Beckyのデータフォルダですね？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No)
        .expectMessage(u"不明"_qs, u"データボックスが見つかりませんでした。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(kNoticeTitle, kNotice, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(kSetupTitle, kSetupQuestion, Dialogs::Buttons::YesNo, Icon::Critical, Answer::Yes)
        .expectInput(u"Becky MailBox Path"_qs, u"データフォルダの位置を記入してください。"_qs, dataFolder)
        .expectInput(u"アドレスを教えてください"_qs, u"i-mode送信時に使用されるメールアドレスを教えてください。"_qs,
                     u"me@docomo.ne.jp"_qs)
        .expectInput(u"通常使用しているプロバイダのアドレス"_qs,
                     u"通常使用しているプロバイダのメールアドレスを記入ください。"_qs, u"me@isp.example.jp"_qs)
        .expectMessage(u"終了します"_qs,
                       u"手動設定に成功しました。Horonamiを再起動してください。windowsの再起動は不要です。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);

    EXPECT_FALSE(h.start());

    EXPECT_TRUE(h.window().hasEnded());
    EXPECT_FALSE(h.folder.exists(u"Horo.ini"_qs));
    EXPECT_EQ(textfile::splitLines(h.folder.readText(u"Becky.mil"_qs)),
              (QStringList{dataFolder + u'/', u"me@docomo.ne.jp"_qs, u"手動設定,0"_qs, u"me@isp.example.jp"_qs}));
}

TEST(FindBecky, StoredSetupWithItsMailFolderGoneRediscoversOnYes)
{
    WindowHarness h;
    ASSERT_TRUE(QDir(h.dataFolder() + u"User0"_qs).removeRecursively());
    QDir(h.folder.path()).mkpath(u"moved/User5"_qs);
    const QString moved = h.folder.file(u"moved/"_qs);
    h.registry.beckyHome(moved);
    setAccount(h, 0, u"新メイン"_qs, 5, u"new@isp.example.jp"_qs);
    h.dialogs.expectMessage(kChangedTitle, kChangedQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);

    ASSERT_TRUE(h.start()); // the stored own address stands: no address question

    MainWindowControls &c = h.ui();
    EXPECT_EQ(h.state().accounts.beckyDataFolder, moved);
    EXPECT_EQ(accountNames(h), QStringList{u"新メイン=5"_qs});
    EXPECT_EQ(captions(h.ui().sendingAddressEntries()), (QStringList{u"me@docomo.ne.jp"_qs, u"new@isp.example.jp"_qs}));
    EXPECT_FALSE(c.imodeSetting->isChecked()); // only a first run switches the setting on
    EXPECT_EQ(textfile::splitLines(h.folder.readText(u"Becky.mil"_qs)),
              (QStringList{moved, u"me@docomo.ne.jp"_qs, u"新メイン,5"_qs, u"new@isp.example.jp"_qs}));
}

TEST(FindBecky, StoredSetupWithItsMailFolderGoneIsDroppedForTheRunOnNo)
{
    WindowHarness h;
    ASSERT_TRUE(QDir(h.dataFolder() + u"User0"_qs).removeRecursively());
    const QByteArray record = h.folder.readBytes(u"Becky.mil"_qs);
    h.dialogs.expectMessage(kChangedTitle, kChangedQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No);
    expectNoticeAndDecline(h);

    ASSERT_TRUE(h.start());

    expectBeckyFeaturesOff(h);
    // The stored accounts are still listed; the record is left as it was.
    EXPECT_EQ(accountNames(h), QStringList{u"メイン=0"_qs});
    EXPECT_EQ(h.folder.readBytes(u"Becky.mil"_qs), record);
}

TEST(FindBecky, RediscoveryThatFindsNoBeckyEndsInTheNoticeSequence)
{
    WindowHarness h;
    ASSERT_TRUE(QDir(h.dataFolder() + u"User0"_qs).removeRecursively());
    h.dialogs.expectMessage(kChangedTitle, kChangedQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    expectNoticeAndDecline(h);

    ASSERT_TRUE(h.start());

    expectBeckyFeaturesOff(h);
}

TEST(FindBecky, RecordWithoutAccountsLooksForUser2000)
{
    struct Row {
        const char *what;
        bool user2000; // a file named User2000 in the data folder
    };
    for (const Row &row : {Row{"User2000 present", true}, Row{"only User0 present", false}}) {
        SCOPED_TRACE(row.what);
        WindowHarness h;
        h.folder.writeText(u"Becky.mil"_qs, h.dataFolder() + u"\r\nme@docomo.ne.jp\r\n"_qs);
        if (row.user2000)
            h.folder.writeText(u"becky/User2000"_qs, QString());
        else {
            h.dialogs.expectMessage(kChangedTitle, kChangedQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No);
            expectNoticeAndDecline(h);
        }

        ASSERT_TRUE(h.start());

        EXPECT_EQ(h.ui().accountList->count(), 0);
        EXPECT_EQ(captions(h.ui().sendingAddressEntries()), QStringList{u"me@docomo.ne.jp"_qs});
        EXPECT_EQ(h.state().accounts.beckyDataFolder == h.dataFolder(), row.user2000);
    }
}

TEST(FindBecky, RecordFillsTheListsAndKeepsTheStoredAccountSelected)
{
    WindowHarness h;
    h.folder.writeText(u"Becky.mil"_qs, h.dataFolder()
                                            + u"\r\nme@docomo.ne.jp\r\nメイン,0\r\nme@isp.example.jp\r\n"
                                              u"仕事,7\r\nwork@example.jp\r\n"_qs);
    h.folder.writeText(u"Horo.ini"_qs, u"Acnt=1\r\nMyad=2\r\n"_qs);

    ASSERT_TRUE(h.start());

    MainWindowControls &c = h.ui();
    EXPECT_EQ(accountNames(h), (QStringList{u"メイン=0"_qs, u"仕事=7"_qs}));
    EXPECT_EQ(c.accountList->currentIndex(), 1);
    EXPECT_EQ(h.state().accounts.accountIndex, 1);
    EXPECT_EQ(captions(h.ui().sendingAddressEntries()),
              (QStringList{u"me@docomo.ne.jp"_qs, u"me@isp.example.jp"_qs, u"work@example.jp"_qs}));
    EXPECT_TRUE(h.ui().sendingAddressEntries()[2]->isChecked());
}

TEST(RunBeckyDiscovery, ReusesSendingAddressEntriesAndKeepsThoseBeyondTheAccounts)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    MainWindowControls &c = h.ui();
    h.registry.beckyHome(h.dataFolder());

    // More accounts than Becky numbers: only 0 to 20 are taken.
    for (int k = 0; k < 23; ++k)
        setAccount(h, k, u"口座"_qs + QString::number(k), k, u"a"_qs + QString::number(k) + u"@x.jp"_qs);
    QAction *firstAccountEntry = h.ui().sendingAddressEntries()[1];
    rediscover(h);
    EXPECT_EQ(c.accountList->count(), 21);
    EXPECT_EQ(h.state().accounts.accounts().value(20).mailDirNo, 20);
    ASSERT_EQ(h.ui().sendingAddressEntries().size(), 22);
    EXPECT_EQ(h.ui().sendingAddressEntries()[1], firstAccountEntry);
    EXPECT_EQ(h.ui().sendingAddressEntries()[1]->text(), u"a0@x.jp"_qs);
    EXPECT_EQ(h.ui().sendingAddressEntries()[21]->text(), u"a20@x.jp"_qs);
    EXPECT_EQ(h.ui().sendingAddressEntries()[0]->text(), u"me@docomo.ne.jp"_qs); // set before: nothing asked

    // A later run with fewer accounts overwrites the first entries only.
    setAccount(h, 2, QString(), 0, QString());
    const QList<QAction *> before = h.ui().sendingAddressEntries();
    rediscover(h);
    EXPECT_EQ(accountNames(h), (QStringList{u"口座0=0"_qs, u"口座1=1"_qs}));
    EXPECT_EQ(h.ui().sendingAddressEntries(), before);
    EXPECT_EQ(h.ui().sendingAddressEntries()[2]->text(), u"a1@x.jp"_qs);
    EXPECT_EQ(h.ui().sendingAddressEntries()[3]->text(), u"a2@x.jp"_qs);
    EXPECT_EQ(h.ui().sendingAddressEntries()[21]->text(), u"a20@x.jp"_qs);
    EXPECT_EQ(h.state().accounts.beckyDataFolder, h.dataFolder());
}

TEST(RunBeckyDiscovery, WithoutBeckyOnlyMarksTheDataFolder)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    const QByteArray record = h.folder.readBytes(u"Becky.mil"_qs);

    rediscover(h);

    EXPECT_FALSE(h.state().accounts.beckyDataFolder);
    EXPECT_EQ(accountNames(h), QStringList{u"メイン=0"_qs});
    EXPECT_EQ(captions(h.ui().sendingAddressEntries()), (QStringList{u"me@docomo.ne.jp"_qs, u"me@isp.example.jp"_qs}));
    EXPECT_EQ(h.folder.readBytes(u"Becky.mil"_qs), record);
}

} // namespace
