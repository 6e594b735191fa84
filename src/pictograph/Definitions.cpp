#include "pictograph/Definitions.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <array>
#include <vector>

namespace definitions {

namespace {

struct Rule {
    QString find;
    QString replacement;
};

// Replaces the occurrences of the rules' search texts in one pass from the
// left. At each position the first rule (in list order) whose search text
// starts there wins; the scan goes on after the matched text, so text put
// in is never searched again and the work stays linear in `text`.
QString replaceInOnePass(QStringView text, const std::vector<Rule> &rules)
{
    // The rules chained by the low byte of their search text's first code
    // unit, each chain in list order: a position costs one table look-up
    // and, as a rule, one comparison.
    std::array<int, 256> firstRule;
    firstRule.fill(-1);
    std::vector<int> nextRule(rules.size(), -1);
    for (int r = static_cast<int>(rules.size()) - 1; r >= 0; --r) {
        const QString &find = rules[static_cast<std::size_t>(r)].find;
        if (find.isEmpty())
            continue;
        int &head = firstRule[find.front().unicode() & 0xFF];
        nextRule[static_cast<std::size_t>(r)] = head;
        head = r;
    }

    const auto matchesAt = [&text](const QString &find, qsizetype at) {
        return find.size() <= text.size() - at && std::equal(find.begin(), find.end(), text.begin() + at);
    };
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0; // text before this is already in `out`
    qsizetype at = 0;
    while (at < text.size()) {
        int r = firstRule[text[at].unicode() & 0xFF];
        while (r >= 0 && !matchesAt(rules[static_cast<std::size_t>(r)].find, at))
            r = nextRule[static_cast<std::size_t>(r)];
        if (r < 0) {
            ++at;
            continue;
        }
        const Rule &rule = rules[static_cast<std::size_t>(r)];
        if (at > copied)
            out += text.sliced(copied, at - copied);
        out += rule.replacement;
        at += rule.find.size();
        copied = at;
    }
    out += text.sliced(copied);
    return out;
}

} // namespace

QString symbolOf(const QString &line)
{
    return line.left(line.size() > 1 && line.at(0).isHighSurrogate() && line.at(1).isLowSurrogate() ? 2 : 1);
}

QList<Definition> read(const QString &path)
{
    QList<Definition> list;
    for (const QString &line : textfile::readLines(path)) {
        if (line.isEmpty())
            continue;
        const QString symbol = symbolOf(line);
        list.append({symbol, line.mid(symbol.size() + 1)});
    }
    return list;
}

QString substituteEscaped(QStringView text, const QList<Definition> &definitions)
{
    std::vector<Rule> rules;
    rules.reserve(static_cast<std::size_t>(definitions.size()));
    for (const Definition &d : definitions) {
        // An empty keyword would turn every backslash into a pictograph.
        if (!d.keyword.isEmpty())
            rules.push_back({u'\\' + d.keyword, d.symbol});
    }
    return replaceInOnePass(text, rules);
}

QString restoreKeywords(QStringView text, const QList<Definition> &definitions)
{
    std::vector<Rule> rules;
    rules.reserve(static_cast<std::size_t>(definitions.size()));
    for (const Definition &d : definitions)
        rules.push_back({d.symbol, d.keyword});
    return replaceInOnePass(text, rules);
}

} // namespace definitions
