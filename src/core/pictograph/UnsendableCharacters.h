#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class EmojiSources;

/// The characters of a text that code page 932 cannot hold, which encoding
/// would send as "?", and what the program can offer in their place.
namespace unsendable {

/// What can be sent instead of a character.
enum class Replacement {
    None,       ///< nothing: it goes as "?"
    Pictograph, ///< the i-mode pictograph of a standard emoji
    Similar,    ///< letters the code page holds (é → e, a variation selector dropped)
};

/// One user-perceived character (a grapheme cluster: a code point with its
/// combining marks, variation selectors and joined parts) that holds at
/// least one code unit the code page lacks.
struct Character {
    qsizetype position = 0; ///< where it starts, in code units
    qsizetype length = 0;   ///< its code units
    QString text;
    Replacement kind = Replacement::None;
    QString replacement; ///< empty for Replacement::None

    friend bool operator==(const Character &, const Character &) = default;
};

/// Every such character of `text`, in order, with its replacement.
QList<Character> find(QStringView text, const EmojiSources &emoji);

/// `text` with every character of `found` that has a replacement replaced.
QString replaced(QStringView text, const QList<Character> &found);


/// The Unicode names of the text's code points joined by " + ", leaving
/// out variation selectors (e.g. "BLACK SUN WITH RAYS").
QString names(QStringView text);

/// The code page 932 code of a character as four hex digits ("F89F"), or
/// nothing when it has no two-byte code.
QString codeText(QStringView character);

} // namespace unsendable
