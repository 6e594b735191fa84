#include "core/platform/Cp932.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace cp932 {
namespace {

// Writes one "?" for every character the code page cannot hold, whatever
// the reason ICU gives, so that default-ignorables are substituted too.
void substituteQuestionMark(const void *, UConverterFromUnicodeArgs *args,
                            const UChar *, int32_t, UChar32,
                            UConverterCallbackReason reason, UErrorCode *err)
{
    if (reason > UCNV_IRREGULAR)
        return; // reset, close and clone need nothing
    *err = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, err);
}

// Writes U+FFFD for every byte sequence that is not code page 932.
void substituteReplacementCharacter(const void *, UConverterToUnicodeArgs *args, const char *,
                                    int32_t, UConverterCallbackReason reason, UErrorCode *err)
{
    if (reason > UCNV_IRREGULAR)
        return;
    *err = U_ZERO_ERROR;
    const UChar replacement = 0xFFFD;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, err);
}

struct ConverterDeleter {
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterDeleter>;

UConverter *converter()
{
    // The program is single-threaded; tests may run helpers on other threads.
    thread_local ConverterPtr conv = [] {
        UErrorCode err = U_ZERO_ERROR;
        ConverterPtr c(ucnv_open("windows-932", &err));
        if (U_FAILURE(err))
            throw std::runtime_error("ICU has no windows-932 converter");
        ucnv_setFromUCallBack(c.get(), substituteQuestionMark, nullptr, nullptr, nullptr, &err);
        ucnv_setToUCallBack(c.get(), substituteReplacementCharacter, nullptr, nullptr, nullptr, &err);
        return c;
    }();
    return conv.get();
}

// Each BMP code unit on its own: its byte length, and whether the code page
// holds it at all (rather than writing "?" for it).
struct UnitTables {
    std::array<std::uint8_t, 0x10000> lengths{};
    std::bitset<0x10000> held;
};

const UnitTables &unitTables()
{
    static const auto tables = [] {
        UnitTables t;
        UConverter *conv = converter();
        char bytes[8];
        for (std::uint32_t u = 0; u < 0x10000; ++u) {
            if (u >= 0xD800 && u < 0xE000) {
                t.lengths[u] = 1;
                continue;
            }
            const UChar unit = static_cast<UChar>(u);
            UErrorCode err = U_ZERO_ERROR;
            ucnv_resetFromUnicode(conv);
            const int32_t n = ucnv_fromUChars(conv, bytes, sizeof bytes, &unit, 1, &err);
            t.lengths[u] = static_cast<std::uint8_t>(U_SUCCESS(err) && n == 2 ? 2 : 1);
            t.held[u] = U_SUCCESS(err) && n > 0 && !(n == 1 && bytes[0] == '?' && u != u'?');
        }
        return t;
    }();
    return tables;
}

const std::array<std::uint8_t, 0x10000> &unitLengths() { return unitTables().lengths; }

// The surrogate pairs of the text: a high half followed by a low one. The
// loops that weigh text add this up only when they met a surrogate at all,
// so that plain text costs one table look-up per character and no branch.
int surrogatePairs(QStringView text)
{
    int pairs = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        pairs += text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
    return pairs;
}

} // namespace

QByteArray encode(QStringView text)
{
    if (text.isEmpty())
        return {};
    UConverter *conv = converter();
    ucnv_resetFromUnicode(conv);
    QByteArray out(text.size() * 2 + 8, Qt::Uninitialized);
    UErrorCode err = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()),
                                      reinterpret_cast<const UChar *>(text.utf16()),
                                      static_cast<int32_t>(text.size()), &err);
    out.truncate(U_SUCCESS(err) ? n : 0);
    return out;
}

QString decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    UConverter *conv = converter();
    ucnv_resetToUnicode(conv);
    QString out(bytes.size() + 1, Qt::Uninitialized);
    UErrorCode err = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(conv, reinterpret_cast<UChar *>(out.data()),
                                    static_cast<int32_t>(out.size()), bytes.data(),
                                    static_cast<int32_t>(bytes.size()), &err);
    out.truncate(U_SUCCESS(err) ? n : 0);
    return out;
}

std::optional<QString> firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.mid(i, pair ? 2 : 1);
        if (decode(encode(character)) != character)
            return character.toString();
        i += character.size();
    }
    return std::nullopt;
}

int unitByteLength(char16_t unit) { return unitLengths()[unit]; }

int unitByteLengthSum(QStringView text)
{
    const auto &lengths = unitLengths();
    int total = 0;
    for (const QChar c : text)
        total += lengths[c.unicode()];
    return total;
}

bool holds(char16_t unit) { return unitTables().held[unit]; }

int questionMarks(QStringView text)
{
    if (text.isEmpty()) // an empty body at the start needs no table
        return 0;
    const auto &held = unitTables().held;
    int count = 0;
    bool surrogates = false;
    for (const QChar c : text) {
        count += !held[c.unicode()];
        surrogates |= c.isSurrogate();
    }
    // A surrogate pair is one code point and one "?", not two.
    return surrogates ? count - surrogatePairs(text) : count;
}

int byteLength(QStringView text)
{
    const auto &lengths = unitLengths();
    int total = 0;
    bool surrogates = false;
    for (const QChar c : text) {
        total += lengths[c.unicode()];
        surrogates |= c.isSurrogate();
    }
    // A surrogate pair becomes a single "?": its low half adds nothing.
    return surrogates ? total - surrogatePairs(text) : total;
}

} // namespace cp932
