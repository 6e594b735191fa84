#include "core/platform/Cp932.h"
#include "core/platform/WidthFold.h"

#include <gtest/gtest.h>

namespace {

TEST(WidthFold, WideForms)
{
    EXPECT_EQ(widthfold::toWide(u"abc XYZ 09!"), u"ａｂｃ　ＸＹＺ　０９！");
    EXPECT_EQ(widthfold::toWide(u"ｶﾞｷﾞﾊﾟｳﾞ"), u"ガギパヴ");
    EXPECT_EQ(widthfold::toWide(u"ﾞ"), u"゛");         // a lone mark: the spacing mark
    EXPECT_EQ(widthfold::toWide(u"aﾟ"), u"ａ゜");
    EXPECT_EQ(widthfold::toWide(u"ﾜﾞ"), u"ワ゛");       // ヷ has no code page 932 form
    EXPECT_EQ(widthfold::toWide(u"ｱｰ｡｢｣､･"), u"アー。「」、・");
    EXPECT_EQ(widthfold::toWide(u"漢字かな\r\n\t"), u"漢字かな\r\n\t");
}

TEST(WidthFold, NarrowForms)
{
    EXPECT_EQ(widthfold::toNarrow(u"ＡＢＣ　０１！"), u"ABC 01!");
    EXPECT_EQ(widthfold::toNarrow(u"ガパヴア、。「」・ー"), u"ｶﾞﾊﾟｳﾞｱ､｡｢｣･ｰ");
    EXPECT_EQ(widthfold::toNarrow(u"ひらがな漢字"), u"ひらがな漢字");
    EXPECT_EQ(widthfold::toNarrow(u"゛゜"), u"ﾞﾟ");
    EXPECT_EQ(widthfold::toNarrow(u"￥￣"), u"\\~");
    // Narrow forms that code page 932 cannot hold are not taken.
    EXPECT_EQ(widthfold::toNarrow(u"→←↑↓│■○￠￡￢￤"), u"→←↑↓│■○￠￡￢￤");
}

TEST(WidthFold, EverySingleByteCharacterRoundTrips)
{
    // Every printable single-byte character of code page 932 has a wide
    // double-byte form, and the narrow form of that is the character again.
    for (char16_t c = 0x20; c <= 0xFF9F; ++c) {
        if (c > 0x7E && c < 0xFF61)
            continue;
        const QString one(QChar{c});
        const QString wide = widthfold::toWide(one);
        ASSERT_EQ(wide.size(), 1) << int(c);
        EXPECT_EQ(cp932::unitByteLength(wide.at(0).unicode()), 2) << int(c);
        EXPECT_EQ(widthfold::toNarrow(wide), one) << int(c);
    }
}

TEST(WidthFold, NarrowResultsStayEncodable)
{
    // Whatever the narrow form of a double-byte character is, code page 932
    // can still write it.
    for (char32_t c = 0x2000; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const QString one(QChar{static_cast<char16_t>(c)});
        if (cp932::byteLength(one) != 2 || c == U'？')
            continue;
        const QString narrow = widthfold::toNarrow(one);
        EXPECT_EQ(cp932::encode(narrow).contains('?'), false) << int(c);
    }
}

} // namespace
