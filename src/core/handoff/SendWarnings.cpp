#include "core/handoff/SendWarnings.h"

namespace sendwarnings {
namespace {

const QString crlf = QStringLiteral("\r\n");

// Length in UTF-16 units of the character at `i`: 2 for a surrogate pair.
qsizetype charLength(const QString &text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size()
            && text.at(i + 1).isLowSurrogate()
        ? 2
        : 1;
}

void prune(QString &used, QStringView body)
{
    qsizetype i = 0;
    while (i < used.size()) {
        const qsizetype n = charLength(used, i);
        if (body.contains(QStringView(used).mid(i, n)))
            i += n;
        else
            used.remove(i, n);
    }
}

} // namespace

QString collect(QStringView to, QStringView subject, QStringView body,
                QString &usedPictographs)
{
    QString warnings;
    if (to.isEmpty())
        warnings += QStringLiteral("・宛先が未記入です。") + crlf;
    if (subject.isEmpty())
        warnings += QStringLiteral("・タイトルが未記入です。(全角15文字以内)") + crlf;
    if (body.isEmpty())
        warnings += QStringLiteral("・内容が未記入です。（全角250文字以内）") + crlf;
    if (!usedPictographs.isEmpty()) {
        prune(usedPictographs, body);
        if (!usedPictographs.isEmpty())
            warnings += usedPictographs
                + QStringLiteral("の絵文字が使われています。文字化けを起こす可能性があります。")
                + crlf;
    }
    return warnings;
}

QString questionTitle() { return QStringLiteral("ほんとに？"); }

QString questionText(const QString &warnings)
{
    return warnings + crlf + QStringLiteral("本当に送信してもいいんですか？");
}

} // namespace sendwarnings
