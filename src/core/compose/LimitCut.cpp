#include "core/compose/LimitCut.h"

#include "core/compose/CharCount.h"

LimitCut findLimitCut(QStringView body, int limit)
{
    LimitCut result;
    const qsizetype n = body.size();
    for (qsizetype i = 0; i < n; ++i) {
        result.weight += unitWeight(body, i);
        if (result.weight >= limit && result.cut == 0) {
            result.cut = static_cast<int>(i + 1);
            result.weightAtCut = result.weight;
        }
    }
    return result;
}
