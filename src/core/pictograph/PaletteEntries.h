#pragma once

#include "core/pictograph/Definitions.h"
#include "core/pictograph/JapaneseEmojiNames.h"

#include <QList>
#include <QString>

class EmojiSources;

/// One pictograph of the palette: a selector value's character with what
/// its tool tip tells.
struct PaletteEntry {
    QString symbol;    ///< the private-use character
    QString code;      ///< its code page 932 code, e.g. "F89F"
    QString emojiName; ///< the Unicode name of its standard emoji; empty when it has none
    QString japaneseName; ///< that emoji's Japanese name; empty when it has none
    QString keyword;   ///< its keyword in "Emoji.code"; empty when it has none

    /// A pictograph with a standard emoji is drawn; the others show their code.
    bool hasPicture() const { return !emojiName.isEmpty(); }
    /// "F89F  太陽  BLACK SUN WITH RAYS  キーワード: hare", the parts it has.
    QString toolTip() const;
};

/// The pictographs of the selector range in selector order, leaving out the
/// value that has no character. The keyword is the first definition's
/// whose symbol is the pictograph.
QList<PaletteEntry> paletteEntries(const EmojiSources &emoji, const QList<Definition> &definitions,
                                   const JapaneseEmojiNames &names = JapaneseEmojiNames::builtIn());
