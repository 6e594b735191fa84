#pragma once

#include <QString>
#include <QStringView>

/// The size of a body: `weighted` is the sum of the character weights (a
/// character weighs its code page 932 byte length / 2), `chars` the number
/// of UTF-16 units with a line break counting 2 (CR LF).
struct CharCount {
    double weighted = 0;
    int chars = 0;
};

/// Counts a body held in its CR LF form.
CharCount countBody(QStringView body);

/// The weight (0.5 or 1) of the unit at `index` of `text`; the low half of a
/// surrogate pair weighs nothing, since the pair is encoded as one "?".
double unitWeight(QStringView text, qsizetype index);

/// "0.0": at least one integer digit and one decimal, rounding half away
/// from zero on the decimal value.
QString formatOneDecimal(double value);

/// The shortest decimal form of a number: 12, 12.5, -3.5.
QString formatShortest(double value);
