#pragma once

#include <array>

/// The nine switches of the limit panel, in the panel's order (the order
/// "Horo.ini" stores them as Sei0 to Sei8).
enum class LimitFlag {
    SkipBlanks,      ///< the limited count leaves out TAB, space, ideographic space
    SkipLineBreaks,  ///< ... CR and LF
    SkipPunctuation, ///< ... . , 、 。
    SkipBrackets,    ///< ... 「」[]（()）｛｝{}
    SkipTags,        ///< ... "<" up to the next ">"
    SkipHoro,        ///< ... the word "Horo"
    CharacterLimit,  ///< the body limit is in force
    Classify,        ///< a single-byte character weighs 0.5; the limit is checked as one types
    AutoCount,       ///< Enter in the body runs the count command silently
};

/// Every limit flag, in the panel's order.
inline constexpr std::array<LimitFlag, 9> allLimitFlags = {
    LimitFlag::SkipBlanks,   LimitFlag::SkipLineBreaks, LimitFlag::SkipPunctuation,
    LimitFlag::SkipBrackets, LimitFlag::SkipTags,       LimitFlag::SkipHoro,
    LimitFlag::CharacterLimit, LimitFlag::Classify,     LimitFlag::AutoCount};
