#pragma once

#include "core/pictograph/Definitions.h"

#include <QString>

/// The rules of the code registration window that need no window: the text
/// of a list entry and the pictograph selector (the list's own rules are
/// DefinitionListModel's).
namespace registration {

/// The highest value of the pictograph selector.
constexpr int kSelectorMaximum = 206;

/// The text a definition shows in the list: keyword, two TABs, symbol.
QString entryText(const Definition &definition);

/// The pictograph of selector value v (0 to 206): the code page 932 code
/// 0xF89F + v for v below 94, 0xF940 + (v - 94) from there on. Value 157
/// (0xF97F) and values out of range have no character and give nothing.
QString selectorSymbol(int value);

/// The symbol label's text for selector value v: "記号" and v with at least
/// three digits.
QString selectorLabel(int value);

} // namespace registration
