#include "core/compose/PhoneModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PhoneModel, ColumnsAndRowsFromTheCodeWrittenWithFourDigits)
{
    struct Row { int code; int columns; int rows; bool vertical; };
    const Row rows[] = {
        {809, 8, 9, true},      // 0809
        {1010, 10, 10, true},
        {806, 8, 6, true},
        {501, 5, 1, true},      // the smallest screen a layout fits
        {409, 4, 9, false},     // no room for the separator
        {800, 8, 0, false},     // no rows
        {5, 0, 5, false},       // 0005
        {0, 0, 0, false},
        {12345, 12, 45, true},  // five digits: the first two and the last two
        {32767, 32, 67, true},
        {-809, 0, 0, false},
    };
    for (const Row &r : rows) {
        const PhoneModel m{u"X"_qs, r.code};
        EXPECT_EQ(m.columns(), r.columns) << r.code;
        EXPECT_EQ(m.rows(), r.rows) << r.code;
        EXPECT_EQ(m.canLayOutVertically(), r.vertical) << r.code;
    }
}

TEST(PhoneModel, BuiltInModelsInListOrder)
{
    const PhoneModel expected[] = {
        {u"P501i"_qs, 809}, {u"N501i"_qs, 1010}, {u"F501i"_qs, 806}, {u"D501i"_qs, 806}};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected),
                           builtInPhoneModels().begin(), builtInPhoneModels().end()));
}

} // namespace
