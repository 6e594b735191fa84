#include "core/pictograph/SearchTexts.h"

#include <algorithm>
#include <numeric>

namespace {

quint64 edgeKey(int node, char16_t unit) { return (quint64(node) << 16) | unit; }

} // namespace

inline int SearchTexts::child(int node, char16_t unit) const
{
    if (node == 0)
        return rootChildren_[unit];
    return nodes_[static_cast<std::size_t>(node)].leaf ? -1 : children_.value(edgeKey(node, unit), -1);
}

// The automaton's move on one more code unit: the longest node that is a
// suffix of what has been read.
inline int SearchTexts::step(int state, char16_t unit) const
{
    for (;;) {
        const int next = child(state, unit);
        if (next >= 0)
            return next;
        if (state == 0)
            return 0;
        state = nodes_[static_cast<std::size_t>(state)].fail;
    }
}

SearchTexts::SearchTexts(const QStringList &texts)
{
    // The trie of the reversed search texts; node 0 is the root.
    nodes_.emplace_back();
    rootChildren_.assign(0x10000, -1);
    std::vector<int> depth{0};
    nodeOfText_.reserve(static_cast<std::size_t>(texts.size()));
    for (qsizetype t = 0; t < texts.size(); ++t) {
        const QString &text = texts[t];
        if (text.isEmpty()) {
            nodeOfText_.push_back(-1);
            continue;
        }
        int node = 0;
        for (auto unit = text.crbegin(); unit != text.crend(); ++unit) {
            int next = child(node, unit->unicode());
            if (next < 0) {
                next = static_cast<int>(nodes_.size());
                nodes_.push_back({node, unit->unicode()});
                nodes_[static_cast<std::size_t>(node)].leaf = false;
                depth.push_back(depth[static_cast<std::size_t>(node)] + 1);
                if (node == 0)
                    rootChildren_[unit->unicode()] = next;
                else
                    children_.insert(edgeKey(node, unit->unicode()), next);
            }
            node = next;
        }
        Node &end = nodes_[static_cast<std::size_t>(node)];
        if (end.text < 0)
            end.text = static_cast<int>(t);
        nodeOfText_.push_back(node);
    }

    // Failure links, shallower nodes first (a counting sort by depth): a
    // node's link is shorter than the node, so it is known by the time the
    // node is reached.
    std::vector<int> startOfDepth(static_cast<std::size_t>(*std::max_element(depth.begin(), depth.end())) + 2, 0);
    for (const int d : depth)
        ++startOfDepth[static_cast<std::size_t>(d) + 1];
    std::partial_sum(startOfDepth.begin(), startOfDepth.end(), startOfDepth.begin());
    byDepth_.resize(nodes_.size());
    for (std::size_t n = 0; n < nodes_.size(); ++n)
        byDepth_[static_cast<std::size_t>(startOfDepth[static_cast<std::size_t>(depth[n])]++)] = static_cast<int>(n);
    for (const int n : byDepth_) {
        Node &node = nodes_[static_cast<std::size_t>(n)];
        if (node.parent > 0)
            node.fail = step(nodes_[static_cast<std::size_t>(node.parent)].fail, node.unit);
        // The first text in list order among this node's and its suffixes'.
        const int inherited = n == 0 ? -1 : nodes_[static_cast<std::size_t>(node.fail)].firstText;
        node.firstText = node.text < 0 ? inherited
                         : inherited < 0 ? node.text
                                         : std::min(node.text, inherited);
    }
}

std::vector<int> SearchTexts::firstStartingAt(QStringView text) const
{
    std::vector<int> first(static_cast<std::size_t>(text.size()));
    int state = 0;
    for (qsizetype at = text.size() - 1; at >= 0; --at) {
        state = step(state, text[at].unicode());
        first[static_cast<std::size_t>(at)] = nodes_[static_cast<std::size_t>(state)].firstText;
    }
    return first;
}

std::vector<qsizetype> SearchTexts::firstOccurrences(QStringView text, qsizetype from) const
{
    // The earliest position at which the scan is in each state ...
    std::vector<qsizetype> earliest(nodes_.size(), -1);
    int state = 0;
    for (qsizetype at = text.size() - 1; at >= std::max<qsizetype>(from, 0); --at) {
        state = step(state, text[at].unicode());
        earliest[static_cast<std::size_t>(state)] = at;
    }
    // ... and a search text starts wherever the state is its node or has
    // it among its suffixes: deepest nodes first, each hands its earliest
    // position on to its failure link.
    for (auto n = byDepth_.crbegin(); n != byDepth_.crend(); ++n) {
        const qsizetype at = earliest[static_cast<std::size_t>(*n)];
        qsizetype &shorter = earliest[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(*n)].fail)];
        if (*n != 0 && at >= 0 && (shorter < 0 || at < shorter))
            shorter = at;
    }
    std::vector<qsizetype> first;
    first.reserve(nodeOfText_.size());
    for (const int node : nodeOfText_)
        first.push_back(node < 0 ? -1 : earliest[static_cast<std::size_t>(node)]);
    return first;
}
