#include "core/compose/BodyText.h"

#include <algorithm>

namespace bodytext {

// Both conversions write into a buffer of their result's size: they run on
// whole bodies of 64,000 characters.
QString toField(QStringView body)
{
    QString out(body.size(), Qt::Uninitialized);
    QChar *o = out.data();
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == u'\r') {
            *o++ = u'\n';
            if (i + 1 < body.size() && body[i + 1] == u'\n')
                ++i;
        } else {
            *o++ = c;
        }
    }
    out.truncate(o - out.constData());
    return out;
}

QString toBody(QStringView field)
{
    QString out(field.size() + field.count(u'\n'), Qt::Uninitialized);
    QChar *o = out.data();
    for (const QChar c : field) {
        if (c == u'\n')
            *o++ = u'\r';
        *o++ = c;
    }
    return out;
}

ChangedRange changedRange(QStringView before, QStringView after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = std::mismatch(before.begin(), before.begin() + shorter, after.begin()).first - before.begin();
    if (prefix > 0 && before[prefix - 1].isHighSurrogate())
        --prefix;
    const qsizetype room = shorter - prefix;
    qsizetype suffix = std::mismatch(before.rbegin(), before.rbegin() + room, after.rbegin()).first - before.rbegin();
    if (suffix > 0 && before[before.size() - suffix].isLowSurrogate())
        --suffix;
    return {prefix, suffix};
}

} // namespace bodytext
