#include "core/compose/SignatureText.h"

QString signatureText(QStringView stored)
{
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == u'\\' && i + 1 < stored.size() && stored[i + 1] == u'n') {
            out += u"\r\n";
            ++i;
        } else {
            out += stored[i];
        }
    }
    return out;
}
