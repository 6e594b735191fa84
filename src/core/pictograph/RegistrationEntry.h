#pragma once

#include "core/pictograph/Definitions.h"

#include <QStringList>

/// The rules of the code registration window that need no window: the text
/// of a list entry, the pictograph selector and the keyword overlap check.
namespace registration {

/// The highest value of the pictograph selector.
constexpr int kSelectorMaximum = 206;

/// The text a definition shows in the list: keyword, two TABs, symbol.
QString entryText(const Definition &definition);

/// The definition behind an entry text: the symbol is the last character
/// (a surrogate pair counting as one), the keyword everything before the
/// two separators in front of it.
Definition parseEntry(const QString &text);

/// The pictograph of selector value v (0 to 206): the code page 932 code
/// 0xF89F + v for v below 94, 0xF940 + (v - 94) from there on. Value 157
/// (0xF97F) and values out of range have no character and give nothing.
QString selectorSymbol(int value);

/// The symbol label's text for selector value v: "記号" and v with at least
/// three digits.
QString selectorLabel(int value);

/// The positions of the entries whose text holds `keyword` anywhere (its
/// symbol and separators included), in list order. An empty keyword is
/// held by every entry.
QList<int> overlappingEntries(const QStringList &entries, const QString &keyword);

/// True when the entry's own keyword is exactly `keyword`: such a
/// registration is refused.
bool sameKeyword(const QString &entry, const QString &keyword);

/// The entries in the order of a sorted list: by their text, so by keyword,
/// in Japanese collation ignoring case.
QStringList sortedEntries(QStringList entries);

} // namespace registration
