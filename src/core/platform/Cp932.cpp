#include "core/platform/Cp932.h"

#include <QSysInfo>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>

#ifndef Q_OS_WIN
#include <iconv.h>
#endif

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <utility>

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

// The code page swaps three ASCII controls: 0x1A reads as U+001C, 0x1C as
// U+007F and 0x7F as U+001A.
bool isSwappedControl(char byte) { return byte == 0x1A || byte == 0x1C || byte == 0x7F; }

// Who reads a text: plain ASCII reads as itself; other small texts go to the
// C library's converter, which loads in a tenth of the memory ICU's takes;
// big ones, and any with a control the code page swaps, go to ICU. One pass
// over the bytes, cut short as soon as the answer is ICU.
enum class Reader { Latin1, CLibrary, Icu };

Reader readerFor(QByteArrayView bytes)
{
    constexpr qsizetype smallText = 64 * 1024;
    const bool small = bytes.size() <= smallText;
    bool ascii = true;
    for (const char byte : bytes) {
        if (isSwappedControl(byte))
            return Reader::Icu;
        if (byte < 0) {
            if (!small)
                return Reader::Icu;
            ascii = false;
        }
    }
    return ascii ? Reader::Latin1 : Reader::CLibrary;
}

#ifndef Q_OS_WIN
struct ReaderDeleter {
    void operator()(iconv_t reader) const { iconv_close(reader); }
};
using ReaderPtr = std::unique_ptr<std::remove_pointer_t<iconv_t>, ReaderDeleter>;

// Reads with the C library's CP932 converter (about 120 KB against ICU's
// 1 MB): start-up reads only small files, so ICU stays unloaded until text is
// first weighed or written. The converter reads every byte sequence it
// accepts as ICU does, but for the three controls ICU swaps, which never come
// here; a test compares the two over every one- and two-byte sequence. ICU
// reads big texts twice as fast. Nothing when the bytes are refused.
std::optional<QString> decodeWithCLibrary(QByteArrayView bytes)
{
    thread_local const ReaderPtr reader = [] {
        const iconv_t opened = iconv_open(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE",
                                          "CP932");
        return ReaderPtr(opened == iconv_t(-1) ? nullptr : opened);
    }();
    if (!reader)
        return std::nullopt;
    iconv(reader.get(), nullptr, nullptr, nullptr, nullptr);
    // Every character of the code page is one UTF-16 unit from one or two bytes.
    QString out(bytes.size(), Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char *written = reinterpret_cast<char *>(out.data());
    std::size_t outLeft = static_cast<std::size_t>(out.size()) * sizeof(char16_t);
    if (iconv(reader.get(), &in, &inLeft, &written, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.truncate(out.size() - static_cast<qsizetype>(outLeft / sizeof(char16_t)));
    return out;
}
#endif

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
    switch (readerFor(bytes)) {
    case Reader::Latin1:
        return QString::fromLatin1(bytes);
    case Reader::CLibrary:
#ifndef Q_OS_WIN
        if (std::optional<QString> text = decodeWithCLibrary(bytes))
            return *std::move(text);
#endif
        break;
    case Reader::Icu:
        break;
    }
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
