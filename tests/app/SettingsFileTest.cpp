// "Horo.ini" read into and written from the program's models, without a window.
#include "core/app/ProgramState.h"
#include "core/app/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

const QSize kScreen{20000, 15000}; // twips

QStringList lines(const QString &text) { return text.split(u"\r\n"_qs, Qt::SkipEmptyParts); }

TEST(SettingsFile, AppliesEachKeyToItsModelInFileOrder)
{
    ProgramState s;
    settingsfile::apply(lines(u"Xsiz=5000\r\nYsiz=9000\r\nFont:15\r\nSei6=1\\250\r\nSei7=1\r\nSsyo=1\r\n"
                              "Snam=山田\\n太郎\r\nATTI=True\r\nIONO=1\r\nBcOp=False\r\nAcnt=3\r\nMyad=2\r\n"
                              "AcOp=1\r\naddr=x\r\nLogD=草稿：3_ログ：9\r\nLook=True\r\nFont=9\r\nshort\r\n"
                              "Zzzz=ignored\r\nSei0=abc\r\nimde=1\r\n"_qs),
                        s.settings(), kScreen);
    EXPECT_EQ(s.window.heightTwips, 5000);
    EXPECT_EQ(s.window.widthTwips, 9000);
    EXPECT_EQ(s.window.bodyFontPoints, 9); // the later Font line wins
    EXPECT_TRUE(s.window.previewShown);
    EXPECT_EQ(s.command.pendingLimit, 250);
    EXPECT_TRUE(s.mail.hasLimitFlag(LimitFlag::CharacterLimit));
    EXPECT_TRUE(s.mail.hasLimitFlag(LimitFlag::Classify));
    EXPECT_FALSE(s.mail.hasLimitFlag(LimitFlag::SkipBlanks));
    EXPECT_TRUE(s.mail.signatureOn());
    EXPECT_EQ(s.mail.signatureText, u"山田\\n太郎"_qs);
    EXPECT_TRUE(s.mail.autoSubstitute());
    EXPECT_TRUE(s.mail.imode());
    EXPECT_TRUE(s.sending.isOn(SendingOptions::Option::NoConfirmation));
    EXPECT_FALSE(s.sending.isOn(SendingOptions::Option::BccToAccount));
    EXPECT_EQ(s.sending.accountChangeMode(), AccountChangeMode::Follow);
    EXPECT_EQ(s.accounts.accountIndex, 3);
    EXPECT_EQ(s.accounts.sendingAddressIndex(), 2); // checked against the accounts later
    EXPECT_EQ(s.accounts.beckyBookIndex, -1);        // not a number: no remembered book
    EXPECT_EQ(s.counts.counts(), (MailCounts{3, 9}));
}

// Each setter answers only a change, in the file's order: the window's
// handlers see the switches as the user's clicks would make them.
TEST(SettingsFile, SwitchesChangeThroughTheirSignals)
{
    ProgramState s;
    QStringList seen;
    QObject::connect(&s.mail, &EditedMail::limitFlagChanged, [&seen](LimitFlag flag, bool on) {
        seen.append(u"Sei%1=%2"_qs.arg(static_cast<int>(flag)).arg(on));
    });
    QObject::connect(&s.mail, &EditedMail::imodeChanged, [&seen](bool on) { seen.append(u"imde=%1"_qs.arg(on)); });
    settingsfile::apply(lines(u"Sei7=1\r\nimde=1\r\nSei0=0\r\nSei6=1\\300\r\nSei7=1\r\n"_qs), s.settings(), kScreen);
    EXPECT_EQ(seen, (QStringList{u"Sei7=1"_qs, u"imde=1"_qs, u"Sei6=1"_qs}));
}

