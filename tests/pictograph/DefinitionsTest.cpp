#include "core/pictograph/Definitions.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QList<Definition> kSunAndRain = {{u"\uE63E"_qs, u"hare"_qs}, {u"\uE640"_qs, u"ame"_qs}};

TEST(Definitions, ReadsSymbolSkipsOneCharacterAndTakesTheKeyword)
{
    TestFolder dir;
    dir.writeText(u"Emoji.code"_qs, u"\uE63E\thare\r\n\r\n\uE640:ame\r\nX\r\n"_qs);
    const QList<Definition> list = definitions::read(dir.file(u"Emoji.code"_qs));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].symbol, u"\uE63E"_qs);
    EXPECT_EQ(list[0].keyword, u"hare"_qs);
    EXPECT_EQ(list[1].keyword, u"ame"_qs); // any second character is skipped
    EXPECT_EQ(list[2].symbol, u"X"_qs);
    EXPECT_TRUE(list[2].keyword.isEmpty());
    EXPECT_EQ(definitions::symbolOf(u"\U0001F600\tsmile"_qs), u"\U0001F600"_qs);
}

TEST(Definitions, SubstitutesOnlyEscapedKeywords)
{
    EXPECT_EQ(definitions::substituteEscaped(u"hare \\hare \\ame\\hare"_qs, kSunAndRain),
              u"hare \uE63E \uE640\uE63E"_qs);
    // An empty keyword leaves backslashes alone.
    EXPECT_EQ(definitions::substituteEscaped(u"a\\b"_qs, {{u"X"_qs, QString()}}), u"a\\b"_qs);
}

TEST(Definitions, RestoresBareKeywordsOncePerSymbol)
{
    EXPECT_EQ(definitions::restoreKeywords(u"\uE63E!\uE640"_qs, kSunAndRain), u"hare!ame"_qs);
    // A keyword holding its own symbol is put in once, not expanded again.
    EXPECT_EQ(definitions::restoreKeywords(u"*a*"_qs, {{u"*"_qs, u"**"_qs}}), u"**a**"_qs);
    // Restored keywords need the backslash to come back.
    EXPECT_EQ(definitions::substituteEscaped(definitions::restoreKeywords(u"\uE63E"_qs, kSunAndRain), kSunAndRain),
              u"hare"_qs);
}

// Seven definitions, each the line "A AAAAAAAAAA": every keyword holds every
// definition's symbol. Replaced definition by definition over the whole text,
// "A" would grow tenfold per line, to 10,000,000 characters.
TEST(Definitions, RestoringNeverRescansWhatItPutIn)
{
    TestFolder dir;
    QByteArray file;
    for (int line = 0; line < 7; ++line)
        file += hexBytes("4120414141414141414141410d0a"); // "A AAAAAAAAAA" CR LF
    dir.writeBytes(u"Emoji.code"_qs, file);
    const QList<Definition> list = definitions::read(dir.file(u"Emoji.code"_qs));
    ASSERT_EQ(list.size(), 7);
    EXPECT_EQ(definitions::restoreKeywords(u"A"_qs, list), u"AAAAAAAAAA"_qs);
    EXPECT_EQ(definitions::restoreKeywords(u"AbA"_qs, list), u"AAAAAAAAAAbAAAAAAAAAA"_qs);
}

struct OnePassCase {
    const char *name;
    bool restore; // restore keywords, or substitute escaped ones
    QString text;
    QList<Definition> definitions;
    QString expected;
};

void PrintTo(const OnePassCase &c, std::ostream *out) { *out << c.name; }

class OnePass : public ::testing::TestWithParam<OnePassCase> {};

TEST_P(OnePass, EachCharacterIsReplacedAtMostOnce)
{
    const OnePassCase &c = GetParam();
    const QString result = c.restore ? definitions::restoreKeywords(c.text, c.definitions)
                                     : definitions::substituteEscaped(c.text, c.definitions);
    EXPECT_EQ(result, c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Definitions, OnePass,
    ::testing::Values(
        // A keyword holding a later definition's symbol stays as put in.
        OnePassCase{"restore chain", true, u"XY"_qs, {{u"X"_qs, u"Y"_qs}, {u"Y"_qs, u"Z"_qs}}, u"YZ"_qs},
        // A symbol put in does not complete an escaped keyword with the
        // backslash before it.
        OnePassCase{"substitute chain", false, u"\\\\x"_qs, {{u"b"_qs, u"x"_qs}, {u"Q"_qs, u"b"_qs}}, u"\\b"_qs},
        // Where two keywords start at one position, file order decides.
        OnePassCase{"longer first", false, u"\\ab"_qs, {{u"1"_qs, u"ab"_qs}, {u"2"_qs, u"a"_qs}}, u"1"_qs},
        OnePassCase{"shorter first", false, u"\\ab"_qs, {{u"2"_qs, u"a"_qs}, {u"1"_qs, u"ab"_qs}}, u"2b"_qs},
        // Symbols outside the basic plane are matched as one character.
        OnePassCase{"surrogate pair", true, u"<\U0001F600>"_qs, {{u"\U0001F600"_qs, u"smile"_qs}}, u"<smile>"_qs},
        // A character sharing a symbol's low byte is left alone.
        OnePassCase{"same low byte", true, u"A\uE641"_qs, {{u"\uE641"_qs, u"x"_qs}}, u"Ax"_qs},
        OnePassCase{"nothing to do", true, u"plain"_qs, {}, u"plain"_qs},
        OnePassCase{"empty text", false, QString(), kSunAndRain, QString()}),
    [](const ::testing::TestParamInfo<OnePassCase> &info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

} // namespace
