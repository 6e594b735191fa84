#pragma once

#include <QString>
#include <QStringView>

#include <array>

/// The text filters of the edit menu: each removes or replaces one kind of
/// character throughout the body.
struct FilterEntry {
    enum class Kind {
        Replace, ///< every occurrence of `find` becomes `replacement`
        Narrow,  ///< the whole body becomes its narrow form
    };
    QString caption;
    Kind kind = Kind::Replace;
    QString find;
    QString replacement;
};

/// The nine entries in menu order: 0 "改行抜き" (CR LF → nothing),
/// 1 "→変換>", 2 "←変換<", 3 "↑変換\", 4 "×変換x", 5 "SP抜き" (space →
/// nothing), 6 "半角変換" (narrow form), 7 "(抜き", 8 ")抜き".
const std::array<FilterEntry, 9> &filterEntries();

/// The order in which "上記処理連続動作" runs the entries: line
/// breaks first, then the arrows and times signs, spaces, the narrow form
/// and the parentheses.
inline constexpr std::array<int, 9> kCmeroOrder{0, 1, 2, 3, 4, 5, 6, 7, 8};

/// The body after an entry, in one pass: for a find-and-replace entry what
/// replacing the first occurrence, searching again from the start, until
/// none is left gives (a CR LF that appears only when an inner one is
/// removed, as in CR CR LF LF, is removed too); for the narrow entry the
/// body's narrow form. An entry whose replacement holds its own find text
/// (the search would never end) leaves the body as it is.
QString applyFilter(QStringView body, const FilterEntry &entry);

/// True for an entry that neither finds nor puts in a CR or an LF. Such an
/// entry gives the same text on the field's form of the body (a break as
/// one LF) as on the body's own (CR LF), so it can run there.
bool keepsLineBreaks(const FilterEntry &entry);
