#include "compose/BodyText.h"

namespace bodytext {

QString toField(QStringView body)
{
    QString out;
    out.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < body.size() && body[i + 1] == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString toBody(QStringView field)
{
    QString out;
    out.reserve(field.size() + field.count(u'\n'));
    for (const QChar c : field) {
        if (c == u'\n')
            out += u'\r';
        out += c;
    }
    return out;
}

} // namespace bodytext
