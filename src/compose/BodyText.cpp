#include "compose/BodyText.h"

#include <algorithm>

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

int bodyPosition(QStringView field, int fieldPos)
{
    fieldPos = std::clamp(fieldPos, 0, static_cast<int>(field.size()));
    return fieldPos + static_cast<int>(field.first(fieldPos).count(u'\n'));
}

int fieldPosition(QStringView field, int bodyPos)
{
    int body = 0;
    int pos = 0;
    const int n = static_cast<int>(field.size());
    while (pos < n && body < bodyPos) {
        body += field[pos] == u'\n' ? 2 : 1;
        ++pos;
    }
    return pos;
}

} // namespace bodytext
