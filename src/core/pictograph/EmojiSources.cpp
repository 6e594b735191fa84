#include "core/pictograph/EmojiSources.h"

#include "core/platform/Cp932.h"

#include <QFile>

namespace {

std::optional<uint> hexNumber(QStringView text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 16);
    return ok ? std::optional<uint>(value) : std::nullopt;
}

// "0023 20E3" as text, or nothing when a code point is not a number.
std::optional<QString> codePoints(QStringView field)
{
    QString text;
    for (QStringView part : field.split(u' ', Qt::SkipEmptyParts)) {
        const std::optional<uint> cp = hexNumber(part);
        if (!cp || *cp > 0x10FFFF)
            return std::nullopt;
        const char32_t c = *cp;
        text += QString::fromUcs4(&c, 1);
    }
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

// The pictograph character of a two-byte code, decoded as every file of the
// program is.
QString pictographOfCode(uint code)
{
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return cp932::decode(QByteArrayView(bytes, 2));
}

bool isVariationSelector(char16_t c) { return c == 0xFE0F || c == 0xFE0E; }

} // namespace

EmojiSources EmojiSources::parse(QStringView text)
{
    EmojiSources table;
    for (QStringView line : text.split(u'\n')) {
        line = line.left(line.indexOf(u'#')).trimmed();
        const QList<QStringView> fields = line.split(u';');
        if (fields.size() < 2 || fields[1].trimmed().isEmpty())
            continue;
        const std::optional<uint> code = hexNumber(fields[1]);
        const std::optional<QString> emoji = codePoints(fields[0]);
        if (!code || *code > 0xFFFF || !emoji)
            continue;
        const QString pictograph = pictographOfCode(*code);
        if (pictograph.size() != 1 || pictograph == u"\uFFFD")
            continue;
        table.emojiOf_.insert(pictograph, *emoji);
        table.pictographOf_.insert(withoutVariationSelectors(*emoji), pictograph);
    }
    return table;
}

const EmojiSources &EmojiSources::builtIn()
{
    static const EmojiSources table = [] {
        QFile file(u":/pictograph/EmojiSources.txt"_qs);
        if (!file.open(QIODevice::ReadOnly))
            return EmojiSources();
        return parse(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

std::optional<QString> EmojiSources::emojiFor(QStringView pictograph) const
{
    const auto it = emojiOf_.constFind(pictograph.toString());
    return it == emojiOf_.cend() ? std::nullopt : std::optional<QString>(*it);
}

std::optional<QString> EmojiSources::pictographFor(QStringView emoji) const
{
    const auto it = pictographOf_.constFind(withoutVariationSelectors(emoji));
    return it == pictographOf_.cend() ? std::nullopt : std::optional<QString>(*it);
}

QString EmojiSources::withoutVariationSelectors(QStringView emoji)
{
    QString text;
    text.reserve(emoji.size());
    for (QChar c : emoji) {
        if (!isVariationSelector(c.unicode()))
            text += c;
    }
    return text;
}
