#include "core/compose/BodyText.h"

#include <gtest/gtest.h>

namespace {

TEST(BodyText, ConvertsBetweenBodyAndFieldForms)
{
    EXPECT_EQ(bodytext::toField(u"a\r\nb\rc\nd"), u"a\nb\nc\nd"_qs);
    EXPECT_EQ(bodytext::toBody(u"a\nb\n"), u"a\r\nb\r\n"_qs);
    EXPECT_EQ(bodytext::toBody(bodytext::toField(u"x\r\n\r\ny")), u"x\r\n\r\ny"_qs);
}

} // namespace
