#include "gui/compose/BodyEdit.h"
#include "support/WindowHarness.h"

#include <QAction>

#include <gtest/gtest.h>

namespace {

const QString kSun = u"\uE63E"_qs;

class PictographCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.folder.writeText(u"Emoji.code"_qs, kSun + u"\thare\r\n\uE640\tame\r\n"_qs);
        ASSERT_TRUE(h.start());
    }
    void expectFound(const QString &word, const QString &symbol, Dialogs::Answer answer)
    {
        h.dialogs.expectMessage(u"絵文字発見！！"_qs, word + u"を"_qs + symbol + u"に置換しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, answer);
    }
    WindowHarness h;
};

TEST_F(PictographCommands, SubstitutionWorksInsideTheSelectionAndEmptiesTheUsedList)
{
    h.setBody(u"\\hare and \\hare"_qs);
    h.state().mail.usedPictographs = kSun;
    h.ui().bodyField->setBodySelection(0, 6);
    h.ui().substituteEntry->trigger();
    EXPECT_EQ(h.body(), kSun + u" and \\hare"_qs);
    EXPECT_EQ(h.ui().bodyField->bodyCursorPosition(), 2); // the converted text: the pictograph and the space
    EXPECT_TRUE(h.state().mail.usedPictographs.isEmpty());
}

TEST_F(PictographCommands, RemovedPictographsNeedTheCheckToComeBack)
{
    h.setBody(u"今日は"_qs + kSun);
    h.ui().removePictographsEntry->trigger();
    EXPECT_EQ(h.body(), u"今日はhare"_qs);
    h.ui().substituteEntry->trigger(); // no backslash: stays
    EXPECT_EQ(h.body(), u"今日はhare"_qs);

    h.dialogs.expectMessage(u"確認事項"_qs, u"現在位置から絵文字チェックを行いますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    expectFound(u"hare"_qs, kSun, Dialogs::Answer::Yes);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"1個の単語を絵文字に変換しました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().pictographCheckEntry->trigger();
    EXPECT_EQ(h.body(), u"今日は"_qs + kSun);
    EXPECT_EQ(h.state().mail.usedPictographs, kSun);
}

TEST_F(PictographCommands, CheckAsksOncePerOccurrenceAndGoesOnAfterANo)
{
    h.setBody(u"ame hare ame"_qs);
    h.ui().bodyField->setBodyCursorPosition(5); // before "hare"
    h.dialogs.expectMessage(u"確認事項"_qs, u"現在位置から絵文字チェックを行いますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    expectFound(u"hare"_qs, kSun, Dialogs::Answer::No);
    expectFound(u"ame"_qs, u"\uE640"_qs, Dialogs::Answer::Yes); // the second "ame" only
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"1個の単語を絵文字に変換しました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().pictographCheckEntry->trigger();
    EXPECT_EQ(h.body(), u"ame hare \uE640"_qs);
}

TEST_F(PictographCommands, CheckFromTheCaretStartsAtTheSelectionsStart)
{
    h.setBody(u"ame hare ame"_qs);
    h.ui().bodyField->setBodySelection(4, 8); // "hare ame", the caret after it
    h.dialogs.expectMessage(u"確認事項"_qs, u"現在位置から絵文字チェックを行いますか？"_qs, Dialogs::Buttons::YesNo,
                            Dialogs::Icon::None, Dialogs::Answer::Yes);
    expectFound(u"hare"_qs, kSun, Dialogs::Answer::Yes);
    expectFound(u"ame"_qs, u"\uE640"_qs, Dialogs::Answer::Yes);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"2個の単語を絵文字に変換しました。"_qs, Dialogs::Buttons::Ok,
                            Dialogs::Icon::None);
    h.ui().pictographCheckEntry->trigger();
    EXPECT_EQ(h.body(), u"ame "_qs + kSun + u" \uE640"_qs);
}

// A replacement changes what later definitions find, and the search for the
// same keyword goes on from the character before the symbol put in.
TEST_F(PictographCommands, CheckSearchesTheBodyAsEachAnswerLeftIt)
{
    h.folder.writeText(u"Emoji.code"_qs, u"X\tab\r\nY\tXc\r\nS\taS\r\n"_qs);
    h.setBody(u"abc aaS"_qs);
    h.dialogs.expectMessage(u"確認事項"_qs, u"現在位置から絵文字チェックを行いますか？"_qs, Dialogs::Buttons::YesNo,
                            Dialogs::Icon::None, Dialogs::Answer::No);
    expectFound(u"ab"_qs, u"X"_qs, Dialogs::Answer::Yes);
    expectFound(u"Xc"_qs, u"Y"_qs, Dialogs::Answer::Yes); // made by the first answer
    expectFound(u"aS"_qs, u"S"_qs, Dialogs::Answer::Yes);
    expectFound(u"aS"_qs, u"S"_qs, Dialogs::Answer::Yes); // made by the third
    h.dialogs.expectMessage(Dialogs::defaultTitle(), u"4個の単語を絵文字に変換しました。"_qs, Dialogs::Buttons::Ok,
                            Dialogs::Icon::None);
    h.ui().pictographCheckEntry->trigger();
    EXPECT_EQ(h.body(), u"Y S"_qs);
    EXPECT_EQ(h.state().mail.usedPictographs, u"XYSS"_qs);
}

TEST(PictographCommandsWithoutFile, SayThatTheDefinitionsAreMissing)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    const QString missing = u"置換定義ファイルがありましぇーん。"_qs;
    h.dialogs.expectMessage(Dialogs::defaultTitle(), missing, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(Dialogs::defaultTitle(), missing, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(Dialogs::defaultTitle(), missing, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(Dialogs::defaultTitle(), u"0個の単語を絵文字に変換しました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().substituteEntry->trigger();
    h.ui().removePictographsEntry->trigger();
    h.ui().pictographCheckEntry->trigger();
}

} // namespace