TEST(SettingsFile, ValuesThatDoNotParseLeaveTheModelsAsTheyAre)
{
    struct Row {
        QString line;
        std::optional<int> pending;
        AccountChangeMode mode;
        int height;
    };
    const Row rows[] = {
        {u"Sei6=0\\300"_qs, 300, AccountChangeMode::Keep, 0},
        {u"Sei6=0\\0"_qs, std::nullopt, AccountChangeMode::Keep, 0},
        {u"Sei6=0\\abc"_qs, std::nullopt, AccountChangeMode::Keep, 0},
        {u"Sei6=0\\99999"_qs, std::nullopt, AccountChangeMode::Keep, 0}, // beyond 16 bits
        {u"AcOp=2"_qs, std::nullopt, AccountChangeMode::Ask, 0},
        {u"AcOp=3"_qs, std::nullopt, AccountChangeMode::Keep, 0},
        {u"AcOp=-1"_qs, std::nullopt, AccountChangeMode::Keep, 0},
        {u"Xsiz=1e10"_qs, std::nullopt, AccountChangeMode::Keep, 0},
        {u"Xsiz=-1e300"_qs, std::nullopt, AccountChangeMode::Keep, 0},
        {u"Xsiz=nan"_qs, std::nullopt, AccountChangeMode::Keep, 0},
        {u"Xsiz=1000"_qs, std::nullopt, AccountChangeMode::Keep, 0},  // under an inch
        {u"Xsiz=16000"_qs, std::nullopt, AccountChangeMode::Keep, 0}, // beyond the screen
        {u"Xsiz=3000.7"_qs, std::nullopt, AccountChangeMode::Keep, 3000},
    };
    for (const Row &row : rows) {
        ProgramState s;
        settingsfile::apply({row.line}, s.settings(), kScreen);
        EXPECT_EQ(s.command.pendingLimit, row.pending) << row.line.toStdString();
        EXPECT_FALSE(s.mail.hasLimitFlag(LimitFlag::CharacterLimit)) << row.line.toStdString();
        EXPECT_EQ(s.sending.accountChangeMode(), row.mode) << row.line.toStdString();
        EXPECT_EQ(s.window.heightTwips, row.height) << row.line.toStdString();
    }
}

TEST(SettingsFile, WritesEveryKeyInOrderAndReadsItBack)
{
    ProgramState s;
    s.window = {8100, 7200, 12, false};
    s.mail.bodyLimit = 300;
    s.mail.setLimitFlag(LimitFlag::CharacterLimit, true);
    s.mail.setLimitFlag(LimitFlag::SkipLineBreaks, true);
    s.mail.setImode(true);
    s.mail.signatureText = u"名無し"_qs;
    s.sending.set(SendingOptions::Option::NewMailAfterSend, true);
    s.sending.setAccountChangeMode(AccountChangeMode::Ask);
    const QStringList written = settingsfile::lines(s.settings());
    EXPECT_EQ(written, lines(u"Xsiz=7200\r\nYsiz=8100\r\nSei0=0\r\nSei1=1\r\nSei2=0\r\nSei3=0\r\nSei4=0\r\n"
                             "Sei5=0\r\nSei6=1\\300\r\nSei7=0\r\nSei8=0\r\nSnam=名無し\r\nSsyo=0\r\nimde=1\r\n"
                             "addr=0\r\nATTI=False\r\nFont=12\r\nIONO=False\r\nIPUT=True\r\nIEND=False\r\n"
                             "Acnt=0\r\nAcOp=2\r\nMyad=0\r\nBcOp=False\r\nLogD=草稿：0_ログ：0\r\nLook=False"_qs));

    // Read back, the models give the same lines; a caption that is not two
    // counts is kept as it stands.
    s.counts.restoreCaption(u"草稿：03_ログ：x"_qs);
    s.accounts.beckyBookIndex = 2;
    s.mail.setSignatureOn(true);
    ProgramState back;
    settingsfile::apply(settingsfile::lines(s.settings()), back.settings(), kScreen);
    back.mail.bodyLimit = *back.command.pendingLimit; // what the window's handler takes
    EXPECT_EQ(settingsfile::lines(back.settings()), settingsfile::lines(s.settings()));
}

} // namespace
