#include "pictograph/Definitions.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

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

} // namespace
