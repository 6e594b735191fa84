#include "core/pictograph/PaletteEntries.h"

#include "core/pictograph/EmojiSources.h"
#include "core/pictograph/RegistrationEntry.h"
#include "core/pictograph/UnsendableCharacters.h"

QString PaletteEntry::toolTip() const
{
    QStringList parts{code};
    if (!japaneseName.isEmpty())
        parts.append(japaneseName);
    if (!emojiName.isEmpty())
        parts.append(emojiName);
    if (!keyword.isEmpty())
        parts.append(u"キーワード: "_qs + keyword);
    return parts.join(u"  "_qs);
}

QList<PaletteEntry> paletteEntries(const EmojiSources &emoji, const QList<Definition> &definitions,
                                   const JapaneseEmojiNames &names)
{
    QList<PaletteEntry> entries;
    for (int v = 0; v <= registration::kSelectorMaximum; ++v) {
        const QString symbol = registration::selectorSymbol(v);
        if (symbol.isEmpty())
            continue;
        PaletteEntry entry;
        entry.symbol = symbol;
        entry.code = unsendable::codeText(symbol);
        if (const std::optional<QString> standard = emoji.emojiFor(symbol)) {
            entry.emojiName = unsendable::names(*standard);
            entry.japaneseName = names.nameOf(*standard).value_or(QString());
        }
        const auto defined = std::find_if(definitions.begin(), definitions.end(),
                                          [&symbol](const Definition &d) { return d.symbol == symbol; });
        if (defined != definitions.end())
            entry.keyword = defined->keyword;
        entries.append(entry);
    }
    return entries;
}
