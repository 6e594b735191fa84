#include "compose/BodyText.h"

#include <gtest/gtest.h>

namespace {

TEST(BodyText, ConvertsBetweenBodyAndFieldForms)
{
    EXPECT_EQ(bodytext::toField(u"a\r\nb\rc\nd"), u"a\nb\nc\nd"_qs);
    EXPECT_EQ(bodytext::toBody(u"a\nb\n"), u"a\r\nb\r\n"_qs);
    EXPECT_EQ(bodytext::toBody(bodytext::toField(u"x\r\n\r\ny")), u"x\r\n\r\ny"_qs);
}

TEST(BodyText, MapsPositions)
{
    const QString field = u"ab\ncd\n\ne"_qs; // body: ab CR LF cd CR LF CR LF e
    const int expected[][2] = {{0, 0}, {2, 2}, {3, 4}, {5, 6}, {6, 8}, {7, 10}, {8, 11}};
    for (const auto &p : expected) {
        EXPECT_EQ(bodytext::bodyPosition(field, p[0]), p[1]) << p[0];
        EXPECT_EQ(bodytext::fieldPosition(field, p[1]), p[0]) << p[1];
    }
    // Between CR and LF: after the break. Beyond the end: the end.
    EXPECT_EQ(bodytext::fieldPosition(field, 3), 3);
    EXPECT_EQ(bodytext::fieldPosition(field, 99), 8);
    EXPECT_EQ(bodytext::bodyPosition(field, 99), 11);
}

} // namespace
