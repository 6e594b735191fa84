#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

/// Code page 932 (Windows Shift-JIS), the encoding of every file the program
/// shares with Becky and keeps for itself.
///
/// Every character without a code page 932 form becomes one "?" (a surrogate
/// pair included), so it weighs exactly one byte. Nothing is ever dropped,
/// not even the default-ignorable characters that ICU's own substitution
/// skips (zero-width space, variation selectors, U+FEFF).
namespace cp932 {

/// Encodes text; unmappable characters become "?".
QByteArray encode(QStringView text);

/// Decodes bytes; invalid sequences become U+FFFD.
QString decode(QByteArrayView bytes);

/// The first character (a surrogate pair counting as one) that does not come
/// back unchanged from encode and decode; nothing when every one does.
std::optional<QString> firstUnencodable(QStringView text);

/// The length of encode(text) without building it.
int byteLength(QStringView text);

/// The byte length (1 or 2) of one BMP code unit on its own; a surrogate
/// counts 1 (a pair becomes a single "?").
int unitByteLength(char16_t unit);

/// The sum of unitByteLength over every code unit of `text` (each half of a
/// surrogate pair counting 1), in one pass over the table.
int unitByteLengthSum(QStringView text);

/// True when the code page holds the BMP code unit, so that encoding does
/// not turn it into "?". A surrogate is never held.
bool holds(char16_t unit);

/// The number of "?" encode(text) writes for characters the code page does
/// not hold (a surrogate pair counting once), in one pass over the table.
int questionMarks(QStringView text);

/// True when the character's code page 932 form is a single byte
/// (ASCII, half-width katakana, or anything encoded as "?").
inline bool isSingleByte(QChar c) { return unitByteLength(c.unicode()) == 1; }

} // namespace cp932
