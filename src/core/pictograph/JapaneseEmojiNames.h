#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

/// The Japanese names of the standard emoji of the i-mode pictographs:
/// CLDR's short names, as a table built into the program from Debian's
/// unicode-cldr-core (scripts/emoji_names_ja.py).
class JapaneseEmojiNames {
public:
    /// Reads lines "emoji TAB name"; lines without a TAB are skipped.
    static JapaneseEmojiNames parse(QStringView text);

    /// The table built into the program.
    static const JapaneseEmojiNames &builtIn();

    /// The number of emoji with a name.
    qsizetype size() const { return names_.size(); }

    /// The name of a standard emoji, variation selectors ignored; nothing
    /// when CLDR has none.
    std::optional<QString> nameOf(QStringView emoji) const;

private:
    QHash<QString, QString> names_;
};
