#include "core/compose/CharCount.h"
#include "core/compose/CountLabel.h"

#include <gtest/gtest.h>

namespace {

TEST(CharCount, WeighsByShiftJisBytes)
{
    const CharCount a = countBody(u"あいうabc");
    EXPECT_DOUBLE_EQ(a.weighted, 4.5);
    EXPECT_EQ(a.chars, 6);
    const CharCount b = countBody(u"abc\r\nあ"); // a line break weighs 1 and counts 2
    EXPECT_DOUBLE_EQ(b.weighted, 3.5);
    EXPECT_EQ(b.chars, 6);
    const CharCount c = countBody(u"\U0001F600"); // one "?" in two units
    EXPECT_DOUBLE_EQ(c.weighted, 0.5);
    EXPECT_EQ(c.chars, 2);
}

TEST(CharCount, UnitWeightAgreesWithTheWholeCount)
{
    const QString text = QString::fromUtf16(u"漢aｱ\U0001F600\r\n") + QChar(0xD800) + u'x';
    double sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        sum += unitWeight(text, i);
    EXPECT_DOUBLE_EQ(sum, countBody(text).weighted);
}

TEST(CharCount, FormatsOneDecimalRoundingHalfAwayFromZero)
{
    EXPECT_EQ(formatOneDecimal(0), u"0.0"_qs);
    EXPECT_EQ(formatOneDecimal(4.5 * 0.01615), u"0.1"_qs); // 0.072675
    EXPECT_EQ(formatOneDecimal(0.05), u"0.1"_qs);
    EXPECT_EQ(formatOneDecimal(0.15), u"0.2"_qs);
    EXPECT_EQ(formatOneDecimal(0.04999), u"0.0"_qs);
    EXPECT_EQ(formatOneDecimal(250), u"250.0"_qs);
    EXPECT_EQ(formatOneDecimal(-0.25), u"-0.3"_qs);
    // 2000 half units: 1000 × 0.01615 = 16.15 exactly in decimal.
    EXPECT_EQ(formatOneDecimal(1000 * 0.01615), u"16.2"_qs);
}

TEST(CharCount, FormatsShortest)
{
    EXPECT_EQ(formatShortest(12), u"12"_qs);
    EXPECT_EQ(formatShortest(12.5), u"12.5"_qs);
    EXPECT_EQ(formatShortest(3.5), u"3.5"_qs);
    EXPECT_EQ(formatShortest(32000), u"32000"_qs);
}

TEST(CountLabel, TypingFormWithAndWithoutThePrice)
{
    struct Row {
        CharCount count;
        bool withPrice;
        QString label;
    };
    const Row rows[] = {
        {{4.5, 6}, false, u"4.5文字 (6)"_qs},
        {{4.5, 6}, true, u"\u00A5≒0.1円 4.5文字 (6)"_qs},
        {{0, 0}, true, u"\u00A5≒0.0円 0.0文字 (0)"_qs},
        {{1000, 1000}, true, u"\u00A5≒16.2円 1000.0文字 (1000)"_qs},
    };
    for (const Row &row : rows)
        EXPECT_EQ(typingCountLabelText(row.count, row.withPrice), row.label) << row.label.toStdString();
    // A limit check and the count command write the weight in its shortest form.
    EXPECT_EQ(countLabelText(formatShortest(12.5), 13), u"12.5文字 (13)"_qs);
}

} // namespace
