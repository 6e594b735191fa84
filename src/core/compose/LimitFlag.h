#pragma once

#include <array>
#include <bitset>
#include <cstddef>

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

/// A set of limit flags: the ones switched on.
class LimitFlags {
public:
    bool has(LimitFlag flag) const { return bits_.test(index(flag)); }
    void set(LimitFlag flag, bool on) { bits_.set(index(flag), on); }

    friend bool operator==(const LimitFlags &, const LimitFlags &) = default;

private:
    static std::size_t index(LimitFlag flag) { return static_cast<std::size_t>(flag); }

    std::bitset<allLimitFlags.size()> bits_;
};
