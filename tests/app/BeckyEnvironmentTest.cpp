#include "core/app/BeckyDiscovery.h"
#include "core/handoff/BeckyRecord.h"
#include "core/addressbook/CarrierDomain.h"
#include "core/handoff/Mailbox.h"
#include "core/platform/TextFile.h"
#include "core/platform/WinePaths.h"
#include "core/platform/WineRegistry.h"
#include "support/Fakes.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using Answer = Dialogs::Answer;

const QString kHome = u"C:\\Becky\\"_qs;

const QString proposalTitle = u"***@docomo.ne.jpがいいよ。"_qs;

QString proposal(const QString &address)
{
    return u"使用するi-mode用のメールアドレスは、["_qs + address + u"]でよろしいですか？"_qs;
}

QStringList recordLines(const TestFolder &program)
{
    return textfile::splitLines(program.readText(u"Becky.mil"_qs));
}

TEST(DiscoverBecky, TakesAccountsUpToTheFirstGapAndWritesTheRecord)
{
    MemoryRegistry registry;
    registry.beckyHome(kHome)
        .beckyAccount(0, u"プロバイダ"_qs, u"\x02"_qs, u"hanako@isp.example.jp"_qs)
        .beckyAccount(1, u"keitai"_qs, QString(), u"hanako-k@docomo.ne.jp"_qs)
        .beckyAccount(2, u"ｶﾅ"_qs, u"ｱ"_qs, u"kana@x.jp"_qs) // first byte b1
        .beckyAccount(4, u"after-gap"_qs, u"\x09"_qs, u"gap@x.jp"_qs);
    TestFolder program;
    ScriptedDialogs dialogs;
    dialogs.expectMessage(proposalTitle, proposal(u"hanako@isp.example.jp"_qs), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    BeckyEnvironment env;

    EXPECT_TRUE(discoverBecky(env, registry, dialogs, program.path()));

    EXPECT_EQ(env.dataFolder, u"C:\\Becky\\"_qs);
    EXPECT_EQ(env.ownAddress, u"hanako@isp.example.jp"_qs);
    ASSERT_EQ(env.accounts.size(), 3);
    EXPECT_EQ(env.accounts[0].mailDirNo, 2);
    EXPECT_EQ(env.accounts[1].mailDirNo, 0); // MailDirNo missing
    EXPECT_EQ(env.accounts[2].mailDirNo, 0xb1);
    EXPECT_EQ(env.accounts[1].address, u"hanako-k@docomo.ne.jp"_qs);
    // "C:\Becky\" CR LF "hanako@isp.example.jp" CR LF "プロバイダ,2" CR LF ...
    EXPECT_EQ(program.readBytes(u"Becky.mil"_qs).left(48).toHex(' '),
              hexBytes("433a5c4265636b795c 0d0a 68616e616b6f40697370 2e6578616d706c652e6a70 0d0a"
                       " 8376838d836f8343835f 2c32 0d0a")
                  .toHex(' '));
    EXPECT_EQ(recordLines(program),
              (QStringList{u"C:\\Becky\\"_qs, u"hanako@isp.example.jp"_qs, u"プロバイダ,2"_qs,
                           u"hanako@isp.example.jp"_qs, u"keitai,0"_qs, u"hanako-k@docomo.ne.jp"_qs,
                           u"ｶﾅ,177"_qs, u"kana@x.jp"_qs}));
}

TEST(DiscoverBecky, ReadsTheWinePrefixRegistry)
{
    TestFolder prefix;
    QFile sample(testData(u"wine/user.reg"_qs));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    prefix.writeBytes(u"user.reg"_qs, sample.readAll());
    const WineRegistry registry(prefix.path());
    TestFolder program;
    ScriptedDialogs dialogs;
    dialogs.expectMessage(proposalTitle, proposal(u"hanako@isp.example.jp"_qs), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    BeckyEnvironment env;

    ASSERT_TRUE(discoverBecky(env, registry, dialogs, program.path()));
    EXPECT_EQ(env.dataFolder, u"C:\\Program Files\\RimArts\\B2\\"_qs);
    ASSERT_EQ(env.accounts.size(), 2); // Users\3 lies after the gap
    EXPECT_EQ(env.accounts[0].name, u"プロバイダ"_qs);
    EXPECT_EQ(env.accounts[0].mailDirNo, 2); // binary 02
    EXPECT_EQ(env.accounts[1].mailDirNo, 7); // dword 7
    EXPECT_EQ(mailbox::accountFolder(*env.dataFolder, env.accounts[1].mailDirNo),
              u"C:\\Program Files\\RimArts\\B2\\User7"_qs);
}

TEST(DiscoverBecky, AddressFromTheQuestionsWhenTheProposalIsRefused)
{
    const struct {
        std::optional<QString> typed;
        std::optional<QString> expected;
        QString stored;
    } rows[] = {
        {u"taro@docomo.ne.jp"_qs, u"taro@docomo.ne.jp"_qs, u"taro@docomo.ne.jp"_qs},
        {QString(), u"reg@isp.jp"_qs, u"reg@isp.jp"_qs}, // empty: the proposal stays
        {std::nullopt, std::nullopt, u"なし"_qs},         // cancelled: no address, as before
    };
    for (const auto &row : rows) {
        MemoryRegistry registry;
        registry.beckyHome(kHome).beckyAccount(0, u"main"_qs, u"\x01"_qs, u"reg@isp.jp"_qs);
        TestFolder program;
        ScriptedDialogs dialogs;
        dialogs.expectMessage(proposalTitle, proposal(u"reg@isp.jp"_qs), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No)
            .expectInput(u"Your MailAdr!"_qs, u"あなたのメールアドレスを教えてください。"_qs, row.typed,
                         u"@docomo.ne.jp"_qs);
        BeckyEnvironment env;
        ASSERT_TRUE(discoverBecky(env, registry, dialogs, program.path()));
        EXPECT_EQ(env.ownAddress, row.expected);
        EXPECT_EQ(recordLines(program).value(1), row.stored);
    }
}

TEST(DiscoverBecky, RerunKeepsTheAddressAndReplacesTheAccounts)
{
    MemoryRegistry registry;
    registry.beckyHome(u"D:\\Mail\\"_qs).beckyAccount(0, u"new"_qs, u"\x05"_qs, u"new@isp.jp"_qs);
    TestFolder program;
    ScriptedDialogs dialogs; // nothing is asked
    BeckyEnvironment env;
    env.dataFolder = u"C:\\Becky\\"_qs;
    env.ownAddress = u"me@docomo.ne.jp"_qs;
    env.accounts = {{u"old0"_qs, 1, u"o0@x"_qs}, {u"old1"_qs, 2, u"o1@x"_qs}, {u"old2"_qs, 3, u"o2@x"_qs}};

    ASSERT_TRUE(discoverBecky(env, registry, dialogs, program.path()));
    EXPECT_EQ(env.ownAddress, u"me@docomo.ne.jp"_qs);
    EXPECT_EQ(env.dataFolder, u"D:\\Mail\\"_qs);
    ASSERT_EQ(env.accounts.size(), 1);
    EXPECT_EQ(env.accounts[0].name, u"new"_qs);
    EXPECT_EQ(recordLines(program),
              (QStringList{u"D:\\Mail\\"_qs, u"me@docomo.ne.jp"_qs, u"new,5"_qs, u"new@isp.jp"_qs}));
}

TEST(DiscoverBecky, NotFoundChangesOnlyTheDataFolder)
{
    BeckyEnvironment before;
    before.dataFolder = u"C:\\Becky\\"_qs;
    before.accounts = {{u"kept"_qs, 4, u"k@x"_qs}};

    // No HomeDir: nothing is asked.
    {
        MemoryRegistry registry;
        registry.beckyAccount(0, u"main"_qs, u"\x01"_qs, u"a@x"_qs);
        TestFolder program;
        program.writeText(u"Becky.mil"_qs, u"old record"_qs);
        ScriptedDialogs dialogs;
        BeckyEnvironment env = before;
        EXPECT_FALSE(discoverBecky(env, registry, dialogs, program.path()));
        EXPECT_FALSE(env.dataFolder);
        EXPECT_EQ(env.ownAddress, std::nullopt);
        EXPECT_EQ(env.accounts.size(), 1);
        EXPECT_EQ(program.readText(u"Becky.mil"_qs), u"old record"_qs);
    }
    // No account 0: the address question comes first, its answer is dropped.
    {
        MemoryRegistry registry;
        registry.beckyHome(kHome).beckyAccount(1, u"second"_qs, u"\x01"_qs, u"b@x"_qs);
        TestFolder program;
        ScriptedDialogs dialogs;
        dialogs.expectMessage(proposalTitle, proposal(QString()), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
        BeckyEnvironment env = before;
        EXPECT_FALSE(discoverBecky(env, registry, dialogs, program.path()));
        EXPECT_FALSE(env.dataFolder);
        EXPECT_EQ(env.ownAddress, std::nullopt);
        EXPECT_EQ(env.accounts[0].name, u"kept"_qs);
        EXPECT_FALSE(program.exists(u"Becky.mil"_qs));
    }
}

TEST(DiscoverBecky, TakesAtMostTwentyOneAccounts)
{
    MemoryRegistry registry;
    registry.beckyHome(kHome);
    for (int k = 0; k < 25; ++k)
        registry.beckyAccount(k, u"a"_qs + QString::number(k), QString(QChar(u'0' + k)), QString());
    TestFolder program;
    ScriptedDialogs dialogs;
    BeckyEnvironment env;
    env.ownAddress = u"me@docomo.ne.jp"_qs;
    ASSERT_TRUE(discoverBecky(env, registry, dialogs, program.path()));
    ASSERT_EQ(env.accounts.size(), BeckyEnvironment::maxAccounts);
    EXPECT_EQ(env.accounts.last().name, u"a20"_qs);
    EXPECT_EQ(env.accounts.last().mailDirNo, '0' + 20);
    EXPECT_EQ(recordLines(program).size(), 2 + 2 * 21);
}

TEST(DiscoverBecky, RegistryTextsAreCutAtTheirFirstLineBreak)
{
    MemoryRegistry registry;
    registry.beckyHome(u"C:\\Becky\\\r\nextra"_qs).beckyAccount(0, u"two\nlines"_qs, u"\x03"_qs, u"a@x\rb"_qs);
    TestFolder program;
    ScriptedDialogs dialogs;
    dialogs.expectMessage(proposalTitle, proposal(u"a@x"_qs), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    BeckyEnvironment env;
    ASSERT_TRUE(discoverBecky(env, registry, dialogs, program.path()));
    EXPECT_EQ(env.dataFolder, u"C:\\Becky\\"_qs);
    EXPECT_EQ(env.accounts[0].name, u"two"_qs);
    EXPECT_EQ(recordLines(program),
              (QStringList{u"C:\\Becky\\"_qs, u"a@x"_qs, u"two,3"_qs, u"a@x"_qs}));
}

TEST(DiscoverBecky, UnwritableRecordIsReported)
{
    MemoryRegistry registry;
    registry.beckyHome(kHome).beckyAccount(0, u"main"_qs, u"\x01"_qs, u"a@x"_qs);
    TestFolder program;
    const QString missing = program.file(u"missing"_qs);
    ScriptedDialogs dialogs;
    dialogs.expectMessage(Dialogs::defaultTitle(),
                          u"Becky.milを書き込めませんでした。\r\n"_qs + missing + u"/Becky.mil"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    BeckyEnvironment env;
    env.ownAddress = u"me@docomo.ne.jp"_qs;
    EXPECT_TRUE(discoverBecky(env, registry, dialogs, missing));
    EXPECT_EQ(env.accounts.size(), 1); // still in effect for this run
}

TEST(BeckyRecord, RoundTrip)
{
    TestFolder program;
    BeckyEnvironment env;
    env.dataFolder = u"C:\\Program Files\\RimArts\\B2\\"_qs;
    env.ownAddress = u"hanako@docomo.ne.jp"_qs;
    env.accounts = {{u"プロバイダ"_qs, 2, u"hanako@isp.jp"_qs},
                    {u"Work, home"_qs, 12, u"w@x.jp"_qs}, // "," in a name
                    {u"empty"_qs, 0, QString()}};
    ASSERT_TRUE(beckyrecord::write(program.path(), env));
    const auto back = beckyrecord::read(program.path());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->dataFolder, env.dataFolder);
    EXPECT_EQ(back->ownAddress, env.ownAddress);
    ASSERT_EQ(back->accounts.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back->accounts[i].name, env.accounts[i].name);
        EXPECT_EQ(back->accounts[i].mailDirNo, env.accounts[i].mailDirNo);
        EXPECT_EQ(back->accounts[i].address, env.accounts[i].address);
    }
}

TEST(BeckyRecord, WriterKeepsEveryTextOnItsLine)
{
    TestFolder program;
    BeckyEnvironment env;
    env.dataFolder = u"C:\\B\\\r\nX"_qs;
    env.ownAddress = u"me\n@x"_qs;
    env.accounts = {{u"a\rb"_qs, 1, u"c\nd"_qs}};
    ASSERT_TRUE(beckyrecord::write(program.path(), env));
    EXPECT_EQ(program.readBytes(u"Becky.mil"_qs), QByteArray("C:\\B\\\r\nme\r\na,1\r\nc\r\n"));
}

TEST(BeckyRecord, ReadsHandMadeAndShortFiles)
{
    TestFolder program;
    EXPECT_EQ(beckyrecord::read(program.path()), std::nullopt);

    program.writeText(u"Becky.mil"_qs, u"C:\\B\\\r\nme@x\r\nA,3\r\na@x\r\nB, 12x\r\nb@x\r\nC,abc\r\nc@x\r\n"
                                       "no comma\r\nD,4\r\nd@x\r\n"_qs);
    auto env = beckyrecord::read(program.path());
    ASSERT_TRUE(env.has_value());
    ASSERT_EQ(env->accounts.size(), 3); // stops at the line without ","
    EXPECT_EQ(env->accounts[1].mailDirNo, 12);
    EXPECT_EQ(env->accounts[2].mailDirNo, 0);
    EXPECT_EQ(env->accounts[2].address, u"c@x"_qs);

    // The last account's address line is missing.
    program.writeText(u"Becky.mil"_qs, u"C:\\B\\\r\nme@x\r\nA,3\r\n"_qs);
    env = beckyrecord::read(program.path());
    ASSERT_EQ(env->accounts.size(), 1);
    EXPECT_EQ(env->accounts[0].address, QString());

    // Only the data folder: no address, no accounts.
    program.writeText(u"Becky.mil"_qs, u"C:\\B\\\r\n"_qs);
    env = beckyrecord::read(program.path());
    EXPECT_EQ(env->dataFolder, u"C:\\B\\"_qs);
    EXPECT_EQ(env->ownAddress, std::nullopt);
    EXPECT_TRUE(env->accounts.isEmpty());

    // A record with more accounts than Becky can have.
    QString many = u"C:\\B\\\r\nme@x\r\n"_qs;
    for (int k = 0; k < 30; ++k)
        many += u"n,"_qs + QString::number(k) + u"\r\nx\r\n"_qs;
    program.writeText(u"Becky.mil"_qs, many);
    EXPECT_EQ(beckyrecord::read(program.path())->accounts.size(), BeckyEnvironment::maxAccounts);
}

// A Wine prefix with Becky's data folder C:\Becky\ holding User3.
class BeckyPrefix : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(prefix.path()).mkpath(u"drive_c/Becky/User3/OutBox"_qs);
        QDir(prefix.path()).mkpath(u"dosdevices"_qs);
        ASSERT_TRUE(QFile::link(u"../drive_c"_qs, prefix.file(u"dosdevices/c:"_qs)));
    }
    TestFolder prefix;
    WinePaths paths{prefix.path()};
    TestFolder program;
};

TEST_F(BeckyPrefix, FirstAccountFolderCheck)
{
    EXPECT_EQ(mailbox::accountFolder(u"C:\\Becky\\"_qs, 3), u"C:\\Becky\\User3"_qs);
    BeckyEnvironment env;
    env.dataFolder = u"c:\\becky\\"_qs;
    env.accounts = {{u"a"_qs, 3, QString()}, {u"b"_qs, 4, QString()}};
    EXPECT_TRUE(firstAccountFolderExists(env, paths));
    env.accounts.removeFirst(); // User4 is missing
    EXPECT_FALSE(firstAccountFolderExists(env, paths));
    env.accounts.clear(); // no account: User2000, a file here
    EXPECT_FALSE(firstAccountFolderExists(env, paths));
    prefix.writeText(u"drive_c/Becky/User2000"_qs, QString());
    EXPECT_TRUE(firstAccountFolderExists(env, paths));
}

// The provider box follows only an answered address box.
ScriptedDialogs &expectAddresses(ScriptedDialogs &dialogs, const std::optional<QString> &own,
                                 const std::optional<QString> &provider = std::nullopt)
{
    dialogs.expectInput(u"アドレスを教えてください"_qs, u"i-mode送信時に使用されるメールアドレスを教えてください。"_qs,
                        own, u"@docomo.ne.jp"_qs);
    if (!own)
        return dialogs;
    return dialogs.expectInput(u"通常使用しているプロバイダのアドレス"_qs,
                               u"通常使用しているプロバイダのメールアドレスを記入ください。"_qs, provider,
                               u"user@provider.ne.jp"_qs);
}

ScriptedDialogs &expectFolder(ScriptedDialogs &dialogs, const std::optional<QString> &answer)
{
    return dialogs.expectInput(u"Becky MailBox Path"_qs, u"データフォルダの位置を記入してください。"_qs, answer,
                               u"C:\\Program Files\\RIMArts\\Rebecca\\"_qs);
}

const QString finalTitle = u"終了します"_qs;
const QString finalText = u"手動設定に成功しました。Horonamiを再起動してください。windowsの再起動は不要です。"_qs;

TEST_F(BeckyPrefix, ManualSetupThroughBeckysProgramFolder)
{
    prefix.writeText(u"drive_c/Program Files/RIMArts/Rebecca/REBECCA.exe"_qs, QString());
    prefix.writeText(u"drive_c/Program Files/RIMArts/Rebecca/readme.txt"_qs, QString());
    QDir(prefix.path()).mkpath(u"drive_c/Program Files/RIMArts/Rebecca/Data/User0"_qs);
    ScriptedDialogs dialogs;
    expectFolder(dialogs, u"c:\\program files\\rimarts\\rebecca\\"_qs)
        .expectMessage(u"データフォルダ特定"_qs,
                       u"c:\\program files\\rimarts\\rebecca\\Dataは、Beckyのデータフォルダですね？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    expectAddresses(dialogs, u"me@docomo.ne.jp"_qs, u"me@isp.jp"_qs)
        .expectMessage(finalTitle, finalText, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    BeckyEnvironment env;

    EXPECT_EQ(manualBeckySetup(env, dialogs, paths, program.path()), ManualSetupResult::EndProgram);
    EXPECT_EQ(recordLines(program),
              (QStringList{u"c:\\program files\\rimarts\\rebecca\\Data\\"_qs, u"me@docomo.ne.jp"_qs,
                           u"手動設定,0"_qs, u"me@isp.jp"_qs}));
    EXPECT_EQ(env.dataFolder, u"c:\\program files\\rimarts\\rebecca\\Data\\"_qs);

    // The next start reads it back and finds User0 in the data folder.
    const auto next = beckyrecord::read(program.path());
    ASSERT_TRUE(next.has_value());
    ASSERT_EQ(next->accounts.size(), 1);
    EXPECT_EQ(next->accounts[0].name, u"手動設定"_qs);
    EXPECT_TRUE(firstAccountFolderExists(*next, paths));
}

TEST_F(BeckyPrefix, ManualSetupWithoutAConfirmedDataFolderChangesNothing)
{
    prefix.writeText(u"drive_c/Rebecca/rebecca.EXE"_qs, QString());
    QDir(prefix.path()).mkpath(u"drive_c/Rebecca/Data"_qs);
    ScriptedDialogs dialogs;
    expectFolder(dialogs, u"C:\\Rebecca"_qs)
        .expectMessage(u"データフォルダ特定"_qs, u"C:\\Rebecca\\Dataは、Beckyのデータフォルダですね？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No)
        .expectMessage(u"不明"_qs, u"データボックスが見つかりませんでした。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    BeckyEnvironment env;

    EXPECT_EQ(manualBeckySetup(env, dialogs, paths, program.path()), ManualSetupResult::Unchanged);
    EXPECT_FALSE(env.dataFolder);
    EXPECT_FALSE(program.exists(u"Becky.mil"_qs));
}

TEST_F(BeckyPrefix, ManualSetupTakesAPlainFolderAsItIs)
{
    const struct {
        QString typed;
        QString dataFolder;
    } rows[] = {
        {u"C:\\Becky\\"_qs, u"C:\\Becky\\"_qs},          // trailing "\" dropped, then added back
        {u"C:\\Becky"_qs, u"C:\\Becky\\"_qs},
        {u"D:\\Nowhere"_qs, u"D:\\Nowhere\\"_qs},         // not checked
        {prefix.path() + u"/drive_c/Becky/"_qs, prefix.path() + u"/drive_c/Becky/"_qs}, // host path
        {QString(), u"\\"_qs},                          // empty: the root of the drive
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        TestFolder programFolder;
        ScriptedDialogs dialogs;
        expectFolder(dialogs, row.typed);
        expectAddresses(dialogs, QString(), u"p@isp.jp"_qs).expectMessage(finalTitle, finalText, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        BeckyEnvironment env;
        EXPECT_EQ(manualBeckySetup(env, dialogs, paths, programFolder.path()), ManualSetupResult::EndProgram);
        // An empty address is taken as it is.
        EXPECT_EQ(textfile::splitLines(programFolder.readText(u"Becky.mil"_qs)),
                  (QStringList{row.dataFolder, QString(), u"手動設定,0"_qs, u"p@isp.jp"_qs}));
    }
}

// A cancel on any of the three input boxes ends the set-up with nothing
// written and nothing claimed.
TEST_F(BeckyPrefix, ManualSetupCancelledWritesNothing)
{
    for (int cancelled = 0; cancelled < 3; ++cancelled) {
        SCOPED_TRACE(cancelled);
        ScriptedDialogs dialogs;
        expectFolder(dialogs, cancelled == 0 ? std::nullopt : std::optional<QString>(u"C:\\Becky"_qs));
        if (cancelled >= 1)
            expectAddresses(dialogs, cancelled == 1 ? std::nullopt : std::optional<QString>(u"me@docomo.ne.jp"_qs));
        BeckyEnvironment env;
        EXPECT_EQ(manualBeckySetup(env, dialogs, paths, program.path()), ManualSetupResult::Unchanged);
        EXPECT_FALSE(env.dataFolder);
        EXPECT_FALSE(program.exists(u"Becky.mil"_qs));
    }
}

TEST_F(BeckyPrefix, ManualSetupThatCannotWriteTheRecordDoesNotClaimSuccess)
{
    const QString missing = program.file(u"missing"_qs);
    ScriptedDialogs dialogs;
    expectFolder(dialogs, u"C:\\Becky"_qs);
    expectAddresses(dialogs, u"me@docomo.ne.jp"_qs, u"p@isp.jp"_qs)
        .expectMessage(Dialogs::defaultTitle(),
                       u"Becky.milを書き込めませんでした。\r\n"_qs + missing + u"/Becky.mil"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    BeckyEnvironment env;
    EXPECT_EQ(manualBeckySetup(env, dialogs, paths, missing), ManualSetupResult::Unchanged);
    EXPECT_FALSE(env.dataFolder);
    EXPECT_EQ(env.ownAddress, std::nullopt);
}

} // namespace
