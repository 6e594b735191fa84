#include "core/pictograph/EmojiSources.h"
#include "core/pictograph/UnsendableCharacters.h"
#include "core/pictograph/UnsendableOffer.h"
#include "core/platform/Cp932.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace unsendable;

const QString kSun = u"\uE63E"_qs;   // F89F
const QString kHeart = u"\uE68D"_qs; // F8EE

} // namespace

namespace unsendable {
void PrintTo(const Character &c, std::ostream *out)
{
    *out << c.position << '+' << c.length << ' ' << c.text.toStdString() << " -> " << int(c.kind) << ' '
         << c.replacement.toStdString();
}
} // namespace unsendable

namespace {

struct FindRow {
    QString text;
    QList<Character> expected;
};

TEST(UnsendableCharacters, FindsWholeCharactersWithTheirReplacements)
{
    const EmojiSources &emoji = EmojiSources::builtIn();
    const FindRow rows[] = {
        {u"こんにちは\uE63E ～ ①"_qs, {}}, // all in the code page
        {u"こんにちは\U0001F600 \u2665 caf\u00E9"_qs,
         {{5, 2, u"\U0001F600"_qs, Replacement::None, QString()},
          {8, 1, u"\u2665"_qs, Replacement::Pictograph, kHeart},
          {13, 1, u"\u00E9"_qs, Replacement::Similar, u"e"_qs}}},
        {u"\u2600\uFE0F!"_qs, {{0, 2, u"\u2600\uFE0F"_qs, Replacement::Pictograph, kSun}}},
        {u"caf" u"e\u0301"_qs, {{3, 2, u"e\u0301"_qs, Replacement::Similar, u"e"_qs}}}, // decomposed
        {u"Stra\u00DFe"_qs, {{4, 1, u"\u00DF"_qs, Replacement::Similar, u"ss"_qs}}},
        {u"#\uFE0F\u20E3"_qs, {{0, 3, u"#\uFE0F\u20E3"_qs, Replacement::Pictograph, u"\uE6E0"_qs}}},
        {u"\u2192\uFE0F"_qs, {{0, 2, u"\u2192\uFE0F"_qs, Replacement::Similar, u"\u2192"_qs}}}, // → is held
        {u"\U0001F468\u200D\U0001F469"_qs, // one joined emoji
         {{0, 5, u"\U0001F468\u200D\U0001F469"_qs, Replacement::None, QString()}}},
        {u"\uAC00"_qs, {{0, 1, u"\uAC00"_qs, Replacement::None, QString()}}}, // Hangul is not in the code page
    };
    for (const FindRow &r : rows)
        EXPECT_EQ(find(r.text, emoji), r.expected) << qPrintable(r.text);
}

TEST(UnsendableCharacters, ReplacingKeepsTheRestAndCountsQuestionMarks)
{
    const QString text = u"a\u2600\uFE0Fb\U0001F600c\u00E9"_qs;
    const QList<Character> found = find(text, EmojiSources::builtIn());
    EXPECT_EQ(replaced(text, found), u"a"_qs + kSun + u"b\U0001F600ce"_qs);
    EXPECT_EQ(cp932::questionMarks(text), 4); // ☀, its selector, 😀 (one for the pair), é
    EXPECT_EQ(cp932::encode(text), QByteArray("a??b?c?"));
    EXPECT_EQ(cp932::questionMarks(u"\uE63E?"_qs), 0);
}

TEST(UnsendableCharacters, NamesAndCodes)
{
    EXPECT_EQ(names(u"\u2600\uFE0F"_qs), u"BLACK SUN WITH RAYS"_qs);
    EXPECT_EQ(names(u"e\u0301"_qs), u"LATIN SMALL LETTER E + COMBINING ACUTE ACCENT"_qs);
    EXPECT_EQ(codeText(kSun), u"F89F"_qs);
    EXPECT_EQ(codeText(u"あ"_qs), u"82A0"_qs);
    EXPECT_EQ(codeText(u"a"_qs), QString());
    EXPECT_EQ(codeText(u"\u2600"_qs), QString()); // not in the code page at all
}

class UnsendableOffer : public ::testing::Test {
protected:
    OfferResult run(const QString &text, Purpose purpose = Purpose::Sending)
    {
        const OfferResult result = offer({text}, dialogs, EmojiSources::builtIn(), purpose);
        dialogs.verifyAllShown();
        return result;
    }
    void expectReplaceQuestion(const QString &listing, Dialogs::Answer answer)
    {
        dialogs.expectMessage(offerTitle(),
                              u"Shift-JISにない文字があります。そのままでは「?」になります。\r\n\r\n"_qs
                                  + listing + u"\r\n置き換えのある文字を置き換えますか？"_qs,
                              Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, answer);
    }
    void expectQuestionMarkQuestion(const QString &listing, Dialogs::Answer answer)
    {
        dialogs.expectMessage(offerTitle(),
                              u"次の文字は「?」になります。\r\n\r\n"_qs + listing
                                  + u"\r\n「?」のまま続けますか？（いいえで編集に戻ります）"_qs,
                              Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, answer);
    }
    ScriptedDialogs dialogs;
};

const QString kSunLine = u"\u2600\uFE0F  (BLACK SUN WITH RAYS)  →  絵文字 \uE63E (F89F)\r\n"_qs;
const QString kAcuteLine = u"\u00E9  (LATIN SMALL LETTER E WITH ACUTE)  →  e  ×2\r\n"_qs;
const QString kGrinLine = u"\U0001F600  (GRINNING FACE)  →  置き換えなし\r\n"_qs;

TEST_F(UnsendableOffer, AcceptedReplacementsAndAgreedQuestionMarksGoOn)
{
    const QString text = u"\u2600\uFE0F caf\u00E9 \U0001F600 \u00E9"_qs;
    expectReplaceQuestion(kSunLine + kAcuteLine + kGrinLine, Dialogs::Answer::Yes);
    expectQuestionMarkQuestion(kGrinLine, Dialogs::Answer::Yes);
    const OfferResult result = run(text);
    EXPECT_TRUE(result.goOn);
    EXPECT_EQ(result.texts, QStringList{kSun + u" cafe \U0001F600 e"_qs});
    EXPECT_EQ(cp932::encode(result.texts[0]), hexBytes("f89f 20 63616665 20 3f 20 65")); // "☀ cafe ? e"
}

TEST_F(UnsendableOffer, SeveralTextsShareOneListAndKeepTheirOwnReplacements)
{
    expectReplaceQuestion(kAcuteLine + kSunLine + kGrinLine, Dialogs::Answer::Yes);
    expectQuestionMarkQuestion(kGrinLine, Dialogs::Answer::Yes);
    const OfferResult result = offer({u"\u00E9\u2600\uFE0F"_qs, u"ok"_qs, u"\U0001F600\u00E9"_qs}, dialogs,
                                     EmojiSources::builtIn(), Purpose::Sending);
    dialogs.verifyAllShown();
    EXPECT_EQ(result, (OfferResult{{u"e"_qs + kSun, u"ok"_qs, u"\U0001F600e"_qs}, true}));
}

TEST_F(UnsendableOffer, DecliningTheReplacementsListsEverythingAsQuestionMarks)
{
    const QString text = u"\u2600\uFE0F"_qs;
    expectReplaceQuestion(kSunLine, Dialogs::Answer::No);
    expectQuestionMarkQuestion(kSunLine, Dialogs::Answer::No);
    EXPECT_EQ(run(text), (OfferResult{{text}, false})); // back to editing

    expectReplaceQuestion(kSunLine, Dialogs::Answer::No);
    expectQuestionMarkQuestion(kSunLine, Dialogs::Answer::Yes);
    EXPECT_EQ(run(text), (OfferResult{{text}, true}));
}

TEST_F(UnsendableOffer, AnUnreplaceableCharacterIsOnlyAskedAbout)
{
    expectQuestionMarkQuestion(kGrinLine, Dialogs::Answer::No);
    EXPECT_EQ(run(u"\U0001F600"_qs), (OfferResult{{u"\U0001F600"_qs}, false}));
    expectQuestionMarkQuestion(kGrinLine, Dialogs::Answer::Yes);
    EXPECT_EQ(run(u"\U0001F600"_qs), (OfferResult{{u"\U0001F600"_qs}, true}));
}

TEST_F(UnsendableOffer, ASendableTextAsksNothingWhenSending)
{
    EXPECT_EQ(run(u"晴れ\uE63E"_qs), (OfferResult{{u"晴れ\uE63E"_qs}, true}));
    dialogs.expectMessage(offerTitle(), u"Shift-JISにない文字はありません。"_qs, Dialogs::Buttons::Ok,
                          Dialogs::Icon::None);
    EXPECT_EQ(run(u"晴れ"_qs, Purpose::Checking), (OfferResult{{u"晴れ"_qs}, true}));
}

TEST_F(UnsendableOffer, CheckingReplacesWithoutAskingToSend)
{
    expectReplaceQuestion(kSunLine, Dialogs::Answer::Yes);
    EXPECT_EQ(run(u"\u2600\uFE0F"_qs, Purpose::Checking), (OfferResult{{kSun}, true}));

    dialogs.expectMessage(offerTitle(), u"次の文字は置き換えられません。「?」になります。\r\n\r\n"_qs + kGrinLine,
                          Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    EXPECT_EQ(run(u"\U0001F600"_qs, Purpose::Checking), (OfferResult{{u"\U0001F600"_qs}, true}));
}

TEST_F(UnsendableOffer, ALongListIsCutAndCounted)
{
    QString text;
    for (char16_t c = 0xAC00; c < 0xAC00 + 20; ++c)
        text += QChar(c);
    const QList<Character> found = find(text, EmojiSources::builtIn());
    ASSERT_EQ(found.size(), 20);
    QString listing;
    for (int i = 0; i < 15; ++i)
        listing += found[i].text + u"  ("_qs + names(found[i].text) + u")  →  置き換えなし\r\n"_qs;
    listing += u"ほか5種類\r\n"_qs;
    expectQuestionMarkQuestion(listing, Dialogs::Answer::Yes);
    run(text);
}

} // namespace
