#include "core/compose/CharCount.h"

#include "core/platform/Cp932.h"

#include <cmath>

CharCount countBody(QStringView body)
{
    return {cp932::byteLength(body) / 2.0, static_cast<int>(body.size())};
}

double unitWeight(QStringView text, qsizetype index)
{
    const char16_t u = text[index].unicode();
    if (QChar::isLowSurrogate(u) && index > 0 && QChar::isHighSurrogate(text[index - 1].unicode()))
        return 0;
    return cp932::unitByteLength(u) / 2.0;
}

QString formatOneDecimal(double value)
{
    // Twelve decimals absorb the binary noise of the product (0.072675 is
    // stored as 0.0726749999...), so the decimal digits decide the rounding.
    const bool negative = value < 0;
    const QString exact = QString::number(std::fabs(value), 'f', 12);
    const qsizetype dot = exact.indexOf(u'.');
    long long tenths = exact.left(dot).toLongLong() * 10 + exact.at(dot + 1).digitValue();
    if (exact.at(dot + 2).digitValue() >= 5)
        ++tenths;
    QString text = QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
    if (negative && tenths != 0)
        text.prepend(u'-');
    return text;
}

QString formatShortest(double value) { return QString::number(value, 'g', 15); }
