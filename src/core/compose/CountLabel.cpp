#include "core/compose/CountLabel.h"

#include "core/compose/CharCount.h"

namespace {

// Yen per weight unit of an i-mode mail.
constexpr double kYenPerUnit = 0.01615;

} // namespace

QString countLabelText(const QString &weight, int characters)
{
    return weight + u"文字 ("_qs + QString::number(characters) + u')';
}

QString typingCountLabelText(const CharCount &count, bool withPrice)
{
    const QString text = countLabelText(formatOneDecimal(count.weighted), count.chars);
    if (!withPrice)
        return text;
    // The yen sign the Japanese font draws for the backslash of "\≒".
    return u"\u00A5≒"_qs + formatOneDecimal(count.weighted * kYenPerUnit) + u"円 "_qs + text;
}
