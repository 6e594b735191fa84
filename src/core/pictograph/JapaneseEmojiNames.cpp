#include "core/pictograph/JapaneseEmojiNames.h"

#include "core/pictograph/EmojiSources.h"

#include <QFile>

JapaneseEmojiNames JapaneseEmojiNames::parse(QStringView text)
{
    JapaneseEmojiNames table;
    for (QStringView line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab > 0)
            table.names_.insert(EmojiSources::withoutVariationSelectors(line.left(tab)),
                                line.mid(tab + 1).trimmed().toString());
    }
    return table;
}

const JapaneseEmojiNames &JapaneseEmojiNames::builtIn()
{
    static const JapaneseEmojiNames table = [] {
        QFile file(u":/pictograph/emoji-names-ja.txt"_qs);
        return file.open(QIODevice::ReadOnly) ? parse(QString::fromUtf8(file.readAll())) : JapaneseEmojiNames();
    }();
    return table;
}

std::optional<QString> JapaneseEmojiNames::nameOf(QStringView emoji) const
{
    const auto found = names_.constFind(EmojiSources::withoutVariationSelectors(emoji));
    return found == names_.constEnd() ? std::nullopt : std::optional<QString>(*found);
}
