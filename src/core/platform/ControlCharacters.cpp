#include "core/platform/ControlCharacters.h"

#include <algorithm>

namespace controlcharacters {

QString without(const QString &text, int *leftOut)
{
    if (leftOut)
        *leftOut = 0;
    if (std::none_of(text.begin(), text.end(), isLeftOut))
        return text;
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isLeftOut(c))
            kept += c;
    }
    if (leftOut)
        *leftOut = static_cast<int>(text.size() - kept.size());
    return kept;
}

QString leftOutMessage(int count)
{
    return u"制御文字（NULなど）が"_qs + QString::number(count)
        + u"個含まれていました。メールには入れられないので、取り除きました。"_qs;
}

} // namespace controlcharacters
