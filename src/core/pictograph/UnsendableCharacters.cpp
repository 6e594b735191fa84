#include "core/pictograph/UnsendableCharacters.h"

#include "core/pictograph/EmojiSources.h"
#include "core/platform/Cp932.h"

#include <QTextBoundaryFinder>

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <memory>
#include <optional>

namespace unsendable {
namespace {

bool allHeld(QStringView text)
{
    for (QChar c : text) {
        if (!cp932::holds(c.unicode()))
            return false;
    }
    return !text.isEmpty();
}

// ICU's accent-stripping Latin to ASCII rules (é → e, ß → ss, “ → ").
QString latinToAscii(QStringView text)
{
    thread_local const std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode err = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, err));
        return U_SUCCESS(err) ? std::move(t) : nullptr;
    }();
    if (!transliterator)
        return text.toString();
    icu::UnicodeString s(reinterpret_cast<const UChar *>(text.utf16()), static_cast<int32_t>(text.size()));
    transliterator->transliterate(s);
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

void chooseReplacement(Character &c, const EmojiSources &emoji)
{
    if (const std::optional<QString> pictograph = emoji.pictographFor(c.text)) {
        c.kind = Replacement::Pictograph;
        c.replacement = *pictograph;
        return;
    }
    for (const QString &candidate : {EmojiSources::withoutVariationSelectors(c.text), latinToAscii(c.text)}) {
        if (candidate != c.text && allHeld(candidate)) {
            c.kind = Replacement::Similar;
            c.replacement = candidate;
            return;
        }
    }
}

} // namespace

QList<Character> find(QStringView text, const EmojiSources &emoji)
{
    QList<Character> found;
    // Grapheme boundaries are only looked for in a text that needs them.
    std::optional<QTextBoundaryFinder> finder;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (cp932::holds(text[i].unicode()))
            continue;
        if (!finder)
            finder.emplace(QTextBoundaryFinder::Grapheme, text.data(), static_cast<int>(text.size()));
        QTextBoundaryFinder &clusters = *finder;
        clusters.setPosition(static_cast<int>(i));
        const qsizetype start = clusters.isAtBoundary() ? i : clusters.toPreviousBoundary();
        clusters.setPosition(static_cast<int>(i));
        const qsizetype next = clusters.toNextBoundary();
        const qsizetype end = next < 0 ? text.size() : next;
        Character c;
        c.position = start;
        c.length = end - start;
        c.text = text.mid(start, end - start).toString();
        chooseReplacement(c, emoji);
        found.append(c);
        i = end - 1;
    }
    return found;
}

QString replaced(QStringView text, const QList<Character> &found)
{
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (const Character &c : found) {
        out += text.mid(from, c.position - from);
        out += c.kind == Replacement::None ? c.text : c.replacement;
        from = c.position + c.length;
    }
    out += text.mid(from);
    return out;
}

QString names(QStringView text)
{
    QStringList parts;
    for (const char32_t cp : text.toUcs4()) {
        if (cp == 0xFE0F || cp == 0xFE0E)
            continue;
        char name[256];
        UErrorCode err = U_ZERO_ERROR;
        const int32_t n = u_charName(static_cast<UChar32>(cp), U_EXTENDED_CHAR_NAME, name, sizeof name, &err);
        parts.append(U_SUCCESS(err) && n > 0 ? QString::fromLatin1(name, n)
                                              : u"U+%1"_qs.arg(static_cast<uint>(cp), 4, 16, QChar(u'0')).toUpper());
    }
    return parts.join(u" + "_qs);
}

QString codeText(QStringView character)
{
    const QByteArray bytes = cp932::encode(character);
    if (bytes.size() != 2 || !allHeld(character))
        return {};
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace unsendable
