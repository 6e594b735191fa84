#include "core/compose/PhoneModel.h"

int PhoneModel::columns() const
{
    // The code's digits above the last two: 809 → 8, 1010 → 10. A code of
    // five digits keeps its first two, as the zero-padded text reads.
    if (code < 0)
        return 0;
    int c = code / 100;
    while (c > 99)
        c /= 10;
    return c;
}

int PhoneModel::rows() const { return code < 0 ? 0 : code % 100; }

bool PhoneModel::canLayOutVertically() const { return columns() >= 5 && rows() >= 1; }

const std::array<PhoneModel, 4> &builtInPhoneModels()
{
    static const std::array<PhoneModel, 4> models{{
        {u"P501i"_qs, 809},
        {u"N501i"_qs, 1010},
        {u"F501i"_qs, 806},
        {u"D501i"_qs, 806},
    }};
    return models;
}
