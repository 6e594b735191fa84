#include "core/compose/SendImage.h"
#include "core/compose/SignatureText.h"

#include <gtest/gtest.h>

namespace {

QString kanji(int n) { return QString(n, u'字'); }

TEST(SendImage, WrapsAsThePhoneDoes)
{
    // P501i: 8 columns, a row of 16 half-width units.
    struct Row { const char *name; QString body; QString image; };
    const Row rows[] = {
        {"eight double-byte fill a row", kanji(8), kanji(8) + u"\r\n"_qs},
        {"a ninth opens a row", kanji(9), kanji(8) + u"\r\n"_qs + kanji(1)},
        {"a double-byte that sticks out moves", u"a"_qs + kanji(8),
         u"a"_qs + kanji(7) + u"\r\n"_qs + kanji(1)},
        {"the moved one counts 2", u"a"_qs + kanji(15),
         u"a"_qs + kanji(7) + u"\r\n"_qs + kanji(8) + u"\r\n"_qs},
        {"sixteen half-width fill a row", QString(16, u'a'), QString(16, u'a') + u"\r\n"_qs},
        {"half-width kana are half", QString(17, u'ｱ'), QString(16, u'ｱ') + u"\r\nｱ"_qs},
        {"LF starts a new count", u"字\r\n"_qs + kanji(8), u"字\r\n"_qs + kanji(8) + u"\r\n"_qs},
        {"a full row ended by the body gives an empty row", kanji(8) + u"\r\nx"_qs,
         kanji(8) + u"\r\n\r\nx"_qs},
        {"empty", QString(), QString()},
    };
    for (const Row &r : rows)
        EXPECT_EQ(renderSendImage(r.body, 8, false, QString()), r.image) << r.name;
}

TEST(SendImage, KeepsASurrogatePairWhole)
{
    // One column, two units: the pair is carried as one "?" and fills the
    // row with "a"; the break comes after the whole pair.
    EXPECT_EQ(renderSendImage(u"a\U0001F600b", 1, false, QString()),
              QString::fromUtf16(u"a\U0001F600\r\nb"));
}

TEST(SendImage, AppendsTheSignatureUnwrapped)
{
    EXPECT_EQ(renderSendImage(u"本文", 8, true, u"Horonami\\nTaro"),
              u"本文\r\nHoronami\r\nTaro"_qs);
    EXPECT_EQ(renderSendImage(u"本文", 8, true, QString(20, u'署')), u"本文\r\n"_qs + QString(20, u'署'));
    EXPECT_EQ(renderSendImage(u"本文", 8, false, u"Taro"), u"本文"_qs);
    EXPECT_EQ(renderSendImage(u"本文", 8, true, u""), u"本文"_qs);
}

TEST(SendImage, NoColumnsNeverHangs)
{
    // A model code with no columns gives a box with no room; the rendering
    // still ends and keeps every character.
    const QString image = renderSendImage(u"aあb", 0, false, QString());
    EXPECT_EQ(QString(image).remove(u"\r\n"_qs), u"aあb"_qs);
}

TEST(SignatureText, BackslashNBecomesCrLfFromTheLeft)
{
    struct Row { const char16_t *stored; const char16_t *text; };
    const Row rows[] = {
        {u"Taro", u"Taro"},
        {u"Horonami\\nTaro", u"Horonami\r\nTaro"},
        {u"\\n\\n", u"\r\n\r\n"},
        {u"\\\\n", u"\\\r\n"},     // the second backslash pairs with the n
        {u"a\\", u"a\\"},          // a trailing backslash stays
        {u"\\N", u"\\N"},          // only a lower-case n
    };
    for (const Row &r : rows)
        EXPECT_EQ(signatureText(r.stored), QString::fromUtf16(r.text)) << QString::fromUtf16(r.stored).toStdString();
}

} // namespace
