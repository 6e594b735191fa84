#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

/// The i-mode pictographs and the standard emoji Unicode gives for them
/// (the DoCoMo column of Unicode's EmojiSources.txt), both ways.
class EmojiSources {
public:
    /// Reads the text of an EmojiSources.txt: lines "emoji code points;
    /// DoCoMo code;KDDI code;SoftBank code", "#" comments. Lines without a
    /// DoCoMo code are skipped.
    static EmojiSources parse(QStringView text);

    /// The table built into the program from the system's EmojiSources.txt.
    static const EmojiSources &builtIn();

    /// The number of pictographs with an emoji.
    qsizetype size() const { return emojiOf_.size(); }

    /// The standard emoji (one code point or a sequence such as a keycap)
    /// of a pictograph character, or nothing.
    std::optional<QString> emojiFor(QStringView pictograph) const;

    /// The pictograph character of a standard emoji; emoji variation
    /// selectors (U+FE0F, U+FE0E) are ignored on both sides.
    std::optional<QString> pictographFor(QStringView emoji) const;

    /// The emoji's text without its variation selectors.
    static QString withoutVariationSelectors(QStringView emoji);

private:
    QHash<QString, QString> emojiOf_;
    QHash<QString, QString> pictographOf_;
};
