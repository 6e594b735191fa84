#include "core/platform/Cp932.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <string>

namespace {

struct EncodeCase {
    const char16_t *text;
    const char *hex;
};

TEST(Cp932, EncodesWithWindowsMappings)
{
    const EncodeCase cases[] = {
        {u"あいう", "82a0 82a2 82a4"},        // hiragana
        {u"ABC\r\n", "414243 0d0a"},          // ASCII and a line break
        {u"ｶﾞ", "b6 de"},                     // half-width katakana, one byte each
        {u"\\~", "5c 7e"},                    // backslash and tilde stay single bytes
        {u"～＼", "8160 815f"},               // the Windows forms of wave dash and backslash
        {u"①ⅰ", "8740 fa40"},                // NEC and IBM extensions
        {u"\uE63E\uE70B", "f89f f9b0"},       // the first and last i-mode pictographs
    };
    for (const auto &c : cases)
        EXPECT_EQ(cp932::encode(QString::fromUtf16(c.text)).toHex(), hexBytes(c.hex).toHex())
            << QString::fromUtf16(c.text).toStdString();
}

TEST(Cp932, EveryUnmappableCharacterBecomesOneQuestionMark)
{
    // Default-ignorables (zero-width space, a variation selector, BOM) must
    // not vanish; a surrogate pair and a lone surrogate are one "?" each.
    const QString text = QString::fromUtf16(u"a\u200Bb\uFE0Fc\uFEFFd\U0001F600e") + QChar(0xD800)
                         + QString::fromUtf16(u"f\u00A5");
    EXPECT_EQ(cp932::encode(text), QByteArray("a?b?c?d?e?f?"));
    EXPECT_EQ(cp932::byteLength(text), 12);
}

TEST(Cp932, ByteLengthMatchesEncodedLength)
{
    const QString text = QString::fromUtf16(u"漢字かなｶﾅabc\r\n\t①\uE63E\U0001F600x");
    EXPECT_EQ(cp932::byteLength(text), cp932::encode(text).size());
    EXPECT_EQ(cp932::byteLength(u""), 0);
}

// Halves of surrogate pairs in every order: only a high half right before a
// low one makes a single "?".
TEST(Cp932, WeighingAgreesWithEncodingForStraySurrogates)
{
    const char16_t high = 0xD83D, low = 0xDE00;
    const std::u16string texts[] = {{high, high, low}, {low, high, low}, {u'a', low}, {high}, {high, u'a', low},
                                    {low, low, high, high}, {high, low, high, low, u'漢'}};
    for (const std::u16string &t : texts) {
        const QString text = QString::fromStdU16String(t);
        const QByteArray bytes = cp932::encode(text);
        EXPECT_EQ(cp932::byteLength(text), bytes.size());
        EXPECT_EQ(cp932::questionMarks(text), bytes.count('?'));
    }
}

TEST(Cp932, UnitLengths)
{
    EXPECT_EQ(cp932::unitByteLength(u'a'), 1);
    EXPECT_EQ(cp932::unitByteLength(u'\t'), 1);
    EXPECT_EQ(cp932::unitByteLength(u'ｱ'), 1);
    EXPECT_EQ(cp932::unitByteLength(u'ア'), 2);
    EXPECT_EQ(cp932::unitByteLength(u'\u200B'), 1);
    EXPECT_TRUE(cp932::isSingleByte(QChar(u'\u00A5')));
    EXPECT_FALSE(cp932::isSingleByte(QChar(u'漢')));
    // The sum weighs each unit on its own: the pair's halves count one each,
    // unlike byteLength, which counts the pair's single "?".
    const QString text = QString::fromUtf16(u"漢ｶa😀");
    EXPECT_EQ(cp932::unitByteLengthSum(text), 2 + 1 + 1 + 2);
    EXPECT_EQ(cp932::byteLength(text), 2 + 1 + 1 + 1);
    EXPECT_EQ(cp932::unitByteLengthSum(u""), 0);
}

TEST(Cp932, HoldsExactlyWhatEncodingKeeps)
{
    struct Row {
        char16_t unit;
        bool held;
    };
    const Row rows[] = {
        {u'?', true},       // a real question mark is no substitute
        {u'a', true},       {u'ｱ', true},        {u'漢', true},
        {u'\uE63E', true},  // a pictograph: F89F
        {u'\u00E9', false}, // é
        {u'\u2600', false}, // ☀
        {u'\uFE0F', false}, // a variation selector, which ICU would skip
        {u'\u200B', false}, {char16_t(0xD83D), false}, {char16_t(0xDE00), false}, // the halves of 😀
    };
    for (const Row &r : rows) {
        EXPECT_EQ(cp932::holds(r.unit), r.held) << std::hex << unsigned(r.unit);
        const QString one(QChar(r.unit));
        EXPECT_EQ(cp932::encode(one) == "?" && r.unit != u'?', !r.held) << std::hex << unsigned(r.unit);
    }
}

TEST(Cp932, DecodesAndRoundTrips)
{
    EXPECT_EQ(cp932::decode(hexBytes("82a0 82a2 b6de 5c 8160")), QString::fromUtf16(u"あいｶﾞ\\～"));
    const QString text = QString::fromUtf16(u"件名：テスト\r\n本文ｱｲｳ①\uE63E");
    EXPECT_EQ(cp932::decode(cp932::encode(text)), text);
}

// Decoding takes shortcuts past ICU (for plain ASCII, and through the C
// library's reader); every text ICU reads must still come out as ICU reads
// it, the three controls ICU swaps among them, and what ICU refuses must
// not be read as some character either.
TEST(Cp932, DecodesEveryCharacterAsIcuDoes)
{
    UErrorCode err = U_ZERO_ERROR;
    UConverter *icu = ucnv_open("windows-932", &err);
    ucnv_setToUCallBack(icu, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    ASSERT_TRUE(U_SUCCESS(err));
    const auto expectSameAsIcu = [icu](const QByteArray &bytes) {
        char16_t units[8];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_resetToUnicode(icu);
        const int32_t n = ucnv_toUChars(icu, units, 8, bytes.constData(), static_cast<int32_t>(bytes.size()), &status);
        const QString decoded = cp932::decode(bytes);
        if (U_SUCCESS(status)) {
            EXPECT_EQ(decoded, QStringView(units, n)) << bytes.toHex().constData();
        } else {
            EXPECT_TRUE(decoded.contains(QChar::ReplacementCharacter)) << bytes.toHex().constData();
        }
    };
    for (int first = 0; first < 0x100; ++first) {
        expectSameAsIcu(QByteArray(1, static_cast<char>(first)));
        for (int second = 0; second < 0x100; ++second) {
            const char pair[] = {static_cast<char>(first), static_cast<char>(second)};
            expectSameAsIcu(QByteArray(pair, 2));
        }
    }
    ucnv_close(icu);
}

TEST(Cp932, InvalidBytesDecodeWithoutLoss)
{
    // A byte that starts nothing and a lone lead byte at the end decode
    // to U+FFFD; the valid text around them survives.
    const QString decoded = cp932::decode(hexBytes("41 ff 42 82"));
    EXPECT_EQ(decoded, u"A\uFFFDB\uFFFD"_qs);
    EXPECT_EQ(cp932::decode(hexBytes("82a0 82")), u"あ\uFFFD"_qs);
}

} // namespace
