#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <array>

/// The text filters of the edit menu: each removes or replaces one kind of
/// character throughout the body.
struct FilterEntry {
    enum class Kind {
        Replace, ///< every occurrence of `find` becomes `replacement`, one edit each
        Narrow,  ///< the whole body becomes its narrow form in one assignment
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

/// One edit of the body: `length` characters at `position` (0-based, in
/// the body's CR LF form, in the body as the earlier edits left it) become
/// `text`.
struct FilterEdit {
    int position = 0;
    int length = 0;
    QString text;

    friend bool operator==(const FilterEdit &, const FilterEdit &) = default;
};

/// The edits a find-and-replace entry makes to `body`, in order. Applied one
/// after another they give what replacing the first occurrence, searching
/// again from the start, until none is left gives (a CR LF that appears
/// only when an inner one is removed, as in CR CR LF LF, is removed too).
/// Computed in one pass. A Narrow entry, and an entry whose replacement
/// holds its own find text (the search would never end), give no edits.
QList<FilterEdit> filterEdits(QStringView body, const FilterEntry &entry);

/// Applies edits in order.
QString applyFilterEdits(QStringView body, const QList<FilterEdit> &edits);

/// The body after an entry: its edits applied, or its narrow form.
QString applyFilter(QStringView body, const FilterEntry &entry);
