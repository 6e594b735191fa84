#include "core/compose/LimitedCount.h"

#include "core/compose/CharCount.h"

#include <algorithm>

namespace {

constexpr QStringView kHoro = u"Horo";

bool isBlank(QChar c) { return c == u'\t' || c == u' ' || c == u'\u3000'; }

bool isPunctuation(QChar c)
{
    return c == u'.' || c == u',' || c == u'\u3001' || c == u'\u3002';
}

bool isBracket(QChar c)
{
    constexpr QStringView brackets = u"「」[]（(）)｛｝{}";
    return brackets.contains(c);
}

} // namespace

void LimitedCount::step(QStringView body, const CountFlags &flags)
{
    if (finished())
        return;
    const int at = next_++;
    if (at >= body.size())
        return; // the body got shorter while the run went on
    const QChar c = body[at];
    if (inTag_) {
        if (c == u'>')
            inTag_ = false;
        return;
    }
    if (flags.skipLineBreaks && (c == u'\r' || c == u'\n'))
        return;
    if (flags.skipBlanks && isBlank(c))
        return;
    if (flags.skipPunctuation && isPunctuation(c))
        return;
    if (flags.skipBrackets && isBracket(c))
        return;
    if (flags.skipTags && c == u'<') {
        inTag_ = true;
        return;
    }
    if (flags.skipHoro && body.sliced(at).startsWith(kHoro)) {
        next_ = at + static_cast<int>(kHoro.size());
        return;
    }
    // The low half of a surrogate pair weighs nothing: the pair is one
    // character, carried as one "?".
    const double weight = unitWeight(body, at);
    if (weight == 0)
        return;
    count_ += flags.classify ? weight : 1;
}

int LimitedCount::progress() const
{
    if (size_ <= 0)
        return 100;
    return static_cast<int>(std::min<qint64>(100, qint64(std::min(next_, size_)) * 100 / size_));
}

QString limitedCountMessage(int size, double count)
{
    return u"大きさは、"_qs + QString::number(size) + u"です。\r\n制限付き文字数は、"_qs
        + formatShortest(count) + u"文字です。"_qs;
}
