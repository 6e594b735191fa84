#include "core/platform/WidthFold.h"

#include "core/platform/Cp932.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <array>
#include <memory>
#include <stdexcept>

namespace widthfold {
namespace {

constexpr char16_t kHalfVoiced = u'\uFF9E';     // ﾞ
constexpr char16_t kHalfSemiVoiced = u'\uFF9F'; // ﾟ
constexpr char16_t kWideVoiced = u'\u309B';     // ゛
constexpr char16_t kWideSemiVoiced = u'\u309C'; // ゜

std::unique_ptr<icu::Transliterator> makeTransliterator(const char *id)
{
    UErrorCode err = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
        icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD, err));
    if (U_FAILURE(err) || !t)
        throw std::runtime_error(std::string("ICU transliterator missing: ") + id);
    return t;
}

QString transliterate(const icu::Transliterator &t, QStringView text)
{
    icu::UnicodeString s(reinterpret_cast<const UChar *>(text.utf16()),
                         static_cast<int32_t>(text.size()));
    t.transliterate(s);
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

// ICU gives the combining marks U+3099/U+309A for a lone half-width mark;
// code page 932 only has the spacing marks.
char16_t spacingMark(char16_t c)
{
    if (c == u'\u3099' || c == kHalfVoiced)
        return kWideVoiced;
    if (c == u'\u309A' || c == kHalfSemiVoiced)
        return kWideSemiVoiced;
    return c;
}

// Wide forms of the single-byte characters of code page 932, computed once.
const std::array<char16_t, 0x10000> &wideTable()
{
    static const auto table = [] {
        auto t = std::make_unique<std::array<char16_t, 0x10000>>();
        for (std::uint32_t u = 0; u < 0x10000; ++u)
            (*t)[u] = static_cast<char16_t>(u);
        const auto icuWide = makeTransliterator("Halfwidth-Fullwidth");
        auto widen = [&](char16_t c) {
            const QString w = transliterate(*icuWide, QStringView(&c, 1));
            if (w.size() == 1)
                (*t)[c] = spacingMark(w.at(0).unicode());
        };
        for (char16_t c = 0x20; c <= 0x7E; ++c)
            widen(c);
        for (char16_t c = 0xFF61; c <= 0xFF9F; ++c)
            widen(c);
        return *t;
    }();
    return table;
}

bool isHalfWidthKana(char16_t c) { return c >= 0xFF61 && c <= 0xFF9D; }

} // namespace

QString toWide(QStringView text)
{
    const auto &wide = wideTable();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char16_t w = wide[c];
        if (isHalfWidthKana(c) && i + 1 < text.size()) {
            const char16_t next = text[i + 1].unicode();
            if (next == kHalfVoiced || next == kHalfSemiVoiced) {
                // Compose the base letter with the combining mark; keep the
                // pair apart when code page 932 has no such letter (ﾜﾞ).
                const QChar pair[2] = {QChar(w), QChar(next == kHalfVoiced ? u'\u3099' : u'\u309A')};
                const QString joined = QString(pair, 2).normalized(QString::NormalizationForm_C);
                if (joined.size() == 1 && cp932::unitByteLength(joined.at(0).unicode()) == 2) {
                    out += joined;
                    ++i;
                    continue;
                }
            }
        }
        out += QChar(w);
    }
    return out;
}

QString toNarrow(QStringView text)
{
    // The filter keeps the characters whose ICU narrow form code page 932
    // cannot hold (arrows, box and geometric signs, ￠￡￢￤); ￥ and ￣ are
    // code page 932's backslash and tilde, handled below with the marks.
    static const auto icuNarrow = makeTransliterator(
        "[^\\u2190-\\u2193\\u2502\\u25A0\\u25CB\\uFFE0-\\uFFE5] Fullwidth-Halfwidth");
    QString pre = text.toString();
    for (QChar &c : pre) {
        switch (c.unicode()) {
        case u'\uFFE5': c = u'\\'; break;
        case u'\uFFE3': c = u'~'; break;
        case kWideVoiced: c = kHalfVoiced; break;
        case kWideSemiVoiced: c = kHalfSemiVoiced; break;
        default: break;
        }
    }
    return transliterate(*icuNarrow, pre);
}

} // namespace widthfold
