#include "core/compose/SendImage.h"

#include "core/compose/SignatureText.h"
#include "core/platform/Cp932.h"

QString renderSendImage(QStringView body, int columns, bool signatureOn, QStringView storedSignature)
{
    const qint64 rowUnits = 2 * qint64(columns);
    QString out;
    out.reserve(body.size() + body.size() / 4 + storedSignature.size() + 2);
    qint64 k = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        // A surrogate pair stays whole; the mail carries it as one "?".
        const bool pair = c.isHighSurrogate() && i + 1 < body.size() && body[i + 1].isLowSurrogate();
        const qsizetype start = out.size();
        out += c;
        if (pair)
            out += body[++i];
        if (c == u'\n') {
            k = 0;
            continue;
        }
        if (c == u'\r')
            continue;
        k += pair || cp932::isSingleByte(c) ? 1 : 2;
        if (k == rowUnits) {
            out += u"\r\n";
            k = 0;
        } else if (k == rowUnits + 1) {
            // The double-byte character does not fit: it opens the next row.
            out.insert(start, u"\r\n");
            k = 2;
        }
    }
    if (signatureOn && !storedSignature.isEmpty())
        out += u"\r\n"_qs + signatureText(storedSignature);
    return out;
}
