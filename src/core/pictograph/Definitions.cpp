#include "core/pictograph/Definitions.h"

#include "core/pictograph/SearchTexts.h"
#include "core/platform/TextFile.h"

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
// in is never searched again. Finding which rule starts where takes one
// pass of an automaton over all search texts, so the work stays linear in
// the text plus the rules, whatever the rules have in common.
QString replaceInOnePass(QStringView text, const std::vector<Rule> &rules)
{
    QStringList finds;
    finds.reserve(static_cast<qsizetype>(rules.size()));
    for (const Rule &rule : rules)
        finds.append(rule.find);
    const std::vector<int> firstRule = SearchTexts(finds).firstStartingAt(text);

    QString out;
    out.reserve(text.size());
    qsizetype copied = 0; // text before this is already in `out`
    qsizetype at = 0;
    while (at < text.size()) {
        const int r = firstRule[static_cast<std::size_t>(at)];
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
