#pragma once

#include <QString>
#include <QStringView>

/// Japanese width folding with the code page 932 conventions.
namespace widthfold {

/// The wide form: every character whose code page 932 form is one byte
/// becomes its full-width form (ASCII to U+FF01..U+FF5E, the space to the
/// ideographic space, half-width katakana to full-width katakana). A
/// half-width kana followed by a half-width voiced or semi-voiced mark
/// becomes one character when code page 932 has it (ｶﾞ → ガ); a mark on its
/// own becomes U+309B or U+309C. Double-byte characters and characters
/// without a wide form (CR, LF, TAB) are copied.
QString toWide(QStringView text);

/// The narrow form: full-width ASCII to ASCII, the ideographic space to a
/// space, full-width katakana to half-width (a voiced letter to the base
/// letter and "ﾞ"), and the Japanese punctuation with half-width forms to
/// those forms. Hiragana, kanji and characters whose narrow form code page
/// 932 cannot hold are left as they are.
QString toNarrow(QStringView text);

} // namespace widthfold
