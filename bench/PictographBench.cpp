// Restoring keywords ("絵文字消去") in a body of 400,000 pictographs, against
// one plain pass that writes the same amount of text.
#include "Ratio.h"

#include "pictograph/Definitions.h"

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
    for (auto _ : state) {
        const QString restored = definitions::restoreKeywords(body, list);
        if (restored.size() != 4 * body.size())
            state.SkipWithError("not every pictograph was restored");
        benchmark::DoNotOptimize(restored.constData());
    }
}

// Reads each character once and writes four in its place.
void pictographRestoreFloor(benchmark::State &state)
{
    const QList<Definition> list = sampleDefinitions();
    const QString body = pictographBody(list);
    const QString keyword = list.front().keyword;
    for (auto _ : state) {
        QString out;
        out.reserve(body.size());
        for (QChar c : body) {
            benchmark::DoNotOptimize(c);
            out += keyword;
        }
        benchmark::DoNotOptimize(out.constData());
    }
}

const bool registered = ratio::add("pictograph restore", pictographRestore, pictographRestoreFloor);

} // namespace
