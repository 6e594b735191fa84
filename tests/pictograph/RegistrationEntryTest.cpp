#include "core/pictograph/DefinitionWriter.h"
#include "core/pictograph/RegistrationEntry.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace registration;

TEST(RegistrationEntry, SelectorCoversBothCodeBlocksAndSkipsTheGap)
{
    struct Row {
        int value;
        QString symbol;
    };
    const Row rows[] = {
        {0, u"\uE63E"_qs},   // 0xF89F
        {93, u"\uE69B"_qs},  // 0xF8FC, the end of the first block
        {94, u"\uE69C"_qs},  // 0xF940
        {156, u"\uE6DA"_qs}, // 0xF97E
        {157, QString()},    // 0xF97F is no character
        {158, u"\uE6DB"_qs}, // 0xF980
        {206, u"\uE70B"_qs}, // 0xF9B0
        {-1, QString()},
        {207, QString()},
    };
    for (const Row &r : rows)
        EXPECT_EQ(selectorSymbol(r.value), r.symbol) << r.value;
}

TEST(DefinitionWriter, WritesOneCp932LinePerDefinitionAndReadsBack)
{
    TestFolder dir;
    const QString path = dir.file(u"Emoji.code"_qs);
    const QList<Definition> list = {{u"\uE63E"_qs, u"晴れ"_qs}, {u"A"_qs, QString()}};
    ASSERT_TRUE(definitions::write(path, list));
    // U+E63E is F89F, "晴れ" is 90B0 82EA in code page 932.
    EXPECT_EQ(dir.readBytes(u"Emoji.code"_qs), hexBytes("f89f 09 90b0 82ea 0d0a 41 09 0d0a"));
    const QList<Definition> back = definitions::read(path);
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0].keyword, u"晴れ"_qs);
    EXPECT_EQ(back[1].symbol, u"A"_qs);

    ASSERT_TRUE(definitions::write(path, {}));
    EXPECT_TRUE(dir.readBytes(u"Emoji.code"_qs).isEmpty());
}

TEST(DefinitionWriter, AFailedWriteReportsIt)
{
    TestFolder dir;
    EXPECT_FALSE(definitions::write(dir.file(u"missing/Emoji.code"_qs), {{u"A"_qs, u"a"_qs}}));
}

} // namespace
