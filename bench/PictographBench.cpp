// Restoring keywords ("絵文字消去") in a body of 400,000 pictographs, against
// one plain pass that writes the same amount of text; and the conversions on
// definitions that all look alike, against as many unrelated ones.
#include "Ratio.h"

#include "core/pictograph/Definitions.h"

#include <functional>

namespace {

constexpr int kSymbols = 400000;

// Forty definitions in the i-mode pictograph range, each keyword four
// letters long.
QList<Definition> sampleDefinitions()
{
    QList<Definition> list;
    for (char16_t k = 0; k < 40; ++k) {
        const QChar letter(u'a' + k % 26);
        list.append({QString(QChar(char16_t(0xE63E + k))), QString(4, letter)});
    }
    return list;
}

QString pictographBody(const QList<Definition> &list)
{
    QString body;
    body.reserve(kSymbols);
    for (int i = 0; i < kSymbols; ++i)
        body += list[(i * 7) % list.size()].symbol;
    return body;
}

void pictographRestore(benchmark::State &state)
{
    const QList<Definition> list = sampleDefinitions();
    const QString body = pictographBody(list);
    const auto restore = [&] {
        const QString restored = definitions::restoreKeywords(body, list);
        if (restored.size() != 4 * body.size())
            state.SkipWithError("not every pictograph was restored");
        benchmark::DoNotOptimize(restored.constData());
    };
    ratio::measure(state, restore);
}

// Reads each character once and writes four in its place.
void pictographRestoreFloor(benchmark::State &state)
{
    const QList<Definition> list = sampleDefinitions();
    const QString body = pictographBody(list);
    const QString keyword = list.front().keyword;
    const auto write = [&] {
        QString out;
        out.reserve(body.size());
        for (QChar c : body) {
            benchmark::DoNotOptimize(c);
            out += keyword;
        }
        benchmark::DoNotOptimize(out.constData());
    };
    ratio::measure(state, write);
}

const bool registered = ratio::add("pictograph restore", pictographRestore, pictographRestoreFloor);

// A 64 KB body converted with an "Emoji.code" of about 64 KB.
struct Conversion {
    bool restore; // restore keywords, or substitute escaped ones
    QList<Definition> definitions;
    QString body;
};

// `count` definitions, each made by `make` from its number.
QList<Definition> definitionList(int count, const std::function<Definition(int)> &make)
{
    QList<Definition> list;
    for (int i = 0; i < count; ++i)
        list.append(make(i));
    return list;
}

// A character of the CJK block, different for each number below 20,000.
QChar cjk(int i) { return QChar(char16_t(0x4E00 + i % 20000)); }

const QString kFullWidthA = u"ａ"_qs; // shares its low byte with "A"
const QString kLongKeyword = QString(64, u'a') + u'b';

// Definitions that all nearly match at each position of the body: a symbol
// sharing "A"'s low byte, search texts starting with the body's backslash,
// or agreeing with 65 characters of the body before they fail. None
// matches, so each body comes back unchanged.
QList<Conversion> alikeConversions()
{
    return {{true, definitionList(10923, [](int) { return Definition{kFullWidthA, u"k"_qs}; }), QString(65536, u'A')},
            {false, definitionList(9363, [](int) { return Definition{kFullWidthA, u"kw"_qs}; }),
             QString(65536, u'\\')},
            {false, definitionList(937, [](int) { return Definition{kFullWidthA, kLongKeyword}; }),
             (u'\\' + QString(64, u'a')).repeated(1008)}};
}

// As many definitions of the same lengths, each different and sharing
// nothing with the same bodies.
QList<Conversion> unrelatedConversions()
{
    QList<Conversion> conversions = alikeConversions();
    conversions[0].definitions = definitionList(10923, [](int i) { return Definition{QString(cjk(i)), u"k"_qs}; });
    conversions[1].definitions =
        definitionList(9363, [](int i) { return Definition{kFullWidthA, QString(cjk(i)) + cjk(i / 100)}; });
    conversions[2].definitions = definitionList(937, [](int i) {
        QString keyword;
        for (int k = 0; k < kLongKeyword.size(); ++k)
            keyword += cjk(i * 65 + k);
        return Definition{kFullWidthA, keyword};
    });
    return conversions;
}

void runConversions(benchmark::State &state, const QList<Conversion> &conversions)
{
    const auto convert = [&] {
        for (const Conversion &c : conversions) {
            const QString result = c.restore ? definitions::restoreKeywords(c.body, c.definitions)
                                             : definitions::substituteEscaped(c.body, c.definitions);
            if (result != c.body)
                state.SkipWithError("a conversion changed a body that holds no definition");
            benchmark::DoNotOptimize(result.constData());
        }
    };
    ratio::measure(state, convert);
}

void pictographWorst(benchmark::State &state) { runConversions(state, alikeConversions()); }
void pictographWorstFloor(benchmark::State &state) { runConversions(state, unrelatedConversions()); }

const bool registeredWorst = ratio::add("pictograph worst", pictographWorst, pictographWorstFloor);

} // namespace
