#include "gui/compose/BodyEdit.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(SettingsFile, AppliesKeysInFileOrder)
{
    WindowHarness h;
    h.folder.writeText(u"Horo.ini"_qs,
                       u"Xsiz=9000\r\nYsiz=12000\r\nFont:15\r\nSei6=1\\250\r\nSei7=1\r\nSsyo=1\r\n"
                       "Snam=山田\\n太郎\r\nATTI=True\r\nIONO=1\r\nBcOp=False\r\nAcnt=0\r\nLogD=草稿：3_ログ：9\r\n"
                       "Look=True\r\nFont=9\r\nshort\r\nZzzz=ignored\r\nSei0=abc\r\n"_qs);
    ASSERT_TRUE(h.start()); // no question: the character limit takes 250 unasked
    EXPECT_EQ(h.window().windowSizeTwips(), QSize(12000, 9000));
    EXPECT_EQ(h.ui().bodyField->font().pointSize(), 9); // the later Font line wins
    EXPECT_EQ(h.state().mail.bodyLimit, 250);
    EXPECT_FALSE(h.state().command.pendingLimit);
    EXPECT_TRUE(h.ui().limitFlags[LimitFlag::CharacterLimit]->isChecked());
    EXPECT_TRUE(h.ui().limitFlags[LimitFlag::Classify]->isChecked());
    EXPECT_FALSE(h.ui().limitFlags[LimitFlag::SkipBlanks]->isChecked());
    EXPECT_EQ(h.ui().signatureStatusLabel->text(), u"・署名追加：ON"_qs);
    EXPECT_EQ(h.state().mail.signatureText, u"山田\\n太郎"_qs);
    EXPECT_TRUE(h.ui().autoSubstituteEntry->isChecked());
    EXPECT_TRUE(h.ui().noConfirmationEntry->isChecked());
    EXPECT_EQ(h.ui().mailCountsLabel->text(), u"草稿：3_ログ：9"_qs);
    EXPECT_TRUE(h.ui().previewPanel->isVisibleTo(&h.window()));
}

TEST(SettingsFile, SizesTheScreenCannotHoldKeepTheDesignSize)
{
    WindowHarness design;
    ASSERT_TRUE(design.start());
    const QSize designSize = design.window().windowSizeTwips();
    for (const char16_t *lines : {u"Xsiz=1e10\r\nYsiz=-1e300\r\n", u"Xsiz=0\r\nYsiz=nan\r\n", u"Xsiz=99999\r\nYsiz=10\r\n"}) {
        WindowHarness h;
        h.folder.writeText(u"Horo.ini"_qs, QString::fromUtf16(lines));
        ASSERT_TRUE(h.start());
        EXPECT_EQ(h.window().windowSizeTwips(), designSize) << QString::fromUtf16(lines).toStdString();
        const QRect room = h.window().screen()->availableGeometry();
        EXPECT_LE(h.window().width(), room.width());
        EXPECT_LE(h.window().height(), room.height());
    }
}

TEST(SettingsFile, ImodeKeyRaisesTheSwitch)
{
    WindowHarness h;
    h.folder.writeText(u"Horo.ini"_qs, u"Ssyo=0\r\nimde=1\r\n"_qs);
    ASSERT_TRUE(h.start());
    EXPECT_TRUE(h.ui().imodeSetting->isChecked());
    EXPECT_EQ(h.state().mail.bodyLimit, 250);
    EXPECT_EQ(h.ui().signatureStatusLabel->text(), u"・署名追加：OFF"_qs);
}

// The close keeps the program as the user left it: switching the i-mode
// setting off afterwards (which puts the limit flags back) changes nothing
// in the file.
TEST(SettingsFile, TheCloseStoresTheSwitchesAsTheyWereBeforeTheImodeSettingGoesOff)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().imodeSetting->setChecked(true); // the limit takes 250 unasked
    ASSERT_TRUE(h.window().close());
    EXPECT_FALSE(h.state().mail.imode());
    EXPECT_FALSE(h.state().mail.hasLimitFlag(LimitFlag::CharacterLimit));
    const QString file = h.folder.readText(u"Horo.ini"_qs);
    for (const char16_t *line : {u"\r\nSei6=1\\250\r\n", u"\r\nSei7=1\r\n", u"\r\nimde=1\r\n", u"\r\nATTI=True\r\n"})
        EXPECT_TRUE(file.contains(QString::fromUtf16(line))) << QString::fromUtf16(line).toStdString();
}

