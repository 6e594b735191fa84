#pragma once

#include <QStringView>

/// Where a body crosses a weight limit.
struct LimitCut {
    /// The whole body's weight.
    double weight = 0;
    /// The number of characters up to and including the one at which the
    /// running weight first reaches the limit; 0 when it never does.
    int cut = 0;
    /// The running weight at that character.
    double weightAtCut = 0;

    /// True when the body weighs more than the limit.
    bool over(int limit) const { return weight > limit; }
};

/// Weighs `body` (CR LF form) against `limit` character by character.
LimitCut findLimitCut(QStringView body, int limit);
