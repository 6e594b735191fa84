#include "core/pictograph/RegistrationEntry.h"

#include "core/pictograph/SearchTexts.h"
#include "core/platform/Cp932.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace registration {

namespace {

constexpr int kFirstBlockSize = 94;
constexpr unsigned kFirstBlockStart = 0xF89F;
constexpr unsigned kSecondBlockStart = 0xF940;
/// 0xF97F: a trail byte of 0x7F is not code page 932.
constexpr int kNoCharacter = 157;

} // namespace

QString entryText(const Definition &definition)
{
    return definition.keyword + u"\t\t"_qs + definition.symbol;
}

Definition parseEntry(const QString &text)
{
    const qsizetype n = text.size();
    const qsizetype symbolSize = n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate() ? 2 : 1;
    if (n < symbolSize + 2)
        return {text.right(std::min(n, symbolSize)), QString()};
    return {text.right(symbolSize), text.left(n - symbolSize - 2)};
}

QString selectorSymbol(int value)
{
    if (value < 0 || value > kSelectorMaximum || value == kNoCharacter)
        return {};
    const unsigned code = value < kFirstBlockSize ? kFirstBlockStart + static_cast<unsigned>(value)
                                                  : kSecondBlockStart + static_cast<unsigned>(value - kFirstBlockSize);
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return cp932::decode(QByteArrayView(bytes, 2));
}

QString selectorLabel(int value)
{
    return u"記号"_qs + u"%1"_qs.arg(value, 3, 10, QChar(u'0'));
}

QList<int> overlappingEntries(const QStringList &entries, const QString &keyword)
{
    // One automaton over the keyword, one pass over each entry: linear in
    // the entries plus the keyword, however long and alike they are.
    const SearchTexts search({keyword});
    QList<int> found;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const std::vector<int> starts = search.firstStartingAt(entries[i]);
        if (keyword.isEmpty() || std::find(starts.begin(), starts.end(), 0) != starts.end())
            found.append(static_cast<int>(i));
    }
    return found;
}

bool sameKeyword(const QString &entry, const QString &keyword)
{
    return parseEntry(entry).keyword == keyword;
}

QStringList sortedEntries(QStringList entries)
{
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return entries;
}

} // namespace registration
