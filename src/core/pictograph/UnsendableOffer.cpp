#include "core/pictograph/UnsendableOffer.h"

#include "core/pictograph/UnsendableCharacters.h"
#include "core/platform/Dialogs.h"

#include <QHash>

#include <algorithm>

namespace unsendable {
namespace {

/// A long list would not fit a message box: the rest is only counted.
constexpr int kListedKinds = 15;

QString describe(const Character &c)
{
    QString line = c.text + u"  ("_qs + names(c.text) + u')';
    switch (c.kind) {
    case Replacement::Pictograph:
        line += u"  →  絵文字 "_qs + c.replacement + u" ("_qs + codeText(c.replacement) + u')';
        break;
    case Replacement::Similar:
        line += u"  →  "_qs + c.replacement;
        break;
    case Replacement::None:
        line += u"  →  置き換えなし"_qs;
        break;
    }
    return line;
}

// One line per different character, in the order of first appearance,
// with how often it occurs.
QString listing(const QList<Character> &found)
{
    QHash<QString, qsizetype> lineOf; // each character's line, looked up in constant time
    QList<int> counts;
    QStringList lines;
    for (const Character &c : found) {
        const auto seen = lineOf.constFind(c.text);
        if (seen != lineOf.constEnd()) {
            ++counts[*seen];
            continue;
        }
        lineOf.insert(c.text, lines.size());
        counts.append(1);
        lines.append(describe(c));
    }
    QString text;
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), kListedKinds); ++i)
        text += lines[i] + (counts[i] > 1 ? u"  ×"_qs + QString::number(counts[i]) : QString()) + u"\r\n"_qs;
    if (lines.size() > kListedKinds)
        text += u"ほか"_qs + QString::number(lines.size() - kListedKinds) + u"種類\r\n"_qs;
    return text;
}

bool anyReplaceable(const QList<Character> &found)
{
    return std::any_of(found.begin(), found.end(), [](const Character &c) { return c.kind != Replacement::None; });
}

QList<Character> withoutReplacements(QList<Character> found)
{
    found.removeIf([](const Character &c) { return c.kind != Replacement::None; });
    return found;
}

} // namespace

QString offerTitle() { return u"Shift-JISにない文字"_qs; }

OfferResult offer(const QStringList &texts, Dialogs &dialogs, const EmojiSources &emoji, Purpose purpose)
{
    QList<QList<Character>> foundPerText;
    QList<Character> found;
    for (const QString &text : texts) {
        foundPerText.append(find(text, emoji));
        found += foundPerText.last();
    }
    if (found.isEmpty()) {
        if (purpose == Purpose::Checking)
            dialogs.inform(u"Shift-JISにない文字はありません。"_qs, offerTitle());
        return {texts};
    }
    QStringList result = texts;
    QList<Character> left = found;
    if (anyReplaceable(found)) {
        const bool accept = dialogs.askYesNo(
            u"Shift-JISにない文字があります。そのままでは「?」になります。\r\n\r\n"_qs + listing(found)
                + u"\r\n置き換えのある文字を置き換えますか？"_qs,
            offerTitle(), Dialogs::Icon::Exclamation);
        if (accept) {
            for (qsizetype i = 0; i < texts.size(); ++i)
                result[i] = replaced(texts[i], foundPerText[i]);
            left = withoutReplacements(found);
        }
    }
    if (left.isEmpty())
        return {result};
    if (purpose == Purpose::Checking) {
        if (!anyReplaceable(found))
            dialogs.inform(u"次の文字は置き換えられません。「?」になります。\r\n\r\n"_qs + listing(left),
                           offerTitle(), Dialogs::Icon::Exclamation);
        return {result};
    }
    const bool send = dialogs.askYesNo(u"次の文字は「?」になります。\r\n\r\n"_qs + listing(left)
                                           + u"\r\n「?」のまま続けますか？（いいえで編集に戻ります）"_qs,
                                       offerTitle(), Dialogs::Icon::Exclamation);
    return {result, send};
}

} // namespace unsendable