TEST(SettingsFile, RoundTripRestoresTheControls)
{
    QByteArray written;
    {
        WindowHarness first;
        ASSERT_TRUE(first.start());
        first.ui().limitFlags[LimitFlag::SkipPunctuation]->setChecked(true);
        first.ui().limitFlags[LimitFlag::AutoCount]->setChecked(true);
        first.ui().bccToAccountEntry->setChecked(true);
        first.state().mail.setSignatureOn(true);
        first.state().mail.signatureText = u"a\\nb"_qs;
        first.state().accounts.beckyBookIndex = 2;
        first.ui().fontSizeEntries[2]->trigger();
        first.ui().previewPanel->show();
        ASSERT_TRUE(first.window().close());
        written = first.folder.readBytes(u"Horo.ini"_qs);
    }
    WindowHarness second;
    second.folder.writeBytes(u"Horo.ini"_qs, written);
    ASSERT_TRUE(second.start());
    EXPECT_TRUE(second.ui().limitFlags[LimitFlag::SkipPunctuation]->isChecked());
    EXPECT_TRUE(second.ui().limitFlags[LimitFlag::AutoCount]->isChecked());
    EXPECT_TRUE(second.ui().bccToAccountEntry->isChecked());
    EXPECT_TRUE(second.state().mail.signatureOn());
    EXPECT_EQ(second.state().mail.signatureText, u"a\\nb"_qs);
    EXPECT_EQ(second.state().accounts.beckyBookIndex, 2);
    EXPECT_EQ(second.ui().bodyField->font().pointSize(), 15);
    EXPECT_TRUE(second.ui().previewPanel->isVisibleTo(&second.window()));
    ASSERT_TRUE(second.window().close());
    EXPECT_EQ(second.folder.readBytes(u"Horo.ini"_qs), written);
}

TEST(SettingsFile, ExitKeepsTheValuesOfTheLastClose)
{
    WindowHarness h;
    h.folder.writeText(u"Horo.ini"_qs, u"Sei0=1\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.ui().limitFlags[LimitFlag::SkipBlanks]->setChecked(false);
    h.ui().exitEntry->trigger();
    EXPECT_EQ(h.folder.readText(u"Horo.ini"_qs), u"Sei0=1\r\n"_qs);
}

TEST(SettingsFile, AFailedWriteIsReportedAndChangesNothing)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    // A folder stands where the file goes: the new file cannot be put in place.
    h.folder.writeText(u"Horo.ini/keep.txt"_qs, u"old"_qs);
    h.dialogs.expectMessage(Dialogs::defaultTitle(),
                            u"設定ファイル（Horo.ini）を保存できませんでした。前回の設定が残ります。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    EXPECT_TRUE(h.window().close());
    EXPECT_EQ(h.folder.readText(u"Horo.ini/keep.txt"_qs), u"old"_qs);
}

TEST(PresetFile, ModelsFollowTheBuiltInOnes)
{
    WindowHarness h;
    h.folder.writeText(u"Keitai.pre"_qs, u"X#0809\r\n#1010\r\nno hash\r\nP501i#0606\r\n"_qs);
    ASSERT_TRUE(h.start());
    QComboBox *models = h.ui().phoneModelList;
    ASSERT_EQ(models->count(), 7);
    EXPECT_EQ(models->itemText(4), u"X"_qs);
    EXPECT_EQ(models->itemData(4).toInt(), 809);
    EXPECT_EQ(models->itemText(5), QString());
    EXPECT_EQ(models->itemData(5).toInt(), 1010);
    EXPECT_EQ(models->itemText(6), u"P501i"_qs);
    EXPECT_EQ(models->currentIndex(), 0);
}

} // namespace
