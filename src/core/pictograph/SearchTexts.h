#pragma once

#include <QHash>
#include <QStringList>
#include <QStringView>

#include <vector>

/// Many search texts looked for in one pass over a text, in time linear in
/// the text plus the total length of the search texts, however the search
/// texts share their characters. Characters are compared as UTF-16 code
/// units, exactly. An empty search text is never found.
class SearchTexts {
public:
    explicit SearchTexts(const QStringList &texts);

    /// For each position of `text`, the index (in list order) of the first
    /// search text that starts there, or -1.
    std::vector<int> firstStartingAt(QStringView text) const;

    /// For each search text, by index, where its first occurrence in `text`
    /// at or after `from` starts, or -1.
    std::vector<qsizetype> firstOccurrences(QStringView text, qsizetype from) const;

private:
    // An Aho–Corasick automaton over the search texts read backwards. Run
    // from the end of a text towards its start, its state at a position is
    // the longest node that spells, backwards, a piece of text starting
    // there; the search texts starting there are those spelled by the state
    // and by the nodes on its chain of failure links.
    struct Node {
        int parent = -1;
        char16_t unit = 0;  // the code unit on the edge from the parent
        int fail = 0;       // the longest node spelling a proper suffix of this one's
        int text = -1;      // the first search text this node spells, or -1
        int firstText = -1; // the first one this node or its failure chain spells
        bool leaf = true;   // no edges go on from here (most nodes: no look-up needed)
    };

    int child(int node, char16_t unit) const;
    int step(int state, char16_t unit) const;

    std::vector<Node> nodes_;
    std::vector<int> byDepth_;       // the nodes, shallower first
    std::vector<int> nodeOfText_;    // each search text's node, or -1 when empty
    std::vector<int> rootChildren_;  // by code unit: most steps start from the root
    QHash<quint64, int> children_;   // (node, code unit) -> child, below the root
};
